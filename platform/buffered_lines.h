#pragma once
// The buffer of a numbered file and the line splitting of its reads, kept free of Windows so that it can be
// tested and fuzzed on any bytes.
#include "platform/text.h"

constexpr int kFileBufferSize = 4096;

struct ByteBuffer {
  unsigned char bytes[kFileBufferSize];
  int position;  // next byte to read
  int end;       // bytes held (filled by reads, or waiting to be written)
};

// Fills into with up to capacity bytes; returns how many, 0 at the end of the input or on failure.
using ByteSource = int (*)(void* context, unsigned char* into, int capacity);

// The next line without its end: CR, LF, CR LF, a zero byte or the end of the input. After a lone CR the byte
// that followed it stays for the next read. Empty at the end of the input.
Text BufferReadLine(ByteBuffer& buffer, ByteSource source, void* context);
