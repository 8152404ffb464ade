#include "setup/dialog_page.h"

#include "platform/dates.h"
#include "setup/setup_texts.h"

namespace {
constexpr int32_t kImpossibleDate = -1;  // what the date parser gives for a date that does not exist
}  // namespace

DialogPageLines DialogPageLinesFor(const SetupDialogOptions& options, int32_t setupDate, int32_t installedDate) {
  DialogPageLines lines;
  lines.program = kProgramPrefix + options.title;
  lines.setupVersion = kSetupVersionPrefix + FormatVersionNumber(options.setupVersion);
  lines.setupDate = kDatePrefix + DateFormat(kDateMask, setupDate);
  lines.copyright = kCopyrightPrefix + options.authorName;
  // A version below 1 counts as not installed for the display, even where the assessment sees a value.
  const bool versionShown = options.installedVersion >= 1;
  lines.installedVersion = versionShown
                               ? kInstalledVersionPrefix + FormatVersionNumber(options.installedVersion)
                               : Text(kInstalledVersionAbsent);
  if (!versionShown || installedDate == 0)
    lines.installedDate = Text(kDateAbsent);
  else if (installedDate == kImpossibleDate)
    // No date value stands for it (01.01.2099, 31.04.2007): formatting -1 would show 31.12.1969, which nobody
    // stored, so the text is shown as it was read.
    lines.installedDate = kDatePrefix + options.installedDate;
  else
    lines.installedDate = kDatePrefix + DateFormat(kDateMask, installedDate);
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
