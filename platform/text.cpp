// The text operations on 8-bit, code page 1252 texts. None of them fails: out-of-range positions and counts
// are clamped, so callers never check results.
#include <cstdint>
#include <cstring>

#include "platform/text.h"

namespace {

// The 0-based index of search in text at or after from, or -1.
int FindFrom(TextView text, TextView search, int from) {
  const int length = text.length();
  const int searchLength = search.length();
  if (searchLength == 0) return -1;
  for (int i = from; i + searchLength <= length; ++i)
    if (std::memcmp(text.c_str() + i, search.c_str(), static_cast<size_t>(searchLength)) == 0) return i;
  return -1;
}

}  // namespace

int TextLength(TextView text) { return text.length(); }

Text TextLeft(TextView text, int count) {
  if (count <= 0) return Text();
  if (count >= text.length()) return Text(text);
  return Text(text.c_str(), count);
}

Text TextRight(TextView text, int count) {
  if (count <= 0) return Text();
  if (count >= text.length()) return Text(text);
  return Text(text.c_str() + text.length() - count, count);
}

Text TextMid(TextView text, int start, int count) {
  if (start < 1) start = 1;
  const int available = text.length() - (start - 1);
  if (count <= 0 || available <= 0) return Text();
  return Text(text.c_str() + start - 1, count < available ? count : available);
}

int TextFind(TextView text, TextView search, int start) {
  if (start < 1) start = 1;
  if (start > text.length()) return 0;
  return FindFrom(text, search, start - 1) + 1;
}

Text TextRemove(TextView text, TextView search) {
  if (search.empty()) return Text(text);
  Text result;
  int from = 0;
  for (int at = FindFrom(text, search, 0); at >= 0; at = FindFrom(text, search, from)) {
    result.append(text.c_str() + from, at - from);
    from = at + search.length();
  }
  result.append(text.c_str() + from, text.length() - from);
  return result;
}

Text TextField(TextView text, int index, TextView separator) {
  if (index < 1) index = 1;
  const char cut = static_cast<char>(separator.at(0));
  const char* bytes = text.c_str();
  const int length = text.length();
  int begin = 0;
  for (int field = 1; field < index; ++field) {
    while (begin < length && bytes[begin] != cut) ++begin;
    if (begin == length) return Text();
    ++begin;
  }
  int end = begin;
  while (end < length && bytes[end] != cut) ++end;
  return Text(bytes + begin, end - begin);
}

Text TextUpper(TextView text) {
  Text result(text);
  char* bytes = result.buffer(result.length());
  for (int i = 0; i < result.length(); ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if ((c >= 'a' && c <= 'z') || c >= 0xE0) bytes[i] = static_cast<char>(c - 32);
  }
  return result;
}

Text TextLower(TextView text) {
  Text result(text);
  char* bytes = result.buffer(result.length());
  for (int i = 0; i < result.length(); ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE)) bytes[i] = static_cast<char>(c + 32);
  }
  return result;
}

Text TextTrim(TextView text) {
  const char* bytes = text.c_str();
  int begin = 0;
  int end = text.length();
  while (begin < end && bytes[begin] == ' ') ++begin;
  while (end > begin && bytes[end - 1] == ' ') --end;
  return Text(bytes + begin, end - begin);
}

Text TextPadLeft(TextView text, int width, TextView pad) {
  if (width <= 0) return Text();
  if (text.length() >= width) return Text(text.c_str(), width);
  const char fill = pad.empty() ? ' ' : pad.c_str()[0];
  Text result;
  for (int i = text.length(); i < width; ++i) result += fill;
  result += text;
  return result;
}

Text TextSpaces(int count) {
  Text result;
  for (int i = 0; i < count; ++i) result += ' ';
  return result;
}

// A zero byte would end a zero-terminated text at once, so code 0 gives the empty text.
Text TextChar(int code) {
  const char byte = static_cast<char>(code & 0xFF);
  return Text(&byte, byte ? 1 : 0);
}

int32_t TextToNumber(TextView text) {
  const char* p = text.c_str();
  while (*p == ' ' || *p == '\t') ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  uint32_t value = 0;  // unsigned, so that overflow wraps without undefined behaviour
  for (; *p >= '0' && *p <= '9'; ++p) value = value * 10u + static_cast<uint32_t>(*p - '0');
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

Text NumberToText(int32_t value) {
  char digits[12];
  int at = sizeof digits;
  // The magnitude as unsigned, so that -2147483648 has one.
  uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  do {
    digits[--at] = static_cast<char>('0' + magnitude % 10u);
    magnitude /= 10u;
  } while (magnitude);
  if (value < 0) digits[--at] = '-';
  return Text(digits + at, static_cast<int>(sizeof digits) - at);
}

Text PathPart(TextView text) {
  const char* bytes = text.c_str();
  int begin = bytes[0] == '"' ? 1 : 0;
  int end = 0;  // one past the last separator seen
  for (int i = begin; bytes[i] && bytes[i] != '|'; ++i)
    if (bytes[i] == '\\' || bytes[i] == '/') end = i + 1;
  return end ? Text(bytes + begin, end - begin) : Text();
}

Text TextFromMemory(const void* address, int length) {
  if (!address || length <= 0) return Text();
  const char* bytes = static_cast<const char*>(address);
  const void* zero = std::memchr(bytes, 0, static_cast<size_t>(length));
  return Text(bytes, zero ? static_cast<int>(static_cast<const char*>(zero) - bytes) : length);
}

Text TextFromMemory(const void* address) { return Text(static_cast<const char*>(address)); }

bool TextEqual(TextView a, TextView b) { return a == b; }

bool TextLess(TextView a, TextView b) {
  const int shorter = a.length() < b.length() ? a.length() : b.length();
  const int order = std::memcmp(a.c_str(), b.c_str(), static_cast<size_t>(shorter));  // unsigned bytes
  return order < 0 || (order == 0 && a.length() < b.length());
}

int MemoryReadByte(const void* address) {
  return static_cast<signed char>(*static_cast<const unsigned char*>(address));
}
