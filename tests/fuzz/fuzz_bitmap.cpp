// The bitmap reader on arbitrary blocks: whatever it accepts it converts without reading outside the block
// (the sanitizers watch every access).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/bitmap_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly size bytes, so that a read past the block is caught.
  const std::vector<uint8_t> block(data, data + size);
  BitmapPicture picture;
  if (!BitmapExamine(block.data(), static_cast<uint32_t>(size), &picture)) return 0;
  std::vector<uint32_t> pixels(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height));
  BitmapToPixels32(picture, pixels.data());
  return 0;
}
