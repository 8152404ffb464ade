// The embedded blocks are the build inputs, byte for byte, in the order of the payload list. The end-to-end rows
// compare installed files with these blocks, so this is what ties them to the files a release supplies.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "payload/payload_blocks.h"

namespace {
std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}
}  // namespace

TEST(Payload, EveryBlockIsItsBuildInput) {
  std::istringstream list(FileBytes(VELKOR_PAYLOAD_LIST));
  int index = 0;
  for (std::string line; std::getline(list, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::string file = line.substr(line.find(' ') + 1);
    const PayloadBlock block = PayloadGet(static_cast<PayloadId>(index++));
    const std::string expected = FileBytes(std::string(VELKOR_PAYLOAD_DIR) + "/" + file);
    ASSERT_FALSE(expected.empty()) << file;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(block.bytes), block.size), expected) << file;
  }
  EXPECT_EQ(index, static_cast<int>(PayloadId::SetupPicture) + 1);
}
