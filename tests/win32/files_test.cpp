// The file layer's failure paths, which the installer turns into its log lines.
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

// Failures the installer meets as a locked file, a missing folder or a path longer than the system allows.
TEST(Files, FailuresAreReported) {
  const std::string folder = fx::FreshFolder("files"), locked = folder + "locked.txt", tooLong(300, 'a');
  ASSERT_TRUE(fx::WriteBytes(locked, "old") && fx::SetImmutable(locked, true));
  EXPECT_EQ(WriteThroughLayer(locked, "new"), -1);
  EXPECT_EQ(WriteThroughLayer(folder + "absent\\file.txt", "x"), -1);
  EXPECT_EQ(FileOpenRead(11, (folder + "absent.txt").c_str()), 0);
  EXPECT_EQ(FileQuerySize((folder + tooLong).c_str()), -1);
  EXPECT_EQ(DirectoryCreate((folder + tooLong).c_str()), 0);
  fx::SetImmutable(locked, false);
  fx::RemoveTree(folder);
}

// A full disk: a buffer flush in the middle fails, and with the disk full even the one last flush at close. A file
// closed implicitly, by reusing its number or by closing all, still reports what it lost.
TEST(Files, WritesLostOnAFullDiskAreReported) {
  const std::string disk = fx::FreshFolder("small-disk"), fine = fx::FreshFolder("fine");
  ASSERT_TRUE(fx::MountSmallDisk(disk, 32768));
  EXPECT_EQ(WriteThroughLayer(disk + "fill.bin", std::string(200 * 1024, 'f')), 0);
  EXPECT_EQ(WriteThroughLayer(disk + "late.txt", std::string(100, 'l')), 0);
  for (int number : {11, 12}) {
    ASSERT_NE(FileCreate(number, (disk + std::to_string(number)).c_str()), 0);
    for (int i = 0; i < 100; ++i) FileWriteByte(number, 'a');
  }
  ASSERT_NE(FileCreate(11, (fine + "fine.txt").c_str()), 0);
  EXPECT_EQ(FileClose(11), 0);
  EXPECT_EQ(FileCloseAll(), 0);
  EXPECT_EQ(FileCloseAll(), 1);
  EXPECT_TRUE(fx::UnmountSmallDisk(disk));
  fx::RemoveTree(disk);
  fx::RemoveTree(fine);
}
