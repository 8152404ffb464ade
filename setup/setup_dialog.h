#pragma once
#include <cstdint>
#include "platform/text.h"

// What the setup dialog describes and offers. The fields keep the order in which a setup describes itself.
struct SetupDialogOptions {
  Text title{};
  int32_t setupVersion = 0;
  Text setupDate{};  // dd.mm.yyyy
  Text authorName{};
  Text webAddress{};
  Text descriptionText{};        // accepted, not shown
  int32_t installedVersion = 0;  // 0: none recorded
  Text installedDate{};          // dd.mm.yyyy; empty: none recorded
  int32_t topColourIndex = 0;    // setup palette indexes, clamped into 0..255
  int32_t bottomColourIndex = 0;
  int32_t noUninstall = 0;    // non-zero: the uninstall option is unavailable
  int32_t offerShortcut = 0;  // exactly 1: the desktop-shortcut option is offered along with install
  int32_t stayOnTop = 0;      // 1 or more: the background stays above all other windows
};

// Shows the full-screen setup background and the setup dialog; returns the dialog result 0 to 6.
int32_t ShowSetupDialog(const SetupDialogOptions& options);
