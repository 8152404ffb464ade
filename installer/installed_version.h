#pragma once
#include "installer/run_state.h"

// The installed version and date: from the legacy version file when there is one, else from the registry record.
void LookUpInstalledVersion(RunState& run);
// Removes the legacy version file that the lookup read, once the registry record has taken its place, when it
// lies in the folder that was installed into.
void DeleteLegacyVersionFile(const RunState& run);
