// The file layer's reports of writes lost on a full disk, which the installer turns into its log lines.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/support/fixtures.h"

namespace {

// Writes the bytes through file number 10 and closes it: the close's result, or -1 when creation failed.
int WriteThroughLayer(const std::string& path, const std::string& bytes) {
  if (!FileCreate(10, path.c_str())) return -1;
  for (unsigned char c : bytes) FileWriteByte(10, c);
  return FileClose(10);
}

}  // namespace

// A full disk: a buffer flush in the middle fails, and with the disk full even the one last flush at close, which
// no end-to-end row meets alone.
TEST(Files, WritesLostOnAFullDiskAreReported) {
  const std::string disk = fx::FreshFolder("small-disk");
  ASSERT_TRUE(fx::MountSmallDisk(disk, 32768));
  EXPECT_EQ(WriteThroughLayer(disk + "fill.bin", std::string(200 * 1024, 'f')), 0);
  EXPECT_EQ(WriteThroughLayer(disk + "late.txt", std::string(100, 'l')), 0);
  EXPECT_TRUE(fx::UnmountSmallDisk(disk));
  fx::RemoveTree(disk);
}
