// ProgramEnd in a program of its own: exit code 0, and what was still open is released (a buffered file
// reaches the disk).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/ui_driver.h"

TEST(ProgramEnd, EndsWithZeroAfterReleasingEverythingStillOpen) {
  char temp[MAX_PATH] = {};
  ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
  const std::string file = std::string(temp) + "program_end_probe.txt";
  DeleteFileA(file.c_str());
  ui::Process probe = ui::ProcessStart(ui::ProgramFolder() + "\\program_end_probe.exe", ui::QuoteArgument(file));
  ASSERT_TRUE(probe.started());
  DWORD exitCode = 99;
  if (!probe.Wait(20000, &exitCode)) probe.Kill();
  EXPECT_EQ(exitCode, 0u);

  char content[64] = {};
  DWORD read = 0;
  HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  ReadFile(handle, content, sizeof content - 1, &read, nullptr);
  CloseHandle(handle);
  DeleteFileA(file.c_str());
  EXPECT_STREQ(content, "bis zum Ende gepuffert");
}
