#pragma once
#include "installer/run_state.h"

// Opens the progress window, installs, records, asks the compiler to restart and waits for "Fertig" (when it
// could be created).
// Ends the program itself when the window cannot be built.
void RunInstallation(RunState& run);
// Replaces the text of the log control with the whole install log.
void ShowInstallLog(const RunState& run);
