// The setup front end: background, typed welcome line, then the dialog page with the version comparison.
// The page is built on the first pass of the event loop after the typing timer has opened the dialog window.
#include "setup/setup_dialog.h"

#include "platform/colours.h"
#include "platform/dates.h"
#include "platform/graphics.h"
#include "platform/window_services.h"
#include "setup/dialog_page.h"
#include "setup/gradient_background.h"
#include "setup/setup_background.h"
#include "setup/setup_controls.h"
#include "setup/setup_fonts.h"
#include "setup/setup_palette.h"
#include "setup/setup_texts.h"
#include "setup/version_assessment.h"

namespace {

constexpr int kBackgroundWindow = 0;
constexpr int kGradientImage = 0;
constexpr int kPictureImage = 1;
constexpr int32_t kGradientSteps = 255;
constexpr int32_t kTopToBottom = 0;
constexpr int kPanelX = 112;
constexpr intptr_t kSystemFont = -1;
constexpr uint32_t kContainerBorder = 1;
constexpr uint32_t kWhite = ColourOf(255, 255, 255);
constexpr COLORREF kRefusalText = RGB(255, 0, 255);
constexpr COLORREF kRefusalBackground = RGB(225, 245, 170);

intptr_t FontOf(int number) { return reinterpret_cast<intptr_t>(FontHandle(number)); }

// The refusal message's background brush, alive while a refusal is shown; the dialog window's colour hook
// reads it.
HBRUSH refusalBrush = nullptr;

// Every way out of the dialog gives controls created later the system's default font again.
class DefaultFontRestorer {
public:
  DefaultFontRestorer() = default;
  DefaultFontRestorer(const DefaultFontRestorer&) = delete;
  DefaultFontRestorer& operator=(const DefaultFontRestorer&) = delete;
  ~DefaultFontRestorer() { ControlSetFont(-1, kSystemFont); }
};

class RefusalBrushOwner {
public:
  RefusalBrushOwner() = default;
  RefusalBrushOwner(const RefusalBrushOwner&) = delete;
  RefusalBrushOwner& operator=(const RefusalBrushOwner&) = delete;
  ~RefusalBrushOwner() {
    if (refusalBrush) DeleteObject(refusalBrush);
    refusalBrush = nullptr;
  }
};

LRESULT RefusalColourHook(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_CTLCOLORSTATIC || !refusalBrush ||
      reinterpret_cast<HWND>(lParam) != ControlHandle(kRefusalMessage))
    return kCallbackContinue;
  const HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, kRefusalText);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(refusalBrush);
}

struct DialogArguments {
  const Text& title;
  int32_t setupVersion;
  int32_t setupDate;
  const Text& authorName;
  const Text& webAddress;
  int32_t installedVersion;
  int32_t installedDate;
  int32_t noUninstall;
  int32_t offerShortcut;
};

// Image 1 at the picture's size: the caller's picture, else the gradient with "Setup" written on it.
bool PreparePicture(const SetupFonts& fonts) {
  if (ImageResize(kPictureImage, kPictureWidth, kPictureHeight)) return true;
  if (!ImageResize(kGradientImage, kPictureWidth, kPictureHeight)) return false;
  if (DrawBegin(ImageDrawTarget(kGradientImage))) {
    DrawFont(FontOf(fonts.banner));
    DrawMode(1);
    DrawTextAt(10, 10, kFallbackPictureText, kWhite);
    DrawEnd();
  }
  return ImageCopy(kGradientImage, kPictureImage) != nullptr;
}

// Creates the page's controls in their fixed order; the fonts in force change on the way.
void CreatePage(const DialogArguments& arguments, const SetupFonts& fonts, bool picturePresent) {
  const DialogPageLines lines =
      DialogPageLinesFor(arguments.title, arguments.setupVersion, arguments.setupDate, arguments.authorName,
                         arguments.installedVersion, arguments.installedDate);
  if (picturePresent)
    ImageControlCreate(kPicture, 0, 0, kPictureWidth, kPictureHeight, ImageHandle(kPictureImage));
  else
    TextCreate(kPicturePlaceholder, 0, 0, kPictureWidth, kPictureHeight, kNoPictureText);
  ControlSetFont(-1, FontOf(fonts.page));

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
  ControlHide(kRefusalPanel, 1);
  TextCreate(kRefusalMessage, 6, 8, 340, 82, "");
  ControlListEnd();

  FrameCreate(kFrameC, 2, 148, 364, 149, "");
  OptionCreate(kInstallOption, 10, 160, 90, 18, kInstallText);
  OptionCreate(kUpdateOption, 10, 184, 140, 18, kUpdateLabel);
  OptionCreate(kUninstallOption, 10, 208, 110, 18, kUninstallText);
  if (arguments.noUninstall) ControlDisable(kUninstallOption, 1);
  FrameCreate(kFrameD, 5, 221, 358, 37, "");
  CheckBoxCreate(kShortcutOption, 10, 234, 200, 18, kShortcutText);
  if (arguments.offerShortcut != 1) ControlDisable(kShortcutOption, 1);
  ButtonCreate(kContinueButton, 10, 266, 100, 24, kContinueText);
  ButtonCreate(kCancelButton, 260, 266, 100, 24, kCancelText);
  ControlSetFont(-1, FontOf(fonts.note));
  TextCreate(kHintLine, 4, 140, 200, 14, kHintText);
  ControlListEnd();

  TextCreate(kWebAddressLine, picturePresent ? 0 : kPanelX, 300, 370, 14, arguments.webAddress);
  // The box becomes available only through the option state rule, while install is selected.
  ControlDisable(kShortcutOption, 1);
}

void ApplyAssessment(const DialogArguments& arguments, int dialogWindow, const SetupFonts& fonts) {
  const VersionOutcome outcome = AssessInstalledVersion(arguments.setupVersion, arguments.setupDate,
                                                        arguments.installedVersion, arguments.installedDate);
  if (!outcome.installAvailable) ControlDisable(kInstallOption, 1);
  if (!outcome.updateAvailable) ControlDisable(kUpdateOption, 1);
  ControlSetText(kUpdateOption, outcome.updateLabel);
  if (outcome.updateWidth) ControlResize(kUpdateOption, kKeepValue, kKeepValue, outcome.updateWidth, kKeepValue);
  if (outcome.uninstallForcedUnavailable) ControlDisable(kUninstallOption, 1);
  if (!outcome.refusal[0]) return;

  ControlDisable(kUpdateOption, 1);
  ControlDisable(kUninstallOption, 1);
  constexpr int kHiddenByRefusal[] = {kInstallOption, kUpdateOption, kUninstallOption, kShortcutOption, kFrameD};
  for (int control : kHiddenByRefusal) ControlHide(control, 1);
  ControlHide(kRefusalPanel, 0);
  ControlSetText(kRefusalMessage, outcome.refusal);
  if (!refusalBrush) refusalBrush = CreateSolidBrush(kRefusalBackground);
  WindowSetCallback(RefusalColourHook, dialogWindow);
  ControlSetFont(-1, FontOf(fonts.note));
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
  if (states.shortcutCleared) ControlSetState(kShortcutOption, 0);
  return DialogResultFor(selection, ControlText(kUpdateOption), ControlState(kShortcutOption) != 0);
}

bool IsClick() { return EventType() == 0; }  // BN_CLICKED and STN_CLICKED

}  // namespace

int32_t ShowSetupDialog(const Text& title, int32_t setupVersion, const Text& setupDate, const Text& authorName,
                        const Text& webAddress, const Text&, int32_t installedVersion, const Text& installedDate,
                        int32_t topColourIndex, int32_t bottomColourIndex, int32_t noUninstall,
                        int32_t offerShortcut, int32_t stayOnTop) {
  const int32_t topIndex = ClampColourIndex(topColourIndex);
  const int32_t bottomIndex = ClampColourIndex(bottomColourIndex);
  const DialogArguments arguments{title,
                                  setupVersion,
                                  DateParse(kDateMask, setupDate),
                                  authorName,
                                  webAddress,
                                  installedVersion,
                                  DateParse(kDateMask, installedDate),
                                  noUninstall,
                                  offerShortcut};

  SetupFonts fonts;
  if (!SetupFontsLoad(&fonts)) return 0;
  const DefaultFontRestorer defaultFontRestorer;
  ControlSetFont(-1, FontOf(fonts.note));
  if (!SetupBackgroundOpen(fonts)) return 0;
  SetGradientBackground(SetupPaletteColour(topIndex), SetupPaletteColour(bottomIndex), kGradientSteps,
                        kTopToBottom, kBackgroundWindow, kGradientImage);
  const bool picturePresent = PreparePicture(fonts);
  WindowHide(kBackgroundWindow, 0);
  WindowKeepOnTop(kBackgroundWindow, stayOnTop >= 1 ? 1 : 0);
  WindowSetCallback(BackgroundColourHook, kBackgroundWindow);
  TypingStart();

  RefusalBrushOwner refusalBrushOwner;
  int dialogWindow = -1;
  bool pageBuilt = false;
  bool done = false;
  int32_t result = 0;
  for (;;) {
    const int event = EventWait();
    if (dialogWindow < 0) dialogWindow = TakeOpenedDialogWindow();

    if (event == kEventCloseWindow && EventWindow() == kBackgroundWindow) {
      if (dialogWindow >= 0) WindowClose(dialogWindow);
      WindowClose(kBackgroundWindow);
      return 0;
    }
    if (event == kEventControl && IsClick()) {
      const int control = EventControl();
      const Text address = CreditLinkAddress(control);
      if (!address.empty()) {
        OpenCreditLink(address);
      } else if (control == kContinueButton && dialogWindow >= 0) {
        WindowHide(dialogWindow, 1);
        dialogWindow = -1;
        pageBuilt = false;
        done = true;
      } else if (control == kCancelButton && dialogWindow >= 0) {
        WindowClose(dialogWindow);
        WindowClose(kBackgroundWindow);
        return 0;
      }
    }
    if (pageBuilt && dialogWindow >= 0) result = ApplyOptionStateRule(offerShortcut);

    if (!pageBuilt && dialogWindow >= 0) {
      if (!ControlListBegin(WindowHandle(dialogWindow))) return 0;
      CreatePage(arguments, fonts, picturePresent);
      WindowHide(dialogWindow, 0);
      ApplyAssessment(arguments, dialogWindow, fonts);
      pageBuilt = true;
      // "Weiter" must not look usable before the first selection.
      result = ApplyOptionStateRule(offerShortcut);
    }
    if (done) {
      TypingCounterReset();
      return result;
    }
  }
}
