// The compiler banner reduction on arbitrary output blocks: never crashes, and its result carries no
// carriage return, no lower-case letter and no blank at either end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "host/banner_reduction.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Text line = BannerLineFromBlock(reinterpret_cast<const char*>(data), static_cast<int>(size));
  const Text version = VersionFromBannerLine(line);
  for (int i = 0; i < version.length(); ++i) {
    const unsigned char c = version.at(i);
    if (c == '\r' || (c >= 'a' && c <= 'z')) std::abort();
  }
  if (!version.empty() && (version.at(0) == ' ' || version.at(version.length() - 1) == ' ')) std::abort();
  return 0;
}
