#include "installer/installed_version.h"

#include <windows.h>

#include "installer/release_constants.h"
#include "platform/files.h"
#include "registry/lookup_rules.h"
#include "registry/registry_access.h"
#include "setup/object_numbers.h"

namespace {
// Below the install root as it stands: the registered folder at the lookup, the folder installed into at the end.
Text LegacyFilePath(const RunState& run) { return run.installRoot + run.examplesFolder + kLegacyVersionFileName; }
}  // namespace

void LookUpInstalledVersion(RunState& run) {
  const Text legacyPath = LegacyFilePath(run);
  // Without a PureBasic directory the path would lead into the current folder: a stranger's file there must
  // neither steer the dialog nor be deleted.
  if (IsAbsoluteDirectory(run.installRoot) && FileOpenRead(kDriverFile, legacyPath)) {
    run.installedVersion = TextToNumber(FileReadLine(kDriverFile));
    run.installedDate = FileReadLine(kDriverFile);
    FileClose(kDriverFile);
    // Kept until the new record is written, so a cancelled run does not lose the only record.
    run.legacyFileRead = true;
    return;
  }
  run.installedVersion = TextToNumber(RegReadString(HKEY_CURRENT_USER, kRecordKey, kRecordVersionValue));
  run.installedDate = RegReadString(HKEY_CURRENT_USER, kRecordKey, kRecordDateValue);
}

// The file in the folder installed into, which the new record replaces: where the user chose another folder in the
// browser, the first folder still holds its earlier version, and its file stays to say so.
void DeleteLegacyVersionFile(const RunState& run) {
  if (!run.legacyFileRead) return;
  const Text installed = LegacyFilePath(run);
  FileSetAttributes(installed, FILE_ATTRIBUTE_NORMAL);
  FileDelete(installed);
}
