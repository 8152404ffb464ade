// The line reader on arbitrary bytes, delivered in arbitrary chunk sizes: never crashes, never loops, and
// the lines it returns hold no line-end byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/buffered_lines.h"

namespace {
struct Source {
  const uint8_t* data;
  size_t size;
  size_t chunk;
};

int Read(void* context, unsigned char* into, int capacity) {
  Source* source = static_cast<Source*>(context);
  size_t count = source->size < source->chunk ? source->size : source->chunk;
  if (count > static_cast<size_t>(capacity)) count = static_cast<size_t>(capacity);
  std::memcpy(into, source->data, count);
  source->data += count;
  source->size -= count;
  return static_cast<int>(count);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  Source source{data + 1, size - 1, static_cast<size_t>(data[0]) * 37 + 1};
  ByteBuffer buffer{};
  // Each line consumes at least one byte, so size + 1 reads reach the end.
  for (size_t reads = 0; reads <= size; ++reads) {
    const Text line = BufferReadLine(buffer, Read, &source);
    for (int i = 0; i < line.length(); ++i)
      if (line.at(i) == '\r' || line.at(i) == '\n') std::abort();
  }
  if (source.size != 0 || buffer.position < buffer.end) std::abort();
  return 0;
}
