#include "installer/run_state.h"

#include "installer/installer_texts.h"
#include "installer/release_constants.h"
#include "installer/version_number.h"

void SetReleaseConstants(RunState& run) {
  run.releaseDate = kReleaseDate;
  run.versionText = kVersionText;
  run.libraryTarget = kLibraryTarget;
  run.helpTarget = kHelpTarget;
  run.examplesFolder = kExamplesFolder;
}

void DeriveVersionNumber(RunState& run) {
  run.versionText = VersionDigitText(run.versionText);
  run.versionNumber = TextToNumber(run.versionText);
}

void BuildDescriptionText(RunState& run) {
  run.descriptionText = Text(kDescriptionLine1) + kDescriptionLine2 + kDescriptionLine3;
}

bool DialogResultInstalls(int32_t dialogResult) { return dialogResult >= 1 && dialogResult <= 4; }
