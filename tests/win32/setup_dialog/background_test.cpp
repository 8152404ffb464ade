// The setup background as the user's machine shapes it: the display's resolution and the program registered
// for web pages.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "registry/host_lookup.h"
#include "setup/object_numbers.h"
#include "tests/support/ui_driver.h"
#include "tests/win32/setup_dialog/dialog_run.h"

namespace {

// Sets the resolution for programs started from now on, and puts the previous setting back afterwards.
class DisplayResolution {
public:
  explicit DisplayResolution(DWORD dpi) {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                    &key_, nullptr);
    DWORD size = sizeof(previous_);
    hadPrevious_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&previous_),
                                    &size) == ERROR_SUCCESS;
    RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
  }
  ~DisplayResolution() {
    if (hadPrevious_)
      RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&previous_), sizeof(previous_));
    else
      RegDeleteValueA(key_, "LogPixels");
    RegCloseKey(key_);
  }
  DisplayResolution(const DisplayResolution&) = delete;
  DisplayResolution& operator=(const DisplayResolution&) = delete;

private:
  HKEY key_ = nullptr;
  DWORD previous_ = 0;
  bool hadPrevious_ = false;
};

std::string ReadFileText(const std::string& path) {
  std::string text;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[512];
    size_t read;
    while ((read = std::fread(buffer, 1, sizeof(buffer), file)) > 0) text.append(buffer, read);
    std::fclose(file);
  }
  return text;
}

TEST(SetupFonts, KeepTheirPixelHeightAtEveryResolution) {
  struct Expected {
    DWORD dpi;
    const char* line;  // DPI, then the heights of the note, banner, page and credit fonts
  };
  for (const Expected& expected : {Expected{96, "96 -11 -32 -13 -9\n"}, Expected{120, "120 -10 -32 -13 -10\n"},
                                   Expected{144, "144 -10 -32 -14 -10\n"}}) {
    const DisplayResolution resolution(expected.dpi);
    const std::string output = ui::ProgramFolder() + "fonts.txt";
    DeleteFileA(output.c_str());
    ui::Process host = ui::ProcessStart(ui::ProgramFolder() + "dialog_host.exe", "fonts " + ui::QuoteArgument(output));
    DWORD code = 1;
    ASSERT_TRUE(host.Wait(ui::kDefaultTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(ReadFileText(output), expected.line);
    DeleteFileA(output.c_str());
  }
}

TEST(SetupFonts, DialogFitsAtAHighResolution) {
  const DisplayResolution resolution(144);
  Arguments arguments;
  arguments.installedVersion = "1007";
  arguments.installedDate = "12.09.2007";
  DialogRun run(arguments, false);
  HWND dialog = run.WaitDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ui::ClientSizeOf(dialog).cx, 482);
  EXPECT_EQ(ui::ClientSizeOf(dialog).cy, 314);
  ASSERT_TRUE(ui::Click(run.Control(kCancelButton)));
  EXPECT_EQ(run.Result(), 0);
}

// Registers a stand-in browser for ".html" in the classes root (Wine's does not merge the user's classes)
// and puts back what was there before.
class StandInBrowser {
public:
  StandInBrowser() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ".html", 0, KEY_READ, &key) == ERROR_SUCCESS) {
      char value[512] = {};
      DWORD size = sizeof(value) - 1;
      hadHtml_ = true;
      if (RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS)
        previousClass_ = value;
      RegCloseKey(key);
    }
    SetDefault(".html", "VelkorTestPage");
    SetDefault("VelkorTestPage\\Shell\\Open\\Command", "\"" + Program() + "\" \"%1\"");
    DeleteFileA(Log().c_str());
  }
  ~StandInBrowser() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "VelkorTestPage");
    if (hadHtml_)
      SetDefault(".html", previousClass_);
    else
      RegDeleteTreeA(HKEY_CLASSES_ROOT, ".html");
    DeleteFileA(Log().c_str());
  }
  StandInBrowser(const StandInBrowser&) = delete;
  StandInBrowser& operator=(const StandInBrowser&) = delete;
  static std::string Program() { return ui::ProgramFolder() + "browser_stub.exe"; }
  static std::string Log() { return ui::ProgramFolder() + "browser_stub.log"; }

private:
  static void SetDefault(const char* path, const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
      return;
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
  }
  bool hadHtml_ = false;
  std::string previousClass_;
};

bool BrowserOpened(const char* address) {
  return ui::WaitUntil([=] { return ReadFileText(StandInBrowser::Log()).find(address) != std::string::npos; });
}

TEST(CreditLink, OpensItsAddressInTheBrowserAndDropsStayOnTop) {
  const StandInBrowser browser;
  ASSERT_EQ(std::string(GetAssociatedProgram("html").c_str()), StandInBrowser::Program());
  Arguments arguments;
  arguments.stayOnTop = 1;
  DialogRun run(arguments, false);
  HWND background = run.background();
  ASSERT_NE(background, nullptr);
  EXPECT_TRUE(ui::IsTopMost(background));
  ASSERT_TRUE(ui::MouseClick(run.BackgroundControl(kCreditLinkCoAuthor)));
  ASSERT_TRUE(BrowserOpened("http://www.dorvanix.example/xk/"));
  EXPECT_FALSE(ui::IsTopMost(background));
  // The link keeps working while the dialog is up, and the stay-on-top state does not come back.
  ASSERT_NE(run.WaitDialog(), nullptr);
  DeleteFileA(StandInBrowser::Log().c_str());
  ASSERT_TRUE(ui::MouseClick(run.BackgroundControl(kCreditLinkAuthor)));
  ASSERT_TRUE(BrowserOpened("http://www.dorvanix.example/qz/"));
  EXPECT_FALSE(ui::IsTopMost(background));
  EXPECT_EQ(run.CloseBackgroundAndResult(), 0);
}

}  // namespace
