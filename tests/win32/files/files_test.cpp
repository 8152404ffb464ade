#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "platform/memory.h"
#include "platform/pause.h"
#include "platform/object_table.h"

namespace {

// Folder made by the ctest fixture (a Unix path), as a Windows path on Wine's Z: drive; empty without it.
std::string FixtureFolder() {
  const char* work = std::getenv("VELKOR_FILES_WORK");
  if (!work || !*work) return "";
  std::string path = std::string("Z:") + work;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

std::string ReadAll(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char chunk[8192];
  DWORD got = 0;
  while (ReadFile(h, chunk, sizeof chunk, &got, nullptr) && got) bytes.append(chunk, got);
  CloseHandle(h);
  return bytes;
}

void WriteAll(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
  ASSERT_EQ(written, bytes.size());
}

// Writes through the numbered-file layer and returns FileClose's verdict.
int WriteThroughLayer(int number, const std::string& path, const std::string& bytes) {
  if (!FileCreate(number, path.c_str())) return -1;
  for (unsigned char c : bytes) FileWriteByte(number, c);
  return FileClose(number);
}

// Each test gets a fresh folder in the temporary folder, removed afterwards.
class Files : public ::testing::Test {
protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::string(temp) + "velkor_files_" + std::to_string(GetCurrentProcessId()) + "_" + info->name();
    RemoveTree(dir_);
    ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
  }
  void TearDown() override {
    FileCloseAll();
    RemoveTree(dir_);
  }
  std::string At(const std::string& name) const { return dir_ + "\\" + name; }
  std::string dir_;
};

}  // namespace

TEST_F(Files, CreateReplacesAnExistingFile) {
  WriteAll(At("a.txt"), "a much longer old content");
  ASSERT_NE(FileCreate(1, At("a.txt").c_str()), 0);
  EXPECT_EQ(FileQuerySize(At("a.txt").c_str()), 0);  // emptied at once
  FileWriteByte(1, 'n');
  FileWriteByte(1, 'e');
  FileWriteByte(1, 'w');
  EXPECT_EQ(FileClose(1), 1);
  EXPECT_EQ(ReadAll(At("a.txt")), "new");
  EXPECT_EQ(FileClose(1), 0);  // the number is free again
  EXPECT_EQ(FileWriteByte(1, 'x'), 0);
}

// Windows refuses to replace a hidden or system file with normal attributes (the emptying fallback then takes
// over); Wine lets the replacement through. Either way the file must end up holding exactly the new bytes.
TEST_F(Files, CreateEmptiesAHiddenFile) {
  WriteAll(At("hidden.txt"), "old content");
  ASSERT_TRUE(SetFileAttributesA(At("hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_EQ(WriteThroughLayer(2, At("hidden.txt"), "fresh"), 1);
  EXPECT_EQ(ReadAll(At("hidden.txt")), "fresh");
}

TEST_F(Files, CreateFailsOnAFileThatCannotBeWritten) {
  const std::string fixture = FixtureFolder();
  if (fixture.empty()) GTEST_SKIP() << "run through ctest: its fixture makes the unwritable file";
  const std::string locked = fixture + "\\locked.txt";
  EXPECT_EQ(FileCreate(3, locked.c_str()), 0);
  EXPECT_EQ(ReadAll(locked), "locked");  // neither replaced nor emptied
  EXPECT_EQ(FileWriteByte(3, 'x'), 0);
  EXPECT_EQ(FileCreate(3, At("missing\\x.txt").c_str()), 0);  // no such folder
  EXPECT_EQ(FileCreate(3, ""), 0);
}

TEST_F(Files, WritesAreBufferedIn4096ByteBlocks) {
  const std::string path = At("big.bin");
  ASSERT_NE(FileCreate(4, path.c_str()), 0);
  std::string expected;
  for (int i = 0; i < 4095; ++i) {
    EXPECT_EQ(FileWriteByte(4, static_cast<signed char>(i)), 1);  // sign-extended, as callers pass bytes
    expected += static_cast<char>(i);
  }
  EXPECT_EQ(FileQuerySize(path.c_str()), 0);  // still in the buffer
  FileWriteByte(4, 0x1FF);                    // only the low 8 bits count
  expected += '\xFF';
  EXPECT_EQ(FileQuerySize(path.c_str()), 4096);
  for (int i = 0; i < 5000; ++i) {
    FileWriteByte(4, -1);
    expected += '\xFF';
  }
  EXPECT_EQ(FileQuerySize(path.c_str()), 8192);
  EXPECT_EQ(FileClose(4), 1);
  EXPECT_EQ(ReadAll(path), expected);
  EXPECT_EQ(FileQuerySize(path.c_str()), 9096);
}

TEST_F(Files, ReopeningANumberClosesAndFlushesTheOldFile) {
  ASSERT_NE(FileCreate(6, At("first.txt").c_str()), 0);
  FileWriteByte(6, '1');
  ASSERT_NE(FileCreate(6, At("first.txt").c_str()), 0);  // same file, same number: the old handle is gone first
  FileWriteByte(6, '2');
  ASSERT_NE(FileCreate(6, At("second.txt").c_str()), 0);
  EXPECT_EQ(ReadAll(At("first.txt")), "2");
  FileWriteByte(6, '3');
  ASSERT_NE(FileOpenRead(6, At("first.txt").c_str()), 0);
  EXPECT_EQ(ReadAll(At("second.txt")), "3");
  EXPECT_EQ(FileWriteByte(6, 'x'), 0);  // opened for reading
  EXPECT_STREQ(FileReadLine(6).c_str(), "2");
  EXPECT_EQ(FileClose(6), 1);
}

TEST_F(Files, FreshNumbersAndCloseAll) {
  const intptr_t fresh = FileCreate(kFreshNumber, At("fresh.txt").c_str());
  ASSERT_GE(fresh, kFreshNumberBase);
  ASSERT_NE(FileCreate(7, At("seven.txt").c_str()), 0);
  FileWriteByte(static_cast<int>(fresh), 'f');
  FileWriteByte(7, 's');
  FileCloseAll();
  EXPECT_EQ(ReadAll(At("fresh.txt")), "f");
  EXPECT_EQ(ReadAll(At("seven.txt")), "s");
  EXPECT_EQ(FileWriteByte(7, 's'), 0);
  EXPECT_EQ(FileClose(static_cast<int>(fresh)), 0);
}

TEST_F(Files, ReadLineSplitsAtEveryLineEnd) {
  std::string content("one\rtwo\nthree\r\nfour", 19);
  content += '\0';
  content += "five\r\r\nsix\n\rseven";
  WriteAll(At("lines.txt"), content);
  ASSERT_NE(FileOpenRead(8, At("lines.txt").c_str()), 0);
  for (const char* want : {"one", "two", "three", "four", "five", "", "six", "", "seven", "", ""})
    EXPECT_STREQ(FileReadLine(8).c_str(), want);
  FileClose(8);
}

TEST_F(Files, ReadLineAcrossTheBufferBoundary) {
  // A CR LF split over two reads is one line end; a line longer than the buffer stays whole.
  std::string content(4095, 'a');
  content += "\r\n";
  content += std::string(5000, 'b');
  content += "\rc";
  WriteAll(At("long.txt"), content);
  ASSERT_NE(FileOpenRead(9, At("long.txt").c_str()), 0);
  EXPECT_EQ(std::string(FileReadLine(9).c_str()), std::string(4095, 'a'));
  EXPECT_EQ(std::string(FileReadLine(9).c_str()), std::string(5000, 'b'));
  EXPECT_STREQ(FileReadLine(9).c_str(), "c");
  EXPECT_STREQ(FileReadLine(9).c_str(), "");
  FileClose(9);
  EXPECT_EQ(FileOpenRead(9, At("nothing.txt").c_str()), 0);
  EXPECT_STREQ(FileReadLine(9).c_str(), "");
}

TEST_F(Files, QuerySizeOfFilesFoldersAndDrives) {
  WriteAll(At("empty.txt"), "");
  WriteAll(At("five.txt"), "12345");
  EXPECT_EQ(FileQuerySize(At("empty.txt").c_str()), 0);
  EXPECT_EQ(FileQuerySize(At("five.txt").c_str()), 5);
  EXPECT_EQ(FileQuerySize((At("five.txt") + "\\").c_str()), 5);  // the trailing backslash is ignored
  EXPECT_EQ(FileQuerySize(At("missing.txt").c_str()), -1);
  EXPECT_EQ(FileQuerySize(""), -1);
  EXPECT_EQ(FileQuerySize(dir_.c_str()), -2);
  EXPECT_EQ(FileQuerySize((dir_ + "\\").c_str()), -2);
  EXPECT_EQ(FileQuerySize("C:"), -2);
  EXPECT_EQ(FileQuerySize("C:\\"), -2);
  const DWORD drives = GetLogicalDrives();
  char unused = 0;
  for (char letter = 'Y'; letter > 'D' && !unused; --letter)
    if (!(drives & (1u << (letter - 'A')))) unused = letter;
  ASSERT_NE(unused, 0);
  const std::string none = std::string(1, unused) + ":";
  EXPECT_EQ(FileQuerySize(none.c_str()), -1);
  EXPECT_EQ(FileQuerySize((none + "\\").c_str()), -1);
  EXPECT_EQ(FileQuerySize((dir_ + "\\" + std::string(300, 'x')).c_str()), -1);
}

TEST_F(Files, QuerySizeIsSixtyFourBits) {
  HANDLE h = CreateFileA(At("sparse.bin").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  LARGE_INTEGER end;
  end.QuadPart = 5LL << 30;
  const bool sized = SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && SetEndOfFile(h);
  CloseHandle(h);
  ASSERT_TRUE(sized);
  EXPECT_EQ(FileQuerySize(At("sparse.bin").c_str()), 5LL << 30);
}

TEST_F(Files, DeleteAndSetAttributes) {
  WriteAll(At("d.txt"), "x");
  EXPECT_NE(FileSetAttributes(At("d.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY), 0);
  const DWORD kHiddenReadOnly = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY;
  EXPECT_EQ(GetFileAttributesA(At("d.txt").c_str()) & kHiddenReadOnly, kHiddenReadOnly);
  EXPECT_NE(FileSetAttributes(At("d.txt").c_str(), FILE_ATTRIBUTE_NORMAL), 0);  // Wine reports "archive" then
  EXPECT_EQ(GetFileAttributesA(At("d.txt").c_str()) & kHiddenReadOnly, 0u);
  EXPECT_EQ(FileSetAttributes("", FILE_ATTRIBUTE_NORMAL), 0);
  EXPECT_EQ(FileSetAttributes(At("gone.txt").c_str(), FILE_ATTRIBUTE_NORMAL), 0);
  EXPECT_NE(FileDelete(At("d.txt").c_str()), 0);
  EXPECT_EQ(FileQuerySize(At("d.txt").c_str()), -1);
  EXPECT_EQ(FileDelete(At("d.txt").c_str()), 0);
  EXPECT_EQ(FileDelete(""), 0);
}

TEST_F(Files, DirectoryCreateCutsTrailingSeparatorsAndBlanks) {
  EXPECT_NE(DirectoryCreate((At("one") + "\\").c_str()), 0);
  EXPECT_EQ(FileQuerySize(At("one").c_str()), -2);
  EXPECT_EQ(DirectoryCreate(At("one").c_str()), 0);  // exists already
  EXPECT_NE(DirectoryCreate((At("two") + " /\\ \\").c_str()), 0);
  EXPECT_EQ(FileQuerySize(At("two").c_str()), -2);
  EXPECT_NE(DirectoryCreate(At("one\\inner").c_str()), 0);
  EXPECT_EQ(DirectoryCreate(At("three\\inner").c_str()), 0);  // the parent must exist
  EXPECT_EQ(FileQuerySize(At("three").c_str()), -1);
  EXPECT_EQ(DirectoryCreate(" \\/"), 0);
  EXPECT_EQ(DirectoryCreate(""), 0);
  EXPECT_EQ(DirectoryCreate((dir_ + "\\" + std::string(300, 'x')).c_str()), 0);
}

TEST_F(Files, MemoryBlocksAndPause) {
  char* block = static_cast<char*>(MemoryAllocate(100000));
  ASSERT_NE(block, nullptr);
  block[0] = block[99999] = 1;  // both ends of the block are writable
  MemoryFree(block);
  MemoryFree(nullptr);
  EXPECT_EQ(MemoryAllocate(-1), nullptr);
  LARGE_INTEGER frequency, before, after;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&before);
  Pause(60);
  QueryPerformanceCounter(&after);
  EXPECT_GE((after.QuadPart - before.QuadPart) * 1000 / frequency.QuadPart, 58);
}

// The small drive T: of the fixture holds 32 KB; every write past that fails with "disk full".
TEST_F(Files, FailedWritesOnAFullDiskAreReportedAtClose) {
  const std::string fixture = FixtureFolder();
  if (fixture.empty()) GTEST_SKIP() << "run through ctest: its fixture maps the small drive T:";
  if (GetFileAttributesA((fixture + "\\full-disk-ready").c_str()) == INVALID_FILE_ATTRIBUTES)
    GTEST_SKIP() << "the fixture mounts the small drive only as root (mount -t tmpfs)";
  ASSERT_NE(GetFileAttributesA("T:\\"), INVALID_FILE_ATTRIBUTES) << "the small drive T: is not mapped";
  EXPECT_EQ(WriteThroughLayer(10, "T:\\fits.txt", "small"), 1);
  EXPECT_EQ(ReadAll("T:\\fits.txt"), "small");
  // A buffer flush in the middle fails.
  EXPECT_EQ(WriteThroughLayer(10, "T:\\fill.bin", std::string(200 * 1024, 'f')), 0);
  // With the disk full, only the last flush at close fails.
  EXPECT_EQ(WriteThroughLayer(10, "T:\\late.txt", std::string(100, 'l')), 0);
  EXPECT_NE(FileDelete("T:\\fill.bin"), 0);
  EXPECT_NE(FileDelete("T:\\late.txt"), 0);
  EXPECT_EQ(WriteThroughLayer(10, "T:\\late.txt", std::string(100, 'l')), 1);
  EXPECT_EQ(ReadAll("T:\\late.txt"), std::string(100, 'l'));
  FileDelete("T:\\late.txt");
  FileDelete("T:\\fits.txt");

  // Files closed implicitly, by reusing their number or by closing all, still report what they lost.
  const auto fill = [](int number) {
    ASSERT_NE(FileCreate(number, "T:\\fill.bin"), 0);
    for (int i = 0; i < 200 * 1024; ++i) FileWriteByte(number, 'f');
  };
  fill(11);
  ASSERT_NE(FileCreate(11, At("fine.txt").c_str()), 0);
  EXPECT_EQ(FileClose(11), 0);
  fill(12);
  EXPECT_EQ(FileCloseAll(), 0);
  EXPECT_EQ(FileCloseAll(), 1);
  FileDelete("T:\\fill.bin");
}
