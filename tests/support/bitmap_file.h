#pragma once
// Test helper: small bitmap files built in memory.
#include <cstdint>
#include <cstring>
#include <vector>

using Bytes = std::vector<unsigned char>;

inline void PutLittleEndian(Bytes& bytes, size_t at, uint32_t value, int count = 4) {
  for (int i = 0; i < count; ++i) bytes[at + i] = (value >> (8 * i)) & 0xFF;
}

// rows are the stored rows, unpadded, bottom row first unless height < 0; palette entries are 0x00RRGGBB.
// headerBytes 12 writes the old header with three-byte colour entries; masks follow a 40-byte header.
inline Bytes BitmapFile(int32_t width, int32_t height, int bits, const std::vector<uint32_t>& palette,
                        const std::vector<Bytes>& rows, uint32_t headerBytes = 40,
                        const std::vector<uint32_t>& masks = {}) {
  const bool core = headerBytes == 12;
  const size_t entry = core ? 3 : 4;
  const size_t tableAt = 14 + headerBytes + (headerBytes == 40 ? masks.size() * 4 : 0);
  const size_t pixelsAt = tableAt + palette.size() * entry;
  const size_t stride = (size_t(width) * bits + 31) / 32 * 4;
  Bytes b(pixelsAt + stride * rows.size(), 0);
  b[0] = 'B';
  b[1] = 'M';
  PutLittleEndian(b, 2, uint32_t(b.size()));
  PutLittleEndian(b, 10, uint32_t(pixelsAt));
  PutLittleEndian(b, 14, headerBytes);
  const int field = core ? 2 : 4;
  PutLittleEndian(b, 18, uint32_t(width), field);
  PutLittleEndian(b, 18 + field, uint32_t(height), field);
  PutLittleEndian(b, 18 + 2 * field, 1, 2);
  PutLittleEndian(b, 20 + 2 * field, uint32_t(bits), 2);
  if (!core) {
    PutLittleEndian(b, 30, masks.empty() ? 0 : 3);
    PutLittleEndian(b, 46, uint32_t(palette.size()));
    for (size_t i = 0; i < masks.size(); ++i) PutLittleEndian(b, 54 + 4 * i, masks[i]);
  }
  for (size_t i = 0; i < palette.size(); ++i) PutLittleEndian(b, tableAt + i * entry, palette[i], 3);
  for (size_t r = 0; r < rows.size(); ++r) std::memcpy(&b[pixelsAt + r * stride], rows[r].data(), rows[r].size());
  return b;
}
