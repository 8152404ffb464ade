#pragma once
// What the setup dialog page says and which of its controls are usable, decided without windows.
#include <cstdint>

#include "platform/text.h"
#include "setup/setup_dialog.h"
#include "setup/version_assessment.h"

// The six information lines.
struct DialogPageLines {
  Text program;
  Text setupVersion;
  Text setupDate;
  Text copyright;
  Text installedVersion;
  Text installedDate;
};
// The dates are the date values of the options' date texts (0 none, -1 impossible).
DialogPageLines DialogPageLinesFor(const SetupDialogOptions& options, int32_t setupDate, int32_t installedDate);

// The option state rule: what "Weiter" and the desktop-shortcut box become for the selected action.
struct OptionStates {
  bool continueEnabled;
  bool shortcutEnabled;
  bool shortcutCleared;  // the box also loses its check mark
};
OptionStates OptionStatesFor(Selection selection, int32_t offerShortcut);
