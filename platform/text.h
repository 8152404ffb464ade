#pragma once
// Eight-bit, zero-terminated texts (code page 1252) and the text operations every part of the program uses.
// Positions are 1-based. No operation fails; an absent text counts as empty. A text holds at most 2^30 bytes:
// growth beyond that is refused and the text stays as it was.
#include <cstdint>

class Text {
public:
  Text() = default;
  Text(const char* text);               // null gives the empty text
  Text(const char* bytes, int length);  // exactly these bytes
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
  Text& operator+=(const Text& other) { return append(other.c_str(), other.length()); }
  Text& operator+=(char byte) { return append(&byte, 1); }

  // A writable buffer of length + 1 bytes for an API to fill; call resize() with the length it wrote.
  char* buffer(int length);
  void resize(int length);

  friend Text operator+(Text left, const Text& right) { return left += right; }
  friend bool operator==(const Text& a, const Text& b);

private:
  bool reserve(int capacity);
  char* bytes_ = nullptr;
  int length_ = 0;
  int capacity_ = 0;
};

int TextLength(const Text& text);
Text TextLeft(const Text& text, int count);
Text TextRight(const Text& text, int count);
Text TextMid(const Text& text, int start, int count);
int TextFind(const Text& text, const Text& search, int start = 1);
Text TextRemove(const Text& text, const Text& search);
Text TextField(const Text& text, int index, const Text& separator);
Text TextUpper(const Text& text);
Text TextLower(const Text& text);
Text TextTrim(const Text& text);
Text TextPadLeft(const Text& text, int width, const Text& pad = Text());
Text TextSpaces(int count);
Text TextChar(int code);
int32_t TextToNumber(const Text& text);
Text NumberToText(int32_t value);
Text PathPart(const Text& text);
Text TextFromMemory(const void* address, int length);
Text TextFromMemory(const void* address);
bool TextEqual(const Text& a, const Text& b);
bool TextLess(const Text& a, const Text& b);
// The byte at the address, sign-extended (-128 to 127).
int MemoryReadByte(const void* address);
