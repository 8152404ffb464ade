#pragma once
#include "installer/run_state.h"

// Records the version number and release date under HKEY_CURRENT_USER, creating the keys first where missing.
// Returns whether both values were stored.
bool WriteInstallationRecord(const RunState& run);
