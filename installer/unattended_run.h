#pragma once
// The ways a run ends that its command line decides, and the run without any window.
#include "installer/run_state.h"

// Writes the log file when one was asked for, then ends with the exit code the run reports.
[[noreturn]] void EndRun(const RunState& run, int outcome);
// A bad command line or no target folder: the usage text on the console, else in a message box unless silent,
// and in the log file; exit code 3.
[[noreturn]] void EndWithUsage(RunState& run);
// The user left the dialog (or could only leave its refusal) or cancelled the folder browser: the log file gets
// the refusal it showed and that the installation was cancelled; exit code 1.
[[noreturn]] void EndCancelled(RunState& run);
// /?: the usage text as above, no log file, exit code 0.
[[noreturn]] void EndWithHelp(const RunState& run);
// The rest of a silent run once the single-instance guard is held: the action the setup dialog would offer,
// taken without the dialog; no window and no message box at any point.
[[noreturn]] void RunSilently(RunState& run);
