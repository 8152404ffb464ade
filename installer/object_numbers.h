#pragma once
// The numbered objects the installer addresses itself.

inline constexpr int kBackgroundWindow = 0;  // opened by the setup dialog, closed at the end of the run
inline constexpr int kProgressWindow = 1;
inline constexpr int kLogControl = 100;
inline constexpr int kFinishControl = 101;
inline constexpr int kSetupPictureImage = 1;
inline constexpr int kDriverFile = 1;  // the one file handle of every file operation of the run
