#pragma once
// Control numbers of the setup background window and the setup dialog page (also their control identifiers,
// by which tests find them). The progress window uses 100 and 101.

// Background window (window 0).
constexpr int kWelcomeLabel = 10;
constexpr int kCreditLinkAuthor = 11;
constexpr int kCreditLinkCoAuthor = 12;

// Dialog page, in creation order.
constexpr int kPicture = 20;
constexpr int kPicturePlaceholder = 21;
constexpr int kInformationPanel = 22;
constexpr int kProgramLine = 23;
constexpr int kFrameA = 24;
constexpr int kSetupVersionLine = 25;
constexpr int kSetupDateLine = 26;
constexpr int kCopyrightLine = 27;
constexpr int kFrameB = 28;
constexpr int kInstalledVersionLine = 29;
constexpr int kInstalledDateLine = 30;
constexpr int kRefusalPanel = 31;
constexpr int kRefusalMessage = 32;
constexpr int kFrameC = 33;
constexpr int kInstallOption = 34;
constexpr int kUpdateOption = 35;
constexpr int kUninstallOption = 36;
constexpr int kFrameD = 37;
constexpr int kShortcutOption = 38;
constexpr int kContinueButton = 39;
constexpr int kCancelButton = 40;
constexpr int kHintLine = 41;
constexpr int kWebAddressLine = 42;

// The dialog window's client area and the picture's size.
constexpr int kDialogWidth = 482;
constexpr int kDialogHeight = 314;
constexpr int kPictureWidth = 110;
constexpr int kPictureHeight = 300;
