#include <gtest/gtest.h>

#include "tests/support/ui_driver.h"

namespace {

// Starts the target with one argument and finds its window; the process is killed if a test fails midway.
struct Target {
  ui::Process process;
  HWND window = nullptr;
  explicit Target(const std::string& title) {
    process = ui::ProcessStart(ui::ProgramFolder() + "driver_target.exe", ui::QuoteArgument(title));
    if (process.started()) window = ui::WaitTopWindow("DriverTargetClass", title.c_str(), process.id());
  }
  ~Target() { process.Kill(); }
};

TEST(UiDriver, QuotedArgumentsArriveUnchanged) {
  // The target's title is its first argument, so a round trip through its command line shows the quoting.
  for (const std::string title : {"plain", "mit Leer zeichen", "end\\\\", "a\"b", "C:\\Pfad mit\\"}) {
    Target target(title);
    ASSERT_NE(target.window, nullptr) << title;
    EXPECT_EQ(ui::TextOf(target.window), title);
  }
}

TEST(UiDriver, FindsControlsAndReadsTheirState) {
  Target target("Lesen");
  ASSERT_NE(target.window, nullptr);
  EXPECT_EQ(ui::FindTopWindow("DriverTargetClass", "Lesen", target.process.id() + 1), nullptr);

  HWND press = ui::FindChild(target.window, "button", "Press");
  ASSERT_NE(press, nullptr);
  EXPECT_EQ(ui::IdOf(press), 10);
  EXPECT_EQ(ui::FindChildById(target.window, 10), press);
  EXPECT_TRUE(ui::IsEnabled(press));
  EXPECT_TRUE(ui::IsShown(press));
  const RECT rect = ui::RectIn(press, target.window);
  EXPECT_EQ(rect.left, 10);
  EXPECT_EQ(rect.top, 10);
  EXPECT_EQ(rect.right - rect.left, 80);
  EXPECT_EQ(rect.bottom - rect.top, 24);

  // The check box sits in a nested child: found among all descendants, placed relative to its parent.
  HWND check = ui::FindChildById(target.window, 12);
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(ui::TextOf(check), "Haken");
  EXPECT_EQ(ui::RectIn(check, GetParent(check)).left, 5);
  EXPECT_EQ(ui::CheckStateOf(check), 0);
  EXPECT_TRUE(ui::Click(check));
  EXPECT_EQ(ui::CheckStateOf(check), 1);
  EXPECT_TRUE(ui::Click(check));
  EXPECT_EQ(ui::CheckStateOf(check), 0);
}

TEST(UiDriver, DisabledControlCannotBeClicked) {
  Target target("Gesperrt");
  ASSERT_NE(target.window, nullptr);
  HWND off = ui::FindChild(target.window, "Button", "Off");
  ASSERT_NE(off, nullptr);
  EXPECT_FALSE(ui::IsEnabled(off));
  EXPECT_FALSE(ui::Click(off));
  EXPECT_FALSE(ui::PostClick(off));
  EXPECT_FALSE(ui::MouseClick(off));
}

TEST(UiDriver, AnswersMessageBoxAndSeesTheProcessEnd) {
  for (int button : {IDOK, IDCANCEL}) {
    Target target("Box");
    ASSERT_NE(target.window, nullptr);
    ASSERT_TRUE(ui::PostClick(ui::FindChildById(target.window, 10)));
    ui::MessageBoxInfo box;
    ASSERT_TRUE(ui::WaitMessageBox(target.process.id(), &box));
    EXPECT_EQ(box.title, "Hinweis");
    EXPECT_EQ(box.text, "Zeile eins\rZeile zwei");
    ASSERT_TRUE(ui::AnswerMessageBox(box, button));
    DWORD code = 0;
    ASSERT_TRUE(target.process.Wait(ui::kDefaultTimeoutMs, &code));
    EXPECT_EQ(code, static_cast<DWORD>(10 + button));
  }
}

TEST(UiDriver, CloseRequestEndsTheTargetAndWaitsAreBounded) {
  Target target("Zu");
  ASSERT_NE(target.window, nullptr);
  DWORD code = 0;
  const DWORD start = GetTickCount();
  EXPECT_FALSE(target.process.Wait(300, &code));
  EXPECT_GE(GetTickCount() - start, 250u);
  EXPECT_EQ(ui::WaitTopWindow("DriverTargetClass", "nicht da", target.process.id(), true, 200), nullptr);
  ui::RequestClose(target.window);
  EXPECT_TRUE(ui::WaitWindowGone(target.window));
  ASSERT_TRUE(target.process.Wait(ui::kDefaultTimeoutMs, &code));
  EXPECT_EQ(code, 10u);
}

TEST(UiDriver, ScreenshotIsAPngOfTheDisplay) {
  Target target("Bild");
  ASSERT_NE(target.window, nullptr);
  ASSERT_TRUE(ui::SaveScreenshot("ui_driver_target"));
  const std::string file = "Z:" + ui::ScreenshotFolder() + "/ui_driver_target.png";
  HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  unsigned char header[24] = {};
  DWORD read = 0;
  ReadFile(handle, header, sizeof(header), &read, nullptr);
  CloseHandle(handle);
  ASSERT_EQ(read, sizeof(header));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(header + 1), 3), "PNG");
  // Width and height of the image header equal the screen's.
  const int width = header[16] << 24 | header[17] << 16 | header[18] << 8 | header[19];
  const int height = header[20] << 24 | header[21] << 16 | header[22] << 8 | header[23];
  EXPECT_EQ(width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(height, GetSystemMetrics(SM_CYSCREEN));
}

TEST(UiDriver, ReadsScreenPixelsOfAnotherProcessWindow) {
  Target target("Farbe");
  ASSERT_NE(target.window, nullptr);
  ui::WaitUntil([&] { return ui::PixelAt(target.window, 250, 150) == static_cast<long>(GetSysColor(COLOR_BTNFACE)); },
                3000);
  EXPECT_EQ(ui::PixelAt(target.window, 250, 150), static_cast<long>(GetSysColor(COLOR_BTNFACE)));
}

}  // namespace
