#pragma once
#include "installer/run_state.h"

// Writes the nine catalogue files below the install root, logging each outcome and showing the log after each.
// Raises the error flag for every file that was not written whole.
void ExtractPayload(RunState& run);
