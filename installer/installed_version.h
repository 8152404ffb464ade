#pragma once
#include "installer/run_state.h"

// The installed version and date: from the legacy version file when there is one, else from the registry record.
void LookUpInstalledVersion(RunState& run);
// Once the registry record has taken its place, removes the legacy version file from the folder installed into,
// when the lookup read one.
void DeleteLegacyVersionFile(const RunState& run);
