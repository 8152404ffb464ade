#pragma once
// The install log of the progress window: one text that only grows.
#include "installer/run_state.h"

// Opening text; the error flag and the byte counter start at 0.
void InstallLogStart(RunState& run);
void InstallLogAppend(RunState& run, const char* line);
// The verdict after the extraction, read from the error flag.
void InstallLogAppendVerdict(RunState& run);
void InstallLogAppendRestartAttempt(RunState& run);
void InstallLogAppendClosingLines(RunState& run);
