#include "setup/dialog_page.h"

#include "platform/dates.h"
#include "setup/setup_texts.h"

DialogPageLines DialogPageLinesFor(const Text& title, int32_t setupVersion, int32_t setupDate,
                                   const Text& authorName, int32_t installedVersion, int32_t installedDate) {
  DialogPageLines lines;
  lines.program = Text(kProgramPrefix) + title;
  lines.setupVersion = Text(kSetupVersionPrefix) + FormatVersionNumber(setupVersion);
  lines.setupDate = Text(kDatePrefix) + DateFormat(kDateMask, setupDate);
  lines.copyright = Text(kCopyrightPrefix) + authorName;
  // A version below 1 counts as not installed for the display, even where the assessment sees a value.
  const bool versionShown = installedVersion >= 1;
  lines.installedVersion = versionShown ? Text(kInstalledVersionPrefix) + FormatVersionNumber(installedVersion)
                                        : Text(kInstalledVersionAbsent);
  lines.installedDate = versionShown && installedDate != 0
                            ? Text(kDatePrefix) + DateFormat(kDateMask, installedDate)
                            : Text(kDateAbsent);
  return lines;
}

OptionStates OptionStatesFor(Selection selection, int32_t offerShortcut) {
  switch (selection) {
    case Selection::install: return {true, offerShortcut == 1, false};
    case Selection::update:
    case Selection::uninstall: return {true, false, false};
    case Selection::none: break;
  }
  return {false, false, true};
}
