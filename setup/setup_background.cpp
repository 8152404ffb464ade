#include "setup/setup_background.h"

#include <shellapi.h>

#include "platform/colours.h"
#include "platform/graphics.h"
#include "platform/window_services.h"
#include "registry/host_lookup.h"
#include "setup/object_numbers.h"
#include "setup/setup_texts.h"

namespace {

constexpr uint32_t kBackgroundFlags = WS_MAXIMIZE | WS_CAPTION | WS_SYSMENU;
constexpr uint32_t kDialogFlags = kWindowHidden | WS_CAPTION | kWindowCentreScreen;
constexpr int kDialogWidth = 482;  // the dialog window's client area
constexpr int kDialogHeight = 314;
constexpr UINT_PTR kTypingTimer = 0;
constexpr UINT kTypingIntervalMs = 50;
constexpr uint32_t kWhite = ColourOf(255, 255, 255);
constexpr uint32_t kRed = ColourOf(255, 0, 0);
constexpr int kPrimaryDisplay = 0;  // DesktopExamine lists the primary display first

// Characters of the welcome line shown so far; the setup dialog resets it when it returns a result.
int gTypingCounter = 0;

LRESULT TransparentText(HDC dc, uint32_t colour) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

// A transparent label does not erase what it showed before: the gradient under it is repainted first.
void RedrawUnderControl(int control) {
  const HWND handle = ControlHandle(control);
  const HWND parent = handle ? GetParent(handle) : nullptr;
  if (!parent) return;
  RECT area;
  GetWindowRect(handle, &area);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&area), 2);
  RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ShowWelcomeLine(TextView text) {
  ControlSetText(kWelcomeLabel, text);
  RedrawUnderControl(kWelcomeLabel);
}

int OpenDialogWindow() {
  const intptr_t dialog = WindowOpen(kFreshNumber, 0, 0, kDialogWidth, kDialogHeight, kSetupTitle, kDialogFlags,
                                     WindowHandle(kBackgroundWindow));
  return dialog ? static_cast<int>(dialog) : -1;
}

bool CreateCreditLink(int number, int y, const char* text, const char* address, int font) {
  if (!LinkCreate(number, 4, y, 80, 10, text, kRed)) return false;
  ControlSetFont(number, reinterpret_cast<intptr_t>(FontHandle(font)));
  ControlToolTip(number, address);
  return true;
}

// Only a program given by its full path is started, never one found relative to the current folder.
bool IsFullPath(TextView path) {
  const bool drive = path.length() >= 3 && path.at(1) == ':' && (path.at(2) == '\\' || path.at(2) == '/');
  const bool share = path.length() >= 3 && path.at(0) == '\\' && path.at(1) == '\\';
  return drive || share;
}

}  // namespace

bool SetupBackgroundOpen(const SetupFonts& fonts) {
  if (!WindowOpen(kBackgroundWindow, 0, 0, 100, 100, kSetupTitle, kBackgroundFlags, nullptr)) return false;
  if (!ControlListBegin(WindowHandle(kBackgroundWindow))) return false;
  DesktopExamine();
  if (TextCreate(kWelcomeLabel, 40, 120, DesktopWidth(kPrimaryDisplay) - 50, 40, ""))
    ControlSetFont(kWelcomeLabel, reinterpret_cast<intptr_t>(FontHandle(fonts.banner)));
  CreateCreditLink(kCreditLinkAuthor, 22, kCreditAuthorText, kCreditAuthorAddress, fonts.credit);
  CreateCreditLink(kCreditLinkCoAuthor, 32, kCreditCoAuthorText, kCreditCoAuthorAddress, fonts.credit);
  return true;
}

LRESULT BackgroundColourHook(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_CTLCOLORSTATIC) return kCallbackContinue;
  const HWND control = reinterpret_cast<HWND>(lParam);
  const HDC dc = reinterpret_cast<HDC>(wParam);
  if (control == ControlHandle(kWelcomeLabel)) return TransparentText(dc, kWhite);
  if (control == ControlHandle(kCreditLinkAuthor) || control == ControlHandle(kCreditLinkCoAuthor))
    return TransparentText(dc, kRed);
  return kCallbackContinue;
}

bool TypingStart() {
  // A call that ended by closing window 0 mid-line left the counter part-way: each line starts afresh.
  gTypingCounter = 0;
  return SetTimer(WindowHandle(kBackgroundWindow), kTypingTimer, kTypingIntervalMs, nullptr) != 0;
}

int TypeWelcomeLine() {
  const Text line(kWelcomeLine);
  ++gTypingCounter;
  ShowWelcomeLine(TextLeft(line, gTypingCounter));
  if (gTypingCounter < line.length()) return -1;
  gTypingCounter = 0;
  KillTimer(WindowHandle(kBackgroundWindow), kTypingTimer);
  return OpenDialogWindow();
}

int CompleteWelcomeLine() {
  ShowWelcomeLine(kWelcomeLine);
  return OpenDialogWindow();
}

void TypingCounterReset() { gTypingCounter = 0; }

Text CreditLinkAddress(int control) {
  if (control == kCreditLinkAuthor) return kCreditAuthorAddress;
  if (control == kCreditLinkCoAuthor) return kCreditCoAuthorAddress;
  return Text();
}

void OpenCreditLink(const Text& address) {
  const Text program = GetAssociatedProgram(kBrowserExtension);
  WindowKeepOnTop(kBackgroundWindow, false);
  if (!IsFullPath(program)) return;
  ShellExecuteA(nullptr, "Open", program.c_str(), address.c_str(), nullptr, SW_SHOWNORMAL);
}
