#include "payload/payload_blocks.h"

// Start and end of each block, defined in blocks.S.
#define PAYLOAD_SYMBOLS(name) extern const unsigned char name##_start[], name##_end[];
extern "C" {
PAYLOAD_SYMBOLS(velkor_payload_library)
PAYLOAD_SYMBOLS(velkor_payload_help)
PAYLOAD_SYMBOLS(velkor_payload_picture1)
PAYLOAD_SYMBOLS(velkor_payload_picture2)
PAYLOAD_SYMBOLS(velkor_payload_picture3)
PAYLOAD_SYMBOLS(velkor_payload_picture4)
PAYLOAD_SYMBOLS(velkor_payload_picture5)
PAYLOAD_SYMBOLS(velkor_payload_picture6)
PAYLOAD_SYMBOLS(velkor_payload_example)
PAYLOAD_SYMBOLS(velkor_payload_setup_picture)
}

namespace {

PayloadBlock Between(const unsigned char* start, const unsigned char* end) {
  return {start, static_cast<int32_t>(end - start)};
}

}  // namespace

PayloadBlock PayloadGet(PayloadId id) {
  switch (id) {
    case PayloadId::Library: return Between(velkor_payload_library_start, velkor_payload_library_end);
    case PayloadId::Help: return Between(velkor_payload_help_start, velkor_payload_help_end);
    case PayloadId::Picture1: return Between(velkor_payload_picture1_start, velkor_payload_picture1_end);
    case PayloadId::Picture2: return Between(velkor_payload_picture2_start, velkor_payload_picture2_end);
    case PayloadId::Picture3: return Between(velkor_payload_picture3_start, velkor_payload_picture3_end);
    case PayloadId::Picture4: return Between(velkor_payload_picture4_start, velkor_payload_picture4_end);
    case PayloadId::Picture5: return Between(velkor_payload_picture5_start, velkor_payload_picture5_end);
    case PayloadId::Picture6: return Between(velkor_payload_picture6_start, velkor_payload_picture6_end);
    case PayloadId::Example: return Between(velkor_payload_example_start, velkor_payload_example_end);
    case PayloadId::SetupPicture:
      return Between(velkor_payload_setup_picture_start, velkor_payload_setup_picture_end);
  }
  return {nullptr, 0};
}
