#pragma once
// What a run reports beyond its windows: the action a silent run takes, the messages it shows or would show,
// the text of the log file and the exit code.
#include <cstdint>
#include "installer/run_state.h"

struct UnattendedAction {
  int32_t dialogResult;  // 1 to 4 as the setup dialog would return it, or 0 when the setup refuses
  const char* refusal;   // the refusal text when dialogResult is 0
};

// The action the setup dialog offers for the installed version: install, else the update in its labelled form.
UnattendedAction ChooseUnattendedAction(const RunState& run);
// Keeps the text of a message for the log file; messages are set apart by an empty line.
void NoteMessage(RunState& run, TextView text);
// The noted messages, then the install log, every line ending with CR LF.
Text LogFileText(const RunState& run);
// 0 when every item and the installation record were written, else 2.
int InstallOutcome(const RunState& run);
// Without switches every way out ends with 0; a log file that could not be written turns 0 into 2.
int ReportedExitCode(const CommandLine& line, int outcome, bool logWritten);
