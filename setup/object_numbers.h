#pragma once
// The numbered objects that the setup front end and the installer address: windows, images, fonts, the driver's
// file and the controls. Control numbers are also the controls' identifiers, by which tests find them.

// Asks a creating call for a number of its own, which it then returns.
inline constexpr int kFreshNumber = -1;

// Windows.
inline constexpr int kBackgroundWindow = 0;  // opened by the setup dialog, closed at the end of the run
inline constexpr int kProgressWindow = 1;

// Images and fonts.
inline constexpr int kGradientImage = 0;
inline constexpr int kSetupPictureImage = 1;
inline constexpr int kNoteFont = 0;

// The one file handle of every file operation of the run.
inline constexpr int kDriverFile = 1;

// Background window.
inline constexpr int kWelcomeLabel = 10;
inline constexpr int kCreditLinkAuthor = 11;
inline constexpr int kCreditLinkCoAuthor = 12;

// Dialog page, in creation order.
inline constexpr int kPicture = 20;
inline constexpr int kPicturePlaceholder = 21;
inline constexpr int kInformationPanel = 22;
inline constexpr int kProgramLine = 23;
inline constexpr int kFrameA = 24;
inline constexpr int kSetupVersionLine = 25;
inline constexpr int kSetupDateLine = 26;
inline constexpr int kCopyrightLine = 27;
inline constexpr int kFrameB = 28;
inline constexpr int kInstalledVersionLine = 29;
inline constexpr int kInstalledDateLine = 30;
inline constexpr int kRefusalPanel = 31;
inline constexpr int kRefusalMessage = 32;
inline constexpr int kFrameC = 33;
inline constexpr int kInstallOption = 34;
inline constexpr int kUpdateOption = 35;
inline constexpr int kUninstallOption = 36;
inline constexpr int kFrameD = 37;
inline constexpr int kShortcutOption = 38;
inline constexpr int kContinueButton = 39;
inline constexpr int kCancelButton = 40;
inline constexpr int kHintLine = 41;
inline constexpr int kWebAddressLine = 42;

// Progress window.
inline constexpr int kLogControl = 100;
inline constexpr int kFinishControl = 101;
