#pragma once
#include "installer/run_state.h"

// Opens the progress window, installs, records, asks the compiler to restart and waits for "Fertig" (when it
// could be created).
// Ends the program itself when the window cannot be built.
void RunInstallation(RunState& run);
// The installation without its window: the log, the payload, the record and the restart request. A silent run
// shows nothing and skips the pauses that are only there to let the user follow.
void InstallAndRecord(RunState& run);
// Replaces the text of the log control with the whole install log.
void ShowInstallLog(const RunState& run);
// Shows the install log and waits, so the user can follow; a silent run does neither.
void ShowProgress(const RunState& run, int pauseMilliseconds);
