// Line reading through a file's buffer.
#include "platform/buffered_lines.h"

namespace {

// The next unread byte, refilling the buffer when it is used up; -1 at the end.
int Peek(ByteBuffer& buffer, ByteSource source, void* context) {
  if (buffer.position >= buffer.end) {
    const int got = source(context, buffer.bytes, kFileBufferSize);
    buffer.position = 0;
    buffer.end = got > 0 && got <= kFileBufferSize ? got : 0;
    if (buffer.end == 0) return -1;
  }
  return buffer.bytes[buffer.position];
}

}  // namespace

Text BufferReadLine(ByteBuffer& buffer, ByteSource source, void* context) {
  Text line;
  for (;;) {
    const int byte = Peek(buffer, source, context);
    if (byte < 0) return line;
    ++buffer.position;
    if (byte == 0 || byte == '\n') return line;
    if (byte == '\r') {
      if (Peek(buffer, source, context) == '\n') ++buffer.position;
      return line;
    }
    // Take the run of plain bytes up to the next line end in one piece.
    int run = buffer.position;
    while (run < buffer.end && buffer.bytes[run] != 0 && buffer.bytes[run] != '\n' && buffer.bytes[run] != '\r') ++run;
    line += static_cast<char>(byte);
    line.append(reinterpret_cast<const char*>(buffer.bytes + buffer.position), run - buffer.position);
    buffer.position = run;
  }
}
