#include "installer/installation_record.h"

#include <windows.h>

#include "installer/release_constants.h"
#include "registry/registry_access.h"

bool WriteInstallationRecord(const RunState& run) {
  if (!RegSubKeyExists(HKEY_CURRENT_USER, kRecordParentKey)) RegCreateSubKey(HKEY_CURRENT_USER, kRecordParentKey);
  if (!RegSubKeyExists(HKEY_CURRENT_USER, kRecordKey)) RegCreateSubKey(HKEY_CURRENT_USER, kRecordKey);
  const bool version =
      RegWriteString(HKEY_CURRENT_USER, kRecordKey, kRecordVersionValue, NumberToText(run.versionNumber));
  const bool date = RegWriteString(HKEY_CURRENT_USER, kRecordKey, kRecordDateValue, run.releaseDate);
  return version && date;
}
