// The Text class: a growable, zero-terminated byte string on the C heap.
// It avoids std::string, whose static-runtime instantiations would triple the size of the installer.
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "platform/text.h"

Text::Text(const char* text) {
  if (text) append(text, static_cast<int>(std::strlen(text)));
}

Text::Text(const char* bytes, int length) {
  if (bytes && length > 0) append(bytes, length);
}

Text::Text(TextView text) { append(text.c_str(), text.length()); }

Text::Text(const Text& other) { append(other.c_str(), other.length_); }

Text::Text(Text&& other) noexcept : bytes_(other.bytes_), length_(other.length_), capacity_(other.capacity_) {
  other.bytes_ = nullptr;
  other.length_ = 0;
  other.capacity_ = 0;
}

Text& Text::operator=(const Text& other) {
  if (this != &other) {
    length_ = 0;
    if (bytes_) bytes_[0] = 0;
    append(other.c_str(), other.length_);
  }
  return *this;
}

Text& Text::operator=(Text&& other) noexcept {
  if (this != &other) {
    std::free(bytes_);
    bytes_ = other.bytes_;
    length_ = other.length_;
    capacity_ = other.capacity_;
    other.bytes_ = nullptr;
    other.length_ = 0;
    other.capacity_ = 0;
  }
  return *this;
}

Text::~Text() { std::free(bytes_); }

unsigned char Text::at(int index) const {
  if (index < 0 || index >= length_) return 0;
  return static_cast<unsigned char>(bytes_[index]);
}

namespace {
// The longest text: a power of two, so doubling the capacity reaches it exactly and never overflows an int.
constexpr int kMostTextBytes = 1 << 30;
}  // namespace

bool Text::reserve(int capacity) {
  if (capacity <= capacity_ && bytes_) return true;  // an empty text still gets its terminator's byte
  if (capacity > kMostTextBytes) return false;
  int grown = capacity_ < 16 ? 16 : capacity_;
  while (grown < capacity) grown *= 2;
  char* bytes = static_cast<char*>(std::realloc(bytes_, static_cast<size_t>(grown) + 1));
  if (!bytes) return false;
  bytes_ = bytes;
  capacity_ = grown;
  return true;
}

Text& Text::append(const char* bytes, int length) {
  if (!bytes || length <= 0 || length > kMostTextBytes - length_) return *this;
  // The source may lie inside this text, which the growth may move.
  const bool inside = bytes_ && bytes >= bytes_ && bytes < bytes_ + capacity_ + 1;
  const ptrdiff_t offset = inside ? bytes - bytes_ : 0;
  if (!reserve(length_ + length)) return *this;
  if (inside) bytes = bytes_ + offset;
  std::memmove(bytes_ + length_, bytes, static_cast<size_t>(length));
  length_ += length;
  bytes_[length_] = 0;
  return *this;
}

char* Text::buffer(int length) {
  if (length < 0) length = 0;
  if (!reserve(length)) return nullptr;
  std::memset(bytes_ + length_, 0, static_cast<size_t>(capacity_ - length_) + 1);
  return bytes_;
}

void Text::resize(int length) {
  if (length < 0) length = 0;
  const int written = capacity_;  // what buffer() handed out holds the API's bytes: keep them
  if (length > capacity_ && !reserve(length)) return;
  if (!bytes_) return;
  if (length > written) std::memset(bytes_ + written, 0, static_cast<size_t>(length - written));
  length_ = length;
  bytes_[length_] = 0;
}

// Out of line: inlined at its few dozen call sites, the copy and the append made the exe about 600 bytes larger.
[[gnu::noinline]] Text operator+(TextView left, TextView right) {
  Text joined(left);
  joined += right;
  return joined;
}

bool operator==(TextView a, TextView b) {
  return a.length() == b.length() && std::memcmp(a.c_str(), b.c_str(), static_cast<size_t>(a.length())) == 0;
}
