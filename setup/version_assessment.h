#pragma once
// The rules that compare the setup's version and date with the installed ones and decide which actions the
// setup dialog offers, how the update action is labelled, or that the setup refuses to run.
#include <cstdint>
#include "platform/text.h"

// The update option's labels; the dialog creates it with kUpdateLabel.
extern const char kUpdateLabel[];
extern const char kRepairLabel[];
extern const char kTimestampLabel[];
// Refusals: same version with a later installed date; a higher installed version; a higher setup version with a
// later installed date.
extern const char kRefusalSameVersionNewerDate[];
extern const char kRefusalOlderSetup[];
extern const char kRefusalNewerVersionNewerDate[];

struct VersionOutcome {
  bool installAvailable;
  bool updateAvailable;
  const char* updateLabel;          // always one of the three labels
  int updateWidth;                  // 0 leaves the option's created width (140)
  bool uninstallForcedUnavailable;  // otherwise the uninstall option stays as created
  const char* refusal;              // "" when the setup may go on
};

enum class Selection { none, install, update, uninstall };

// setupDate and installedDate are date values ("%dd.%mm.%yyyy" parsed: 0 none, -1 impossible).
VersionOutcome AssessInstalledVersion(int32_t setupVersion, int32_t setupDate, int32_t installedVersion,
                                      int32_t installedDate);
// The dialog result 0 to 6 for the selected option, the update option's current label and the shortcut box.
// The label is always a text the caller holds, so it comes by reference, which is smaller than a view here.
int32_t DialogResultFor(Selection selection, const Text& updateLabel, bool shortcutChecked);
// 1007 gives "000.001.007".
Text FormatVersionNumber(int32_t number);
