// The setup dialog in this process, so that each control's own font can be measured, with a helper thread as the
// user.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "platform/window_services.h"
#include "setup/object_numbers.h"
#include "setup/setup_dialog.h"
#include "tests/support/driver.h"
#include "tests/support/imports.h"

namespace {

// SetTimer as it fails when no timer is left.
UINT_PTR WINAPI RefusedTimer(HWND, UINT_PTR, UINT, TIMERPROC) { return 0; }

// Shown texts that do not fit their control, measured with its own font as statics and buttons draw them (tabs
// expanded, broken at words): a line too wide wraps and outgrows the control's height. Options and check boxes
// lose the width of their glyph and a gap.
std::string Clipped(HWND dialog) {
  std::string clipped;
  const HDC dc = GetDC(nullptr);
  for (HWND control : ui::Children(dialog)) {
    const std::string text = ui::TextOf(control);
    if (text.empty() || !IsWindowVisible(control)) continue;
    const LONG kind = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    const bool glyph = lstrcmpiA(className, "Button") == 0 && (kind == BS_AUTORADIOBUTTON || kind == BS_AUTOCHECKBOX);
    RECT client{};
    GetClientRect(control, &client);
    const LONG width = client.right - (glyph ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0);
    RECT needed{0, 0, width, 0};
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, previous);
    if (needed.right > width || needed.bottom > client.bottom) clipped += "[" + text + "] ";
  }
  ReleaseDC(nullptr, dc);
  return clipped;
}

// Acts as the user: once "Weiter" is disabled (the option state rule runs after the version assessment) reads the
// welcome line and measures the page, then cancels; closes window 0 when the page never comes.
bool ActAsUser(std::string* welcomeLine, std::string* clipped) {
  const HWND background = ui::WaitTopWindow(GetCurrentProcessId(), "WindowClass_0", "SETUP");
  const HWND dialog = ui::WaitWindow(GetCurrentProcessId(), nullptr, [&](HWND window) {
    return GetWindow(window, GW_OWNER) == background && ui::ChildWithId(window, kCancelButton) &&
           !IsWindowEnabled(ui::ChildWithId(window, kContinueButton));
  });
  if (dialog) {
    *welcomeLine = ui::TextOf(ui::ChildWithId(background, kWelcomeLabel));
    *clipped = Clipped(dialog);
    ui::Click(ui::ChildWithId(dialog, kCancelButton));
  } else if (background) {
    PostMessageA(background, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  return dialog != nullptr;
}

struct PageCase {
  const char* name;
  int32_t installedVersion;
  const char* installedDate;
  bool timersRefused;
  friend void PrintTo(const PageCase& c, std::ostream* out) { *out << c.name; }
};

class SetupPage : public testing::TestWithParam<PageCase> {};

TEST_P(SetupPage, OpensWithTheWholeWelcomeLineAndEveryTextFits) {
  const PageCase& c = GetParam();
  void** const slot = ImportSlot("SetTimer");
  ASSERT_NE(slot, nullptr);
  void* const setTimer = Redirect(slot, c.timersRefused ? reinterpret_cast<void*>(&RefusedTimer) : *slot);
  ServicesStart();
  bool built = false;
  std::string welcomeLine;
  std::string clipped;
  std::thread user([&] { built = ActAsUser(&welcomeLine, &clipped); });
  const int32_t result = ShowSetupDialog({.title = "Velkor_400",
                                          .setupVersion = 1007,
                                          .setupDate = "13.09.2007",
                                          .webAddress = "http://www.dorvanix.example/velkor400/",
                                          .installedVersion = c.installedVersion,
                                          .installedDate = c.installedDate,
                                          .topColourIndex = 112,
                                          .noUninstall = 1});
  user.join();
  Redirect(slot, setTimer);
  ASSERT_TRUE(built);
  EXPECT_EQ(welcomeLine, "Willkommen zum Setup von:");
  EXPECT_EQ(clipped, "");
  EXPECT_EQ(result, 0);
}

// Every label the page can show: the three options, both relabelled updates and the two long refusals.
INSTANTIATE_TEST_SUITE_P(Pages, SetupPage,
                         testing::Values(PageCase{"Typed", 0, "", false}, PageCase{"NoTimer", 0, "", true},
                                         PageCase{"Repair", 1007, "13.09.2007", true},
                                         PageCase{"Timestamp", 1007, "12.09.2007", true},
                                         PageCase{"SameVersionNewerDate", 1007, "14.09.2007", true},
                                         PageCase{"NewerVersionNewerDate", 1006, "14.09.2007", true}));

}  // namespace
