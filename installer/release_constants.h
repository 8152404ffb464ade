#pragma once
// What this release is and where it goes: fixed when the installer is built.

inline constexpr char kProductTitle[] = "PB-Library Velkor_400";
inline constexpr char kAuthorName[] = "Ormund Kessler";
inline constexpr char kAuthorWebAddress[] = "http://www.dorvanix.example/velkor400/";

inline constexpr char kReleaseDate[] = "13.09.2007";
inline constexpr char kVersionText[] = "1.07";

// Targets below the install root, which ends with a backslash.
inline constexpr char kLibraryTarget[] = "purelibraries\\userlibraries\\Velkor_400";
inline constexpr char kHelpTarget[] = "help\\Velkor400.chm";
inline constexpr char kExamplesFolder[] = "examples\\QZLibs";

// An earlier installer left its version here (install root + examples folder + this name).
inline constexpr char kLegacyVersionFileName[] = "\\velkvers";

// The installation record under HKEY_CURRENT_USER; the parent key is created first.
inline constexpr char kRecordParentKey[] = "Software\\Dorvanix\\";
inline constexpr char kRecordKey[] = "Software\\Dorvanix\\Velk400\\";
inline constexpr char kRecordVersionValue[] = "Version";
inline constexpr char kRecordDateValue[] = "Date";

// The setup dialog's presentation: gradient from palette colour 112 to 0, no uninstall, no shortcut, normal stacking.
inline constexpr int kTopColourIndex = 112;
inline constexpr int kBottomColourIndex = 0;
inline constexpr int kNoUninstall = 1;
inline constexpr int kOfferShortcut = 0;
inline constexpr int kStayOnTop = 0;

inline constexpr int kSetupPictureWidth = 110;
inline constexpr int kSetupPictureHeight = 300;
