#pragma once
// What the setup dialog page says and which of its controls are usable, decided without windows.
#include <cstdint>

#include "platform/text.h"
#include "setup/version_assessment.h"

// The six information lines; dates are date values (0 none, -1 impossible).
struct DialogPageLines {
  Text program;
  Text setupVersion;
  Text setupDate;
  Text copyright;
  Text installedVersion;
  Text installedDate;
};
DialogPageLines DialogPageLinesFor(const Text& title, int32_t setupVersion, int32_t setupDate,
                                   const Text& authorName, int32_t installedVersion, int32_t installedDate);

// The option state rule: what "Weiter" and the desktop-shortcut box become for the selected action.
struct OptionStates {
  bool continueEnabled;
  bool shortcutEnabled;
  bool shortcutCleared;  // the box also loses its check mark
};
OptionStates OptionStatesFor(Selection selection, int32_t offerShortcut);
