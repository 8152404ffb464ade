#pragma once
// The raw byte blocks the installer carries, embedded byte for byte from the build inputs.
#include <cstdint>

enum class PayloadId { Library, Help, Picture1, Picture2, Picture3, Picture4, Picture5, Picture6, Example,
                       SetupPicture };

struct PayloadBlock {
  const unsigned char* bytes;
  int32_t size;
};

PayloadBlock PayloadGet(PayloadId id);
