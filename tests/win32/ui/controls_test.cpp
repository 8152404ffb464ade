// Controls of every kind on a real window: classes, styles, identifiers, fonts, groups, states and texts.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>

#include "platform/window_services.h"
#include "ui_support.h"

namespace {
class Controls : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_NE(WindowOpen(40, 50, 50, 482, 314, "Steuerelemente", WS_CAPTION | WS_SYSMENU, nullptr), 0);
    ASSERT_EQ(ControlListBegin(WindowHandle(40)), WindowHandle(40));
  }
  void TearDown() override {
    ControlSetFont(-1, -1);
    WindowClose(40);
    DrainEvents();
  }
};

HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)); }

// Pixels of the window's client area inside the control that match the predicate.
template <typename Match>
int CountPixels(HWND control, Match match) {
  UpdateWindow(GetParent(control));
  UpdateWindow(control);
  RECT rect;
  GetClientRect(control, &rect);
  HDC dc = GetDC(control);
  int count = 0;
  for (int y = 0; y < rect.bottom; ++y)
    for (int x = 0; x < rect.right; ++x)
      if (match(GetPixel(dc, x, y))) ++count;
  ReleaseDC(control, dc);
  return count;
}
}  // namespace

TEST_F(Controls, ClassesStylesIdentifiersAndDefaultFont) {
  struct Expected {
    int number;
    const char* className;
    DWORD style;
  };
  CreationStyles created;
  ASSERT_NE(ButtonCreate(50, 10, 10, 100, 24, "Weiter"), 0);
  ASSERT_NE(TextCreate(51, 10, 40, 100, 18, "Text"), 0);
  ASSERT_NE(FrameCreate(52, 2, 20, 364, 70, ""), 0);
  ASSERT_NE(CheckBoxCreate(53, 10, 70, 200, 18, "Desktop Shortcut erstellen"), 0);
  ASSERT_NE(EditorCreate(54, 10, 100, 280, 100, 2048), 0);
  HBITMAP bitmap = CreateBitmap(20, 30, 1, 32, nullptr);
  ASSERT_NE(ImageControlCreate(55, 300, 10, 20, 30, bitmap), 0);
  ASSERT_NE(LinkCreate(56, 300, 100, 80, 12, "powered by XK", RGB(255, 0, 0)), 0);
  const Expected expected[] = {
      {50, "Button", 0x50030000},      {51, "Static", 0x50020000},     {52, "Button", 0x50020007},
      {53, "Button", 0x50030003},      {54, "RichEdit20A", 0x503119C4}, {55, "Static", 0x5000010E},
      {56, "Static", WS_CHILD | WS_VISIBLE},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.number);
    const HWND control = ControlHandle(e.number);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetParent(control), WindowHandle(40));
    EXPECT_EQ(GetDlgCtrlID(control), e.number);
    EXPECT_EQ(ui::ClassOf(control), e.className);
    EXPECT_EQ(created.Style(control), e.style);
    // The rich edit keeps its font as character format; a bitmap static has none.
    if (e.number != 54 && e.number != 55) {
      EXPECT_EQ(FontOf(control), GetStockObject(DEFAULT_GUI_FONT));
    }
  }
  EXPECT_NE(created.ExStyle(ControlHandle(54)) & WS_EX_CLIENTEDGE, 0u);
  LOGFONTA guiFont{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof guiFont, &guiFont);
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  SendMessageA(ControlHandle(54), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  EXPECT_STREQ(format.szFaceName, guiFont.lfFaceName);
  EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageA(ControlHandle(55), STM_GETIMAGE, IMAGE_BITMAP, 0)), bitmap);
  ControlSetText(54, "Starte die Installation ...\r\rLibrary entpackt");
  ASSERT_NE(OptionCreate(57, 130, 10, 120, 18, "installieren"), 0);
  ASSERT_NE(OptionCreate(58, 130, 30, 150, 18, "UpDate installieren"), 0);
  ControlSetState(58, 1);
  DrainEvents();
  WindowClose(40);
  DeleteObject(bitmap);
}

TEST_F(Controls, ContainerFlagsBecomeBordersAndContainerIsCurrentParent) {
  struct Case {
    uint32_t flags;
    DWORD style;
    DWORD exStyle;
  };
  const Case cases[] = {{0, 0, 0}, {1, WS_BORDER, 0}, {2, WS_DLGFRAME, 0}, {12, 0, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE},
                        {5, WS_BORDER, 0}};
  int number = 60;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flags);
    ASSERT_NE(ContainerCreate(number, 0, 0, 100, 50, c.flags), 0);
    const HWND container = ControlHandle(number);
    EXPECT_EQ(StyleOf(container) & (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_DLGFRAME),
              static_cast<DWORD>(WS_CHILD | WS_VISIBLE) | c.style);
    EXPECT_EQ(ExStyleOf(container) & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE), c.exStyle);
    ASSERT_NE(TextCreate(number + 100, 1, 1, 50, 10, "in"), 0);
    EXPECT_EQ(GetParent(ControlHandle(number + 100)), container);
    ControlListEnd();
    ++number;
  }
  // Back at the window after the last ControlListEnd; a surplus ControlListEnd keeps it.
  ControlListEnd();
  ASSERT_NE(TextCreate(70, 1, 1, 50, 10, "außen"), 0);
  EXPECT_EQ(GetParent(ControlHandle(70)), WindowHandle(40));
  EXPECT_EQ(ControlListBegin(nullptr), nullptr);
  ASSERT_NE(TextCreate(71, 1, 1, 50, 10, "noch außen"), 0);
  EXPECT_EQ(GetParent(ControlHandle(71)), WindowHandle(40));
}

TEST_F(Controls, OptionRunsFormGroupsAndAnyOtherControlStartsANewOne) {
  ASSERT_NE(OptionCreate(80, 10, 10, 120, 18, "installieren"), 0);
  ASSERT_NE(OptionCreate(81, 10, 30, 120, 18, "UpDate installieren"), 0);
  ASSERT_NE(OptionCreate(82, 10, 50, 120, 18, "deinstallieren"), 0);
  ASSERT_NE(TextCreate(83, 10, 70, 120, 18, "dazwischen"), 0);
  ASSERT_NE(OptionCreate(84, 10, 90, 120, 18, "ja"), 0);
  ASSERT_NE(OptionCreate(85, 10, 110, 120, 18, "nein"), 0);
  EXPECT_EQ(StyleOf(ControlHandle(80)), 0x50030009u);
  EXPECT_EQ(StyleOf(ControlHandle(81)), 0x50010009u);
  EXPECT_EQ(StyleOf(ControlHandle(82)), 0x50010009u);
  EXPECT_EQ(StyleOf(ControlHandle(84)), 0x50030009u);
  EXPECT_EQ(StyleOf(ControlHandle(85)), 0x50010009u);

  ControlSetState(80, 1);
  ControlSetState(84, 1);
  EXPECT_EQ(ControlState(80), 1);
  ControlSetState(81, 1);
  EXPECT_EQ(ControlState(80), 0);
  EXPECT_EQ(ControlState(81), 1);
  EXPECT_EQ(ControlState(84), 1);  // the other group is untouched
  ControlSetState(81, 0);
  EXPECT_EQ(ControlState(81), 0);

  // A click, handled by Windows itself, respects the same groups.
  ControlSetState(82, 1);
  PostMessageA(ControlHandle(85), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForEvent(kEventControl));
  EXPECT_EQ(EventControl(), 85);
  EXPECT_EQ(ControlState(85), 1);
  EXPECT_EQ(ControlState(84), 0);
  EXPECT_EQ(ControlState(82), 1);
  PostMessageA(ControlHandle(80), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForEvent(kEventControl));
  EXPECT_EQ(ControlState(80), 1);
  EXPECT_EQ(ControlState(82), 0);
  EXPECT_EQ(ControlState(85), 1);
}

TEST_F(Controls, CheckBoxTogglesOnClickAndByState) {
  ASSERT_NE(CheckBoxCreate(90, 10, 10, 200, 18, "Desktop Shortcut erstellen"), 0);
  EXPECT_EQ(ControlState(90), 0);
  PostMessageA(ControlHandle(90), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForEvent(kEventControl));
  EXPECT_EQ(EventControl(), 90);
  EXPECT_EQ(ControlState(90), 1);
  PostMessageA(ControlHandle(90), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForEvent(kEventControl));
  EXPECT_EQ(ControlState(90), 0);
  ControlSetState(90, 5);
  EXPECT_EQ(ControlState(90), 1);
  ControlSetState(90, 0);
  EXPECT_EQ(ControlState(90), 0);
}

TEST_F(Controls, ReadOnlyEditorKeepsItsTextButCanBeCopied) {
  ASSERT_NE(EditorCreate(100, 10, 10, 280, 230, 2048), 0);
  ASSERT_NE(EditorCreate(101, 300, 10, 150, 100, 0), 0);
  ControlSetText(100, "Starte die Installation ...\r\rLibrary entpackt");
  ControlSetText(101, "frei");
  const Text before = ControlText(100);
  EXPECT_EQ(before, Text("Starte die Installation ...\r\n\r\nLibrary entpackt"));
  for (int number : {100, 101}) {
    const HWND editor = ControlHandle(number);
    SetFocus(editor);
    SendMessageA(editor, EM_SETSEL, 0, 0);
    for (WPARAM key : {WPARAM('x'), WPARAM('y')}) PostMessageA(editor, WM_CHAR, key, 1);
    PostMessageA(editor, WM_KEYDOWN, VK_DELETE, 1);
    DrainEvents();
  }
  EXPECT_EQ(ControlText(100), before);
  EXPECT_EQ(ControlText(101), Text("xyrei"));  // the same keys change a writable editor

  SendMessageA(ControlHandle(100), EM_SETSEL, 0, 6);
  SendMessageA(ControlHandle(100), WM_COPY, 0, 0);
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_TEXT);
  ASSERT_NE(data, nullptr);
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), "Starte");
  GlobalUnlock(data);
  CloseClipboard();

  ControlSetText(100, "");
  EXPECT_EQ(ControlText(100), Text(""));
}

TEST_F(Controls, TextsAndResizeKeepingValues) {
  ASSERT_NE(TextCreate(140, 10, 10, 200, 18, "Bitte eine Option wählen ..."), 0);
  EXPECT_EQ(ControlText(140), Text("Bitte eine Option wählen ..."));
  ControlResize(140, kKeepValue, 30, kKeepValue, 40);
  ControlResize(140, 5, kKeepValue, 90, kKeepValue);
  RECT rect;
  GetWindowRect(ControlHandle(140), &rect);
  MapWindowPoints(nullptr, WindowHandle(40), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 5);
  EXPECT_EQ(rect.top, 30);
  EXPECT_EQ(rect.right - rect.left, 90);
  EXPECT_EQ(rect.bottom - rect.top, 40);
}

TEST_F(Controls, FontsPerControlAndAsDefaultForLaterControls) {
  HFONT font = CreateFontA(-14, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  ASSERT_NE(TextCreate(150, 0, 0, 50, 10, "vorher"), 0);
  ControlSetFont(-1, reinterpret_cast<intptr_t>(font));
  EXPECT_EQ(FontOf(ControlHandle(150)), GetStockObject(DEFAULT_GUI_FONT));
  ASSERT_NE(TextCreate(151, 0, 20, 50, 10, "nachher"), 0);
  EXPECT_EQ(FontOf(ControlHandle(151)), font);
  ControlSetFont(150, reinterpret_cast<intptr_t>(font));
  EXPECT_EQ(FontOf(ControlHandle(150)), font);
  ControlSetFont(151, -1);
  EXPECT_EQ(FontOf(ControlHandle(151)), GetStockObject(DEFAULT_GUI_FONT));
  ControlSetFont(-1, -1);
  ASSERT_NE(TextCreate(152, 0, 40, 50, 10, "wieder"), 0);
  EXPECT_EQ(FontOf(ControlHandle(152)), GetStockObject(DEFAULT_GUI_FONT));
  WindowClose(40);
  DeleteObject(font);
}

TEST_F(Controls, NumbersAreReplacedFreshOrAbsent) {
  ASSERT_NE(ButtonCreate(160, 0, 0, 50, 20, "alt"), 0);
  const HWND old = ControlHandle(160);
  const intptr_t result = ButtonCreate(160, 0, 0, 50, 20, "neu");
  EXPECT_EQ(result, reinterpret_cast<intptr_t>(ControlHandle(160)));
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(ControlText(160), Text("neu"));

  const intptr_t fresh = TextCreate(-1, 0, 30, 50, 20, "frisch");
  ASSERT_GE(fresh, 0x10000);
  EXPECT_EQ(GetDlgCtrlID(ControlHandle(static_cast<int>(fresh))), fresh);

  // Replacing a container takes the controls inside with it.
  ASSERT_NE(ContainerCreate(161, 0, 60, 100, 50, 0), 0);
  ASSERT_NE(TextCreate(162, 0, 0, 50, 20, "innen"), 0);
  ControlListEnd();
  ASSERT_NE(ContainerCreate(161, 0, 60, 100, 50, 0), 0);
  ControlListEnd();
  EXPECT_EQ(ControlHandle(162), nullptr);

  // Closing the window forgets its controls.
  WindowClose(40);
  EXPECT_EQ(ControlHandle(160), nullptr);
  EXPECT_EQ(ButtonCreate(163, 0, 0, 10, 10, "ohne Fenster"), 0);
}

TEST_F(Controls, OneToolTipWindowWithOneToolPerControl) {
  ASSERT_NE(ButtonCreate(170, 10, 10, 100, 24, "Tipp"), 0);
  ASSERT_NE(ContainerCreate(171, 10, 40, 200, 60, 0), 0);
  ASSERT_NE(LinkCreate(172, 5, 5, 80, 12, "setup     by QZ", RGB(255, 0, 0)), 0);
  ControlListEnd();
  ControlToolTip(170, "erster Tipp");
  ControlToolTip(170, "zweiter Tipp");
  ControlToolTip(172, "http://www.example.org");
  const HWND found = ThreadWindowOfClass(GetCurrentThreadId(), TOOLTIPS_CLASSA, false);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(StyleOf(found) & 0x80000003u, 0x80000003u);
  EXPECT_NE(ExStyleOf(found) & WS_EX_TOPMOST, 0u);
  EXPECT_EQ(SendMessageA(found, TTM_GETTOOLCOUNT, 0, 0), 2);

  char text[80] = {};
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = WindowHandle(40);
  tool.uId = reinterpret_cast<UINT_PTR>(ControlHandle(170));
  tool.lpszText = text;
  SendMessageA(found, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, "zweiter Tipp");
  // The link's tool belongs to its parent, the container.
  tool.hwnd = ControlHandle(171);
  tool.uId = reinterpret_cast<UINT_PTR>(ControlHandle(172));
  text[0] = 0;
  SendMessageA(found, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, "http://www.example.org");
}

TEST_F(Controls, LinkDrawsInParentColourHoverColourAndGrey) {
  HFONT font = CreateFontA(-24, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Arial");
  ControlSetFont(-1, reinterpret_cast<intptr_t>(font));
  ASSERT_NE(LinkCreate(180, 10, 10, 200, 30, "MMMMMMMM", RGB(255, 0, 0)), 0);
  const HWND link = ControlHandle(180);
  auto red = [](COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60; };
  auto black = [](COLORREF c) { return GetRValue(c) < 40 && GetGValue(c) < 40 && GetBValue(c) < 40; };
  EXPECT_EQ(CountPixels(link, red), 0);
  EXPECT_GT(CountPixels(link, black), 20);

  SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_GT(CountPixels(link, red), 20);
  DrainEvents();
  SendMessageA(link, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(CountPixels(link, red), 0);

  ControlDisable(180, 1);
  EXPECT_EQ(CountPixels(link, black), 0);
  const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
  EXPECT_GT(CountPixels(link, [grey](COLORREF c) { return c == grey; }), 20);
  WindowClose(40);
  DeleteObject(font);
}

TEST_F(Controls, ReplacingTheCurrentContainerKeepsAParent) {
  ASSERT_NE(ContainerCreate(190, 0, 0, 200, 100, 0), 0);
  ASSERT_NE(ContainerCreate(191, 0, 0, 100, 50, 0), 0);
  // 190 is replaced while 191 inside it is the current parent: both leave the stack.
  ASSERT_NE(ContainerCreate(190, 10, 10, 200, 100, 0), 0);
  ASSERT_NE(TextCreate(192, 1, 1, 50, 10, "innen"), 0);
  EXPECT_EQ(GetParent(ControlHandle(192)), ControlHandle(190));
  ControlListEnd();
  ASSERT_NE(TextCreate(193, 1, 1, 50, 10, "außen"), 0);
  EXPECT_EQ(GetParent(ControlHandle(193)), WindowHandle(40));
}

TEST_F(Controls, ImageControlKeepsTheAskedSizeAndLinkHoverColourIsCutTo24Bits) {
  HBITMAP bitmap = CreateBitmap(40, 50, 1, 32, nullptr);
  ASSERT_NE(ImageControlCreate(195, 10, 10, 20, 30, bitmap), 0);
  RECT rect{};
  GetClientRect(ControlHandle(195), &rect);
  EXPECT_EQ(rect.right, 20);
  EXPECT_EQ(rect.bottom, 30);

  // A high byte would make Windows read the colour as a palette index.
  ASSERT_NE(LinkCreate(196, 10, 60, 200, 30, "MMMMMMMM", RGB(255, 0, 0) | 0xFF000000u), 0);
  const HWND link = ControlHandle(196);
  SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  auto red = [](COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60; };
  EXPECT_GT(CountPixels(link, red), 5);
  WindowClose(40);
  DeleteObject(bitmap);
}
