#pragma once
// Eight-bit, zero-terminated texts (code page 1252) and the text operations every part of the program uses.
// Positions are 1-based. No operation fails; an absent text counts as empty. A text holds at most 2^30 bytes:
// growth beyond that is refused and the text stays as it was.
#include <cstdint>

class Text;

// A read-only view of a zero-terminated text (a literal, a pointer or a Text), for parameters that only read
// their text: a literal reaches them without a copy on the heap, and its length is counted when compiling.
// The one rule: a view never outlives the call it is passed to. It is never stored in a record or a global;
// what must be kept is copied into a Text.
class TextView {
public:
  // Null gives the empty text. Always inlined, so that the length of a literal becomes a constant.
  [[gnu::always_inline]] constexpr TextView(const char* text)
      : bytes_(text), length_(text ? static_cast<int>(__builtin_strlen(text)) : 0) {}
  TextView(const Text& text);

  constexpr const char* c_str() const { return bytes_ ? bytes_ : ""; }
  constexpr int length() const { return length_; }
  constexpr bool empty() const { return length_ == 0; }
  // The byte at a 0-based index, as an unsigned value; 0 outside the text. Always inlined: a call needs the
  // view in memory for its address, which costs more than the test itself.
  [[gnu::always_inline]] constexpr unsigned char at(int index) const {
    return index >= 0 && index < length_ ? static_cast<unsigned char>(bytes_[index]) : 0;
  }

private:
  const char* bytes_;
  int length_;
};

class Text {
public:
  Text() = default;
  Text(const char* text);               // null gives the empty text
  Text(const char* bytes, int length);  // exactly these bytes
  explicit Text(TextView text);         // a copy
  Text(const Text& other);
  Text(Text&& other) noexcept;
  Text& operator=(const Text& other);
  Text& operator=(Text&& other) noexcept;
  ~Text();

  const char* c_str() const { return bytes_ ? bytes_ : ""; }
  int length() const { return length_; }
  bool empty() const { return length_ == 0; }
  // The byte at a 0-based index, as an unsigned value; 0 outside the text.
  unsigned char at(int index) const;

  Text& append(const char* bytes, int length);
  Text& operator+=(TextView other) { return append(other.c_str(), other.length()); }
  Text& operator+=(char byte) { return append(&byte, 1); }

  // A writable buffer of length + 1 bytes for an API to fill; call resize() with the length it wrote.
  char* buffer(int length);
  void resize(int length);

private:
  friend class TextView;
  bool reserve(int capacity);
  char* bytes_ = nullptr;
  int length_ = 0;
  int capacity_ = 0;
};

inline TextView::TextView(const Text& text) : bytes_(text.bytes_), length_(text.length_) {}

// Comparing and joining take views, so a literal on either side needs no Text of its own.
bool operator==(TextView a, TextView b);
Text operator+(TextView left, TextView right);

int TextLength(TextView text);
Text TextLeft(TextView text, int count);
Text TextRight(TextView text, int count);
Text TextMid(TextView text, int start, int count);
int TextFind(TextView text, TextView search, int start = 1);
Text TextRemove(TextView text, TextView search);
Text TextField(TextView text, int index, TextView separator);
Text TextUpper(TextView text);
Text TextLower(TextView text);
Text TextTrim(TextView text);
Text TextPadLeft(TextView text, int width, TextView pad = "");
Text TextSpaces(int count);
Text TextChar(int code);
int32_t TextToNumber(TextView text);
Text NumberToText(int32_t value);
Text PathPart(TextView text);
Text TextFromMemory(const void* address, int length);
Text TextFromMemory(const void* address);
bool TextEqual(TextView a, TextView b);
bool TextLess(const Text& a, const Text& b);  // its callers always hold texts: a reference is smaller
// The byte at the address, sign-extended (-128 to 127).
int MemoryReadByte(const void* address);
