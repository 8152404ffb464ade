#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <random>

#include "platform/graphics.h"
#include "platform/mul_div.h"

namespace {

int DisplayPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int pixels = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return pixels;
}

LOGFONTA Described(HFONT font) {
  LOGFONTA description{};
  EXPECT_EQ(GetObjectA(font, sizeof description, &description), int(sizeof description));
  return description;
}

// Runs this program again with the given filter; its exit code, or -1 when it did not finish within a minute.
int RunSelf(const char* filter) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return -1;
  char commandLine[MAX_PATH + 200];
  wsprintfA(commandLine, "\"%s\" --gtest_also_run_disabled_tests --gtest_filter=%s", path, filter);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(path, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  DWORD code = DWORD(-1);
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
  else TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return int(code);
}

}  // namespace

TEST(Fonts, HeightFollowsTheDisplayResolutionAndFlagsSetTheStyle) {
  const int pixelsPerInch = DisplayPixelsPerInch();
  const intptr_t plain = FontLoad(0, "Arial", 10, 0);
  ASSERT_NE(plain, 0);
  EXPECT_EQ(reinterpret_cast<HFONT>(plain), FontHandle(0));
  LOGFONTA description = Described(FontHandle(0));
  EXPECT_EQ(description.lfHeight, -MulDiv(10, pixelsPerInch, 72));
  EXPECT_EQ(description.lfWeight, 400);
  EXPECT_FALSE(description.lfItalic || description.lfUnderline || description.lfStrikeOut);
  EXPECT_EQ(description.lfQuality, DEFAULT_QUALITY);
  EXPECT_EQ(description.lfCharSet, DEFAULT_CHARSET);

  const intptr_t fresh = FontLoad(-1, "Arial", 7, kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut |
                                                      kFontHighQuality);
  ASSERT_GE(fresh, 0x10000);
  description = Described(FontHandle(int(fresh)));
  EXPECT_EQ(description.lfHeight, -MulDiv(7, pixelsPerInch, 72));
  EXPECT_EQ(description.lfWeight, 700);
  EXPECT_TRUE(description.lfItalic && description.lfUnderline && description.lfStrikeOut);
  EXPECT_EQ(description.lfQuality, PROOF_QUALITY);

  ASSERT_NE(FontLoad(0, "Courier New", 12, 0), 0);  // replaces and deletes the old font
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(plain)), 0u);
  EXPECT_STREQ(Described(FontHandle(0)).lfFaceName, "Courier New");
  HFONT last = FontHandle(0);
  FontFreeAll();
  EXPECT_EQ(FontHandle(int(fresh)), nullptr);
  EXPECT_EQ(GetObjectType(last), 0u);
}

// Run by the next test, in a process started under another LogPixels setting.
TEST(FontsAtOtherResolution, DISABLED_HeightUsesThatResolution) {
  const char* expected = std::getenv("VELKOR_EXPECTED_DPI");
  ASSERT_NE(expected, nullptr);
  ASSERT_EQ(DisplayPixelsPerInch(), std::atoi(expected));
  ASSERT_NE(FontLoad(0, "Arial", 10, 0), 0);
  EXPECT_EQ(Described(FontHandle(0)).lfHeight, -MulDivRound(10, std::atoi(expected), 72));
}

TEST(Fonts, HeightFollowsALogPixelsSettingOfAnotherProcess) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr), ERROR_SUCCESS);
  DWORD saved = 0, size = sizeof saved;
  const bool hadValue = RegQueryValueExA(key, "LogPixels", nullptr, nullptr, (BYTE*)&saved, &size) == ERROR_SUCCESS;
  const DWORD other = DisplayPixelsPerInch() == 144 ? 120 : 144;
  RegSetValueExA(key, "LogPixels", 0, REG_DWORD, (const BYTE*)&other, sizeof other);
  SetEnvironmentVariableA("VELKOR_EXPECTED_DPI", other == 144 ? "144" : "120");
  EXPECT_EQ(RunSelf("FontsAtOtherResolution.DISABLED_HeightUsesThatResolution"), 0);
  SetEnvironmentVariableA("VELKOR_EXPECTED_DPI", nullptr);
  if (hadValue) RegSetValueExA(key, "LogPixels", 0, REG_DWORD, (const BYTE*)&saved, sizeof saved);
  else RegDeleteValueA(key, "LogPixels");
  RegCloseKey(key);
}

TEST(MulDivRound, AgreesWithWindows) {
  std::mt19937 random(2007);
  std::uniform_int_distribution<int32_t> any(INT32_MIN + 1, INT32_MAX), small(-1000, 1000);
  for (int i = 0; i < 200000; ++i) {
    const int32_t a = i % 2 ? any(random) : small(random);
    const int32_t b = i % 3 ? small(random) : any(random);
    const int32_t c = i % 5 ? small(random) : any(random);
    ASSERT_EQ(MulDivRound(a, b, c), MulDiv(a, b, c)) << a << " * " << b << " / " << c;
  }
}

TEST(Desktops, PrimaryFirstWithTheScreenSizeAndZeroBeyondTheLast) {
  const int count = DesktopExamine();
  ASSERT_GE(count, 1);
  EXPECT_EQ(DesktopWidth(0), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(DesktopHeight(0), GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(DesktopWidth(count), 0);
  EXPECT_EQ(DesktopHeight(count), 0);
  EXPECT_EQ(DesktopWidth(-1), 0);
}
