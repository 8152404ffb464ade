// The setup dialog driven in a separate process as a user would drive it: windows found by title and class,
// options clicked, texts, states, positions and screen pixels read.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/colours.h"
#include "setup/object_numbers.h"
#include "tests/support/ui_driver.h"
#include "tests/win32/setup_dialog/dialog_run.h"

namespace {

// The dialog acts on a click in its event loop, a moment after the control itself has taken it.
bool Becomes(const std::function<bool()>& condition) { return ui::WaitUntil(condition, 3000); }
bool BecomesEnabled(HWND control) { return Becomes([=] { return ui::IsEnabled(control); }); }
bool BecomesDisabled(HWND control) { return Becomes([=] { return !ui::IsEnabled(control); }); }

RECT RectInParent(HWND control) { return ui::RectIn(control, GetParent(control)); }

void ExpectRect(HWND control, int x, int y, int width, int height) {
  const RECT rect = RectInParent(control);
  EXPECT_EQ(rect.left, x) << ui::IdOf(control);
  EXPECT_EQ(rect.top, y) << ui::IdOf(control);
  EXPECT_EQ(rect.right - rect.left, width) << ui::IdOf(control);
  EXPECT_EQ(rect.bottom - rect.top, height) << ui::IdOf(control);
}

bool Near(long colour, uint32_t expected, int tolerance) {
  if (colour < 0) return false;
  const auto c = static_cast<uint32_t>(colour);
  return std::abs(static_cast<int>(RedOf(c)) - static_cast<int>(RedOf(expected))) <= tolerance &&
         std::abs(static_cast<int>(GreenOf(c)) - static_cast<int>(GreenOf(expected))) <= tolerance &&
         std::abs(static_cast<int>(BlueOf(c)) - static_cast<int>(BlueOf(expected))) <= tolerance;
}

// Whether some screen pixel of the control's client area has this colour.
bool ShowsColour(HWND control, uint32_t colour, int step = 1) {
  const SIZE size = ui::ClientSizeOf(control);
  for (int y = 0; y < size.cy; y += step)
    for (int x = 0; x < size.cx; x += step)
      if (ui::PixelAt(control, x, y) == static_cast<long>(colour)) return true;
  return false;
}

TEST(SetupDialog, FirstInstallShowsThePageAndReturnsInstall) {
  DialogRun run({});
  ASSERT_NE(run.background(), nullptr);
  // Window 0: maximised, caption with system menu, not on top, the credit links in its corner.
  EXPECT_TRUE(IsZoomed(run.background()));
  EXPECT_EQ(ui::StyleOf(run.background()) & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
  EXPECT_FALSE(ui::IsTopMost(run.background()));
  EXPECT_EQ(ui::TextOf(run.BackgroundControl(kCreditLinkAuthor)), "setup     by QZ");
  EXPECT_EQ(ui::TextOf(run.BackgroundControl(kCreditLinkCoAuthor)), "powered by XK");
  ExpectRect(run.BackgroundControl(kCreditLinkAuthor), 4, 22, 80, 10);
  ExpectRect(run.BackgroundControl(kCreditLinkCoAuthor), 4, 32, 80, 10);
  ExpectRect(run.BackgroundControl(kWelcomeLabel), 40, 120, GetSystemMetrics(SM_CXSCREEN) - 50, 40);
  // Each credit link carries its own address as its tool tip.
  const std::vector<ui::ToolTip> tips = ui::ToolTipsOf(run.process().id());
  ASSERT_EQ(tips.size(), 2u);
  std::map<HWND, std::string> tipOf;
  for (const ui::ToolTip& tip : tips) tipOf[tip.tool] = tip.text;
  EXPECT_EQ(tipOf[run.BackgroundControl(kCreditLinkAuthor)], "http://www.dorvanix.example/qz/");
  EXPECT_EQ(tipOf[run.BackgroundControl(kCreditLinkCoAuthor)], "http://www.dorvanix.example/xk/");

  HWND dialog = run.WaitDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ui::TextOf(run.BackgroundControl(kWelcomeLabel)), "Willkommen zum Setup von:");
  // The dialog: fixed size, caption without system menu, owned by window 0, centred on the screen.
  EXPECT_EQ(ui::OwnerOf(dialog), run.background());
  EXPECT_EQ(ui::StyleOf(dialog) & (WS_CAPTION | WS_SYSMENU), WS_CAPTION);
  const SIZE client = ui::ClientSizeOf(dialog);
  EXPECT_EQ(client.cx, 482);
  EXPECT_EQ(client.cy, 314);
  const RECT outer = ui::RectIn(dialog, nullptr);
  EXPECT_NEAR((outer.left + outer.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((outer.top + outer.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

  EXPECT_EQ(ui::TextOf(run.Control(kProgramLine)), "Programm: Velkor_400");
  EXPECT_EQ(ui::TextOf(run.Control(kSetupVersionLine)), "Setup-Version\t\t: 000.001.007");
  EXPECT_EQ(ui::TextOf(run.Control(kSetupDateLine)), "Versionsdatum\t\t: 13.09.2007");
  EXPECT_EQ(ui::TextOf(run.Control(kCopyrightLine)), "Copyright Dorvanix");
  EXPECT_EQ(ui::TextOf(run.Control(kInstalledVersionLine)), "Installierte Version\t: nicht angegeben / installiert");
  EXPECT_EQ(ui::TextOf(run.Control(kInstalledDateLine)), "Versionsdatum\t\t:");
  EXPECT_EQ(ui::TextOf(run.Control(kHintLine)), "Bitte eine Option wählen ...");
  EXPECT_EQ(ui::TextOf(run.Control(kWebAddressLine)), "http://www.dorvanix.example");
  EXPECT_EQ(ui::TextOf(run.Control(kUpdateOption)), "UpDate installieren");

  // Layout: the panel beside the picture, its controls placed relative to it.
  ExpectRect(run.Control(kPicture), 0, 0, 110, 300);
  EXPECT_EQ(run.Control(kPicturePlaceholder), nullptr);
  ExpectRect(run.Control(kInformationPanel), 112, 0, 369, 300);
  EXPECT_EQ(GetParent(run.Control(kProgramLine)), run.Control(kInformationPanel));
  ExpectRect(run.Control(kProgramLine), 4, 6, 350, 18);
  ExpectRect(run.Control(kInstallOption), 10, 160, 90, 18);
  ExpectRect(run.Control(kUpdateOption), 10, 184, 140, 18);
  ExpectRect(run.Control(kUninstallOption), 10, 208, 110, 18);
  ExpectRect(run.Control(kShortcutOption), 10, 234, 200, 18);
  ExpectRect(run.Control(kContinueButton), 10, 266, 100, 24);
  ExpectRect(run.Control(kCancelButton), 260, 266, 100, 24);
  ExpectRect(run.Control(kHintLine), 4, 140, 200, 14);
  ExpectRect(run.Control(kWebAddressLine), 0, 300, 370, 14);
  EXPECT_EQ(GetParent(run.Control(kWebAddressLine)), dialog);
  EXPECT_EQ(GetParent(run.Control(kRefusalMessage)), run.Control(kRefusalPanel));
  EXPECT_FALSE(ui::IsShown(run.Control(kRefusalPanel)));

  // Only install can be chosen; "Weiter" waits for it.
  EXPECT_TRUE(ui::IsEnabled(run.Control(kInstallOption)));
  EXPECT_FALSE(ui::IsEnabled(run.Control(kUpdateOption)));
  EXPECT_FALSE(ui::IsEnabled(run.Control(kUninstallOption)));
  EXPECT_FALSE(ui::IsEnabled(run.Control(kShortcutOption)));
  EXPECT_FALSE(ui::IsEnabled(run.Control(kContinueButton)));
  EXPECT_FALSE(ui::Click(run.Control(kContinueButton)));
  ASSERT_TRUE(ui::Click(run.Control(kInstallOption)));
  EXPECT_EQ(ui::CheckStateOf(run.Control(kInstallOption)), 1);
  EXPECT_TRUE(BecomesEnabled(run.Control(kContinueButton)));
  EXPECT_FALSE(ui::IsEnabled(run.Control(kShortcutOption))) << "offerShortcut 0 never offers the box";

  // A close request for the dialog changes nothing.
  ui::RequestClose(dialog);
  Sleep(300);
  EXPECT_TRUE(ui::IsShown(dialog));

  ASSERT_TRUE(ui::Click(run.Control(kContinueButton)));
  // After the result window 0 is still open, with the full line; the dialog is hidden.
  EXPECT_TRUE(ui::WaitWindowGone(dialog, true));
  EXPECT_TRUE(ui::IsShown(run.background()));
  EXPECT_EQ(ui::TextOf(run.BackgroundControl(kWelcomeLabel)), "Willkommen zum Setup von:");
  const SIZE background = ui::ClientSizeOf(run.background());
  EXPECT_EQ(ui::PixelAt(run.background(), background.cx - 3, 0), static_cast<long>(ColourOf(0, 153, 204)));
  EXPECT_EQ(ui::PixelAt(run.background(), background.cx - 3, background.cy - 1), static_cast<long>(ColourOf(0, 1, 1)));
  EXPECT_EQ(run.CloseBackgroundAndResult(), 1);
}

// One installed copy, one action chosen: the label and width of the update option and the result.
struct ActionCase {
  const char* name;
  const char* installedVersion;
  const char* installedDate;
  int noUninstall;
  int option;
  const char* updateLabel;
  int updateWidth;
  int result;
  const char* screenshot;
};

class InstalledCopy : public testing::TestWithParam<ActionCase> {};

TEST_P(InstalledCopy, OffersTheFittingActions) {
  const ActionCase& c = GetParam();
  Arguments arguments;
  arguments.installedVersion = c.installedVersion;
  arguments.installedDate = c.installedDate;
  arguments.noUninstall = c.noUninstall;
  DialogRun run(arguments);
  ASSERT_NE(run.WaitDialog(), nullptr);
  EXPECT_EQ(ui::TextOf(run.Control(kInstalledVersionLine)),
            std::string("Installierte Version\t: 000.001.00") + c.installedVersion[3]);
  EXPECT_EQ(ui::TextOf(run.Control(kInstalledDateLine)), std::string("Versionsdatum\t\t: ") + c.installedDate);
  HWND update = run.Control(kUpdateOption);
  EXPECT_EQ(ui::TextOf(update), c.updateLabel);
  ExpectRect(update, 10, 184, c.updateWidth, 18);
  EXPECT_FALSE(ui::IsEnabled(run.Control(kInstallOption)));
  EXPECT_TRUE(ui::IsEnabled(update));
  EXPECT_EQ(ui::IsEnabled(run.Control(kUninstallOption)), c.noUninstall == 0);
  if (c.noUninstall) {
    EXPECT_FALSE(ui::Click(run.Control(kUninstallOption)));
  }
  EXPECT_FALSE(ui::IsEnabled(run.Control(kContinueButton)));
  ASSERT_TRUE(ui::Click(run.Control(c.option)));
  EXPECT_TRUE(BecomesEnabled(run.Control(kContinueButton)));
  if (c.screenshot) {
    EXPECT_TRUE(ui::SaveScreenshot(c.screenshot));
  }
  ASSERT_TRUE(ui::Click(run.Control(kContinueButton)));
  EXPECT_EQ(run.CloseBackgroundAndResult(), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, InstalledCopy,
    testing::Values(
        ActionCase{"Repair", "1007", "13.09.2007", 1, kUpdateOption,
                   "reparieren (Setup-Version gleich der installierten)", 340, 3, "setup_dialog_repair"},
        ActionCase{"TimestampUpdate", "1007", "12.09.2007", 1, kUpdateOption,
                   "aktualisieren (Zeitstempelunterschied)", 290, 4, nullptr},
        ActionCase{"PlainUpdate", "1006", "13.09.2007", 1, kUpdateOption, "UpDate installieren", 140, 2, nullptr},
        ActionCase{"Uninstall", "1006", "01.01.2007", 0, kUninstallOption, "UpDate installieren", 140, 5,
                   nullptr}),
    [](const testing::TestParamInfo<ActionCase>& info) { return info.param.name; });

struct RefusalCase {
  const char* name;
  const char* installedVersion;
  const char* installedDate;
  const char* message;
  const char* screenshot;
};

class Refusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, LeavesOnlyAbbruch) {
  const RefusalCase& c = GetParam();
  Arguments arguments;
  arguments.installedVersion = c.installedVersion;
  arguments.installedDate = c.installedDate;
  arguments.noUninstall = 0;
  arguments.offerShortcut = 1;
  DialogRun run(arguments, false);
  HWND dialog = run.WaitDialog();
  ASSERT_NE(dialog, nullptr);
  HWND message = run.Control(kRefusalMessage);
  EXPECT_EQ(ui::TextOf(message), c.message);
  EXPECT_TRUE(ui::IsShown(run.Control(kRefusalPanel)));
  EXPECT_TRUE(ui::IsShown(message));
  for (int hidden : {kInstallOption, kUpdateOption, kUninstallOption, kShortcutOption, kFrameD})
    EXPECT_FALSE(ui::IsShown(run.Control(hidden))) << hidden;
  EXPECT_FALSE(ui::IsEnabled(run.Control(kUpdateOption)));
  EXPECT_FALSE(ui::IsEnabled(run.Control(kUninstallOption)));
  EXPECT_FALSE(ui::IsEnabled(run.Control(kContinueButton)));
  EXPECT_FALSE(ui::Click(run.Control(kContinueButton)));
  // Magenta text on light green.
  const uint32_t green = ColourOf(225, 245, 170);
  ui::WaitUntil([&] { return ui::PixelAt(message, 338, 80) == static_cast<long>(green); }, 3000);
  EXPECT_EQ(ui::PixelAt(message, 338, 80), static_cast<long>(green));
  EXPECT_TRUE(ShowsColour(message, ColourOf(255, 0, 255)));
  if (c.screenshot) {
    EXPECT_TRUE(ui::SaveScreenshot(c.screenshot));
  }
  ASSERT_TRUE(ui::Click(run.Control(kCancelButton)));
  EXPECT_EQ(run.Result(), 0);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_FALSE(IsWindow(run.background()));
}

INSTANTIATE_TEST_SUITE_P(
    Versions, Refusal,
    testing::Values(
        RefusalCase{"SameVersionInstalledLater", "1007", "14.09.2007",
                    "Das Setupdatum ist jünger als das der bereits installierten Version und die Versionsnummer "
                    "ist gleich der Installierten.\r\rDer Vorgang wird abgebrochen.",
                    "setup_dialog_refusal"},
        RefusalCase{"HigherVersionInstalled", "1008", "01.01.2000",
                    "Die Setupversion ist älter als eine bereits installierte Version.\r\rDer Vorgang wird "
                    "abgebrochen.",
                    nullptr},
        RefusalCase{"OlderVersionInstalledLater", "1006", "14.09.2007",
                    "Das Setupdatum ist jünger als das der bereits installierten Version und die Versionsnummer "
                    "ist größer als die Installierte.\r\rDer Vorgang wird abgebrochen.",
                    nullptr}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(SetupDialog, OfferedShortcutKeepsItsCheckMarkWhileUpdateIsSelected) {
  Arguments arguments;
  arguments.offerShortcut = 1;
  DialogRun run(arguments);
  ASSERT_NE(run.WaitDialog(), nullptr);
  HWND shortcut = run.Control(kShortcutOption);
  EXPECT_FALSE(ui::IsEnabled(shortcut));
  ASSERT_TRUE(ui::Click(run.Control(kInstallOption)));
  EXPECT_TRUE(BecomesEnabled(shortcut));
  ASSERT_TRUE(ui::Click(shortcut));
  EXPECT_EQ(ui::CheckStateOf(shortcut), 1);
  // With nothing installed the update option is unavailable; it is made usable here from outside so that the
  // rule for switching between install and update can be exercised.
  HWND update = run.Control(kUpdateOption);
  EnableWindow(update, TRUE);
  ASSERT_TRUE(ui::Click(update));
  EXPECT_TRUE(BecomesDisabled(shortcut));
  EXPECT_EQ(ui::CheckStateOf(shortcut), 1);
  EXPECT_TRUE(ui::IsEnabled(run.Control(kContinueButton)));
  ASSERT_TRUE(ui::Click(run.Control(kInstallOption)));
  EXPECT_TRUE(BecomesEnabled(shortcut));
  EXPECT_EQ(ui::CheckStateOf(shortcut), 1);
  ASSERT_TRUE(ui::Click(run.Control(kContinueButton)));
  EXPECT_EQ(run.CloseBackgroundAndResult(), 6);
}

TEST(SetupDialog, ClosingTheBackgroundWhileTypingReturnsZero) {
  DialogRun run({}, false);
  ASSERT_NE(run.background(), nullptr);
  HWND label = run.BackgroundControl(kWelcomeLabel);
  ASSERT_NE(label, nullptr);
  // The close is posted the moment a partly typed line is seen; posted messages are taken before the next
  // timer tick, so it arrives while the line is still being typed, however slowly this test is scheduled.
  std::string typed;
  ASSERT_TRUE(ui::WaitUntil([&] {
    typed = ui::TextOf(label);
    if (typed.empty() || typed.size() >= 25) return false;
    ui::RequestClose(run.background());
    return true;
  }));
  EXPECT_EQ(typed, std::string("Willkommen zum Setup von:").substr(0, typed.size()));
  EXPECT_EQ(run.Result(), 0);
}

TEST(SetupDialog, ColourIndexesAreClampedAndStayOnTopCountsFromOne) {
  Arguments arguments;
  arguments.top = 300;
  arguments.bottom = -4;
  arguments.stayOnTop = 7;
  DialogRun run(arguments, false);
  ASSERT_NE(run.WaitDialog(), nullptr);
  EXPECT_TRUE(ui::IsTopMost(run.background()));
  // Palette entry 255 at the top, black approached at the bottom, at the right edge clear of all controls.
  const SIZE client = ui::ClientSizeOf(run.background());
  EXPECT_EQ(ui::PixelAt(run.background(), client.cx - 3, 0), static_cast<long>(ColourOf(10, 130, 220)));
  EXPECT_EQ(ui::PixelAt(run.background(), client.cx - 3, client.cy - 1), static_cast<long>(ColourOf(0, 1, 1)));
  ASSERT_TRUE(ui::Click(run.Control(kCancelButton)));
  EXPECT_EQ(run.Result(), 0);
}

TEST(SetupDialog, WithoutPictureTheGradientWithSetupIsShown) {
  Arguments arguments;
  arguments.picture = "none";
  DialogRun run(arguments, false);
  ASSERT_NE(run.WaitDialog(), nullptr);
  HWND picture = run.Control(kPicture);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(run.Control(kPicturePlaceholder), nullptr);
  ExpectRect(picture, 0, 0, 110, 300);
  ExpectRect(run.Control(kWebAddressLine), 0, 300, 370, 14);
  // The scaled gradient: palette blue at the top right (clear of the text), dark at the bottom.
  EXPECT_TRUE(Near(ui::PixelAt(picture, 105, 2), ColourOf(0, 153, 204), 8));
  EXPECT_TRUE(Near(ui::PixelAt(picture, 55, 298), ColourOf(0, 0, 0), 8));
  EXPECT_TRUE(ShowsColour(picture, ColourOf(255, 255, 255))) << "\"Setup\" in white";
  ASSERT_TRUE(ui::Click(run.Control(kCancelButton)));
  EXPECT_EQ(run.Result(), 0);
}

TEST(SetupDialog, CallersPictureIsScaledToTheFrame) {
  Arguments arguments;
  arguments.picture = "picture";
  DialogRun run(arguments, false);
  ASSERT_NE(run.WaitDialog(), nullptr);
  HWND picture = run.Control(kPicture);
  ASSERT_NE(picture, nullptr);
  ExpectRect(picture, 0, 0, 110, 300);
  for (POINT at : {POINT{1, 1}, POINT{108, 298}, POINT{55, 150}})
    EXPECT_EQ(ui::PixelAt(picture, at.x, at.y), static_cast<long>(ColourOf(200, 30, 40))) << at.x << "," << at.y;
  ASSERT_TRUE(ui::Click(run.Control(kCancelButton)));
  EXPECT_EQ(run.Result(), 0);
}

}  // namespace
