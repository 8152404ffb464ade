// The setup front end: background, typed welcome line, then the dialog page with the version comparison.
#include "setup/setup_dialog.h"

#include "platform/colours.h"
#include "platform/dates.h"
#include "platform/graphics.h"
#include "platform/window_services.h"
#include "setup/dialog_page.h"
#include "setup/gradient_background.h"
#include "setup/object_numbers.h"
#include "setup/setup_background.h"
#include "setup/setup_fonts.h"
#include "setup/setup_palette.h"
#include "setup/setup_texts.h"
#include "setup/version_assessment.h"

namespace {

constexpr int kLaterControls = -1;  // ControlSetFont: the default font of controls created from now on
constexpr intptr_t kSystemFont = -1;
constexpr int kUnchecked = 0;
constexpr int32_t kGradientSteps = 255;
constexpr int32_t kTopToBottom = 0;
constexpr int kTransparentTextBackground = 1;
constexpr int kPictureWidth = 110;
constexpr int kPictureHeight = 300;
constexpr int kPanelX = 112;
constexpr uint32_t kContainerBorder = 1;
constexpr uint32_t kWhite = ColourOf(255, 255, 255);
constexpr COLORREF kRefusalText = RGB(255, 0, 255);
constexpr COLORREF kRefusalBackground = RGB(225, 245, 170);

intptr_t FontOf(int number) { return reinterpret_cast<intptr_t>(FontHandle(number)); }

// The refusal message in magenta on light green. The background is the context's own brush colour, so there is
// no brush to keep alive or to delete.
LRESULT RefusalColourHook(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_CTLCOLORSTATIC || reinterpret_cast<HWND>(lParam) != ControlHandle(kRefusalMessage))
    return kCallbackContinue;
  const HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, kRefusalText);
  SetBkMode(dc, TRANSPARENT);
  SetDCBrushColor(dc, kRefusalBackground);
  return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

// What the page shows, fixed before the background opens.
struct PageInputs {
  const SetupDialogOptions& options;
  const SetupFonts& fonts;
  int32_t setupDate;      // date values: 0 none, -1 impossible
  int32_t installedDate;
  bool picturePresent;
};

// Image 1 at the picture's size: the caller's picture, else the gradient with "Setup" written on it.
bool PreparePicture(const SetupFonts& fonts) {
  if (ImageResize(kSetupPictureImage, kPictureWidth, kPictureHeight)) return true;
  if (!ImageResize(kGradientImage, kPictureWidth, kPictureHeight)) return false;
  if (DrawBegin(ImageDrawTarget(kGradientImage))) {
    DrawFont(FontOf(fonts.banner));
    DrawMode(kTransparentTextBackground);
    DrawTextAt(10, 10, kFallbackPictureText, kWhite);
    DrawEnd();
  }
  return ImageCopy(kGradientImage, kSetupPictureImage) != nullptr;
}

// Window 0 with its gradient, the picture, the colour hook; false when window 0 cannot be made.
bool OpenBackground(const SetupDialogOptions& options, const SetupFonts& fonts, bool* picturePresent) {
  if (!SetupBackgroundOpen(fonts)) return false;
  SetGradientBackground(SetupPaletteColour(ClampColourIndex(options.topColourIndex)),
                        SetupPaletteColour(ClampColourIndex(options.bottomColourIndex)), kGradientSteps,
                        kTopToBottom, kBackgroundWindow, kGradientImage);
  *picturePresent = PreparePicture(fonts);
  WindowHide(kBackgroundWindow, false);
  WindowKeepOnTop(kBackgroundWindow, options.stayOnTop >= 1);
  WindowSetCallback(BackgroundColourHook, kBackgroundWindow);
  return true;
}

bool IsClick() { return EventType() == BN_CLICKED; }  // STN_CLICKED is the same code
bool IsBackgroundClose(int event) { return event == kEventCloseWindow && EventWindow() == kBackgroundWindow; }

// A click on a credit link opens its address; clicks on other controls pass.
void FollowCreditLink(int control) {
  const Text address = CreditLinkAddress(control);
  if (!address.empty()) OpenCreditLink(address);
}

// The typing: credit links work, closing window 0 ends the call. Returns the dialog window that the last typing
// step opened, or -1 once window 0 is closed. Without a timer the whole line is shown at once.
int WaitForTyping() {
  if (!TypingStart()) {
    const int dialogWindow = CompleteWelcomeLine();
    if (dialogWindow >= 0) return dialogWindow;
  }
  for (;;) {
    const int event = EventWait();
    if (IsBackgroundClose(event)) {
      WindowClose(kBackgroundWindow);
      return -1;
    }
    if (event == kEventControl && IsClick()) FollowCreditLink(EventControl());
    if (event == kEventTypingTick && EventWindow() == kBackgroundWindow) {
      const int dialogWindow = TypeWelcomeLine();
      if (dialogWindow >= 0) return dialogWindow;
    }
  }
}

// The information panel: what the setup carries and what is installed, and the hidden refusal panel.
void CreateInformationPanel(const PageInputs& page) {
  const DialogPageLines lines = DialogPageLinesFor(page.options, page.setupDate, page.installedDate);
  ContainerCreate(kInformationPanel, kPanelX, 0, 369, 300, kContainerBorder);
  TextCreate(kProgramLine, 4, 6, 350, 18, lines.program);
  FrameCreate(kFrameA, 2, 20, 364, 70, "");
  TextCreate(kSetupVersionLine, 10, 30, 350, 18, lines.setupVersion);
  TextCreate(kSetupDateLine, 10, 50, 350, 18, lines.setupDate);
  TextCreate(kCopyrightLine, 10, 70, 350, 18, lines.copyright);
  FrameCreate(kFrameB, 2, 90, 364, 50, "");
  TextCreate(kInstalledVersionLine, 10, 100, 350, 18, lines.installedVersion);
  TextCreate(kInstalledDateLine, 10, 120, 350, 18, lines.installedDate);

  ContainerCreate(kRefusalPanel, 6, 160, 356, 100, kContainerBorder);
  ControlHide(kRefusalPanel, true);
  TextCreate(kRefusalMessage, 6, 8, 340, 82, "");
  ControlListEnd();
}

// The action options, the buttons and the hint, still inside the information panel.
void CreateActionControls(const PageInputs& page) {
  FrameCreate(kFrameC, 2, 148, 364, 149, "");
  OptionCreate(kInstallOption, 10, 160, 90, 18, kInstallText);
  OptionCreate(kUpdateOption, 10, 184, 140, 18, kUpdateLabel);
  OptionCreate(kUninstallOption, 10, 208, 110, 18, kUninstallText);
  if (page.options.noUninstall) ControlDisable(kUninstallOption, true);
  FrameCreate(kFrameD, 5, 221, 358, 37, "");
  CheckBoxCreate(kShortcutOption, 10, 234, 200, 18, kShortcutText);
  if (page.options.offerShortcut != 1) ControlDisable(kShortcutOption, true);
  ButtonCreate(kContinueButton, 10, 266, 100, 24, kContinueText);
  ButtonCreate(kCancelButton, 260, 266, 100, 24, kCancelText);
  ControlSetFont(kLaterControls, FontOf(page.fonts.note));
  TextCreate(kHintLine, 4, 140, 200, 14, kHintText);
  ControlListEnd();
}

// Creates the page's controls in their fixed order; the fonts in force change on the way.
void CreatePage(const PageInputs& page) {
  if (page.picturePresent)
    ImageControlCreate(kPicture, 0, 0, kPictureWidth, kPictureHeight, ImageHandle(kSetupPictureImage));
  else
    TextCreate(kPicturePlaceholder, 0, 0, kPictureWidth, kPictureHeight, kNoPictureText);
  ControlSetFont(kLaterControls, FontOf(page.fonts.page));
  CreateInformationPanel(page);
  CreateActionControls(page);
  TextCreate(kWebAddressLine, page.picturePresent ? 0 : kPanelX, 300, 370, 14, page.options.webAddress);
  // The box becomes available only through the option state rule, while install is selected.
  ControlDisable(kShortcutOption, true);
}

void ShowRefusal(const char* refusal, int dialogWindow, const SetupFonts& fonts) {
  ControlDisable(kUpdateOption, true);
  ControlDisable(kUninstallOption, true);
  constexpr int kHiddenByRefusal[] = {kInstallOption, kUpdateOption, kUninstallOption, kShortcutOption, kFrameD};
  for (int control : kHiddenByRefusal) ControlHide(control, true);
  ControlHide(kRefusalPanel, false);
  ControlSetText(kRefusalMessage, refusal);
  WindowSetCallback(RefusalColourHook, dialogWindow);
  ControlSetFont(kLaterControls, FontOf(fonts.note));
}

void ApplyAssessment(const PageInputs& page, int dialogWindow) {
  const SetupDialogOptions& options = page.options;
  const VersionOutcome outcome = AssessInstalledVersion(options.setupVersion, page.setupDate,
                                                        options.installedVersion, page.installedDate);
  if (!outcome.installAvailable) ControlDisable(kInstallOption, true);
  if (!outcome.updateAvailable) ControlDisable(kUpdateOption, true);
  ControlSetText(kUpdateOption, outcome.updateLabel);
  if (outcome.updateWidth) ControlResize(kUpdateOption, kKeepValue, kKeepValue, outcome.updateWidth, kKeepValue);
  if (outcome.uninstallForcedUnavailable) ControlDisable(kUninstallOption, true);
  if (outcome.refusal[0]) ShowRefusal(outcome.refusal, dialogWindow, page.fonts);
}

// Builds the page in the dialog window, shows it and applies the version assessment; false when the window's
// control list cannot be made current.
bool BuildPage(const PageInputs& page, int dialogWindow) {
  if (!ControlListBegin(WindowHandle(dialogWindow))) return false;
  CreatePage(page);
  WindowHide(dialogWindow, false);
  ApplyAssessment(page, dialogWindow);
  return true;
}

Selection SelectedOption() {
  if (ControlState(kInstallOption)) return Selection::install;
  if (ControlState(kUpdateOption)) return Selection::update;
  if (ControlState(kUninstallOption)) return Selection::uninstall;
  return Selection::none;
}

// Enables what the selection allows and returns the dialog result it stands for.
int32_t ApplyOptionStateRule(int32_t offerShortcut) {
  const Selection selection = SelectedOption();
  const OptionStates states = OptionStatesFor(selection, offerShortcut);
  ControlDisable(kContinueButton, !states.continueEnabled);
  ControlDisable(kShortcutOption, !states.shortcutEnabled);
  if (states.shortcutCleared) ControlSetState(kShortcutOption, kUnchecked);
  return DialogResultFor(selection, ControlText(kUpdateOption), ControlState(kShortcutOption) != 0);
}

enum class DialogEnd { continued, cancelled };

// The choosing: after every event the option state rule sets *result, until "Weiter", "Abbruch" or a close of
// window 0 ends it. A close request for the dialog window changes nothing.
DialogEnd RunEvents(int32_t offerShortcut, int32_t* result) {
  // "Weiter" must not look usable before the first selection.
  *result = ApplyOptionStateRule(offerShortcut);
  for (;;) {
    const int event = EventWait();
    if (IsBackgroundClose(event)) return DialogEnd::cancelled;
    if (event == kEventControl && IsClick()) {
      const int control = EventControl();
      if (control == kContinueButton) return DialogEnd::continued;
      if (control == kCancelButton) return DialogEnd::cancelled;
      FollowCreditLink(control);
    }
    *result = ApplyOptionStateRule(offerShortcut);
  }
}

// "Weiter" hides the dialog window and leaves window 0 for the caller; a cancel closes both.
int32_t ApplyResult(DialogEnd end, int dialogWindow, int32_t result) {
  if (end == DialogEnd::cancelled) {
    WindowClose(dialogWindow);
    WindowClose(kBackgroundWindow);
    return 0;
  }
  WindowHide(dialogWindow, true);
  TypingCounterReset();
  return result;
}

// The steps once the fonts are loaded; 0 wherever the dialog cannot go on.
int32_t RunSetupDialog(const SetupDialogOptions& options, const SetupFonts& fonts) {
  PageInputs page{options, fonts, DateParse(kDateMask, options.setupDate),
                  DateParse(kDateMask, options.installedDate), false};
  if (!OpenBackground(options, fonts, &page.picturePresent)) return 0;
  const int dialogWindow = WaitForTyping();
  if (dialogWindow < 0) return 0;
  if (!BuildPage(page, dialogWindow)) return 0;
  int32_t result = 0;
  const DialogEnd end = RunEvents(options.offerShortcut, &result);
  return ApplyResult(end, dialogWindow, result);
}

}  // namespace

int32_t ShowSetupDialog(const SetupDialogOptions& options) {
  SetupFonts fonts;
  if (!SetupFontsLoad(&fonts)) return 0;
  ControlSetFont(kLaterControls, FontOf(fonts.note));
  const int32_t result = RunSetupDialog(options, fonts);
  // Whichever way the dialog ended, controls created later get the system's default font again.
  ControlSetFont(kLaterControls, kSystemFont);
  return result;
}
