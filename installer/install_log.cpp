#include "installer/install_log.h"

#include "installer/installer_texts.h"

void InstallLogStart(RunState& run) {
  run.installLog = kLogOpening;
  run.errorFlag = false;
  run.byteCounter = 0;
}

void InstallLogAppend(RunState& run, const char* line) { run.installLog += line; }

void InstallLogAppendVerdict(RunState& run) {
  InstallLogAppend(run, !run.errorFlag ? kLogVerdictSuccess : kLogVerdictErrors);
}

void InstallLogAppendRestartAttempt(RunState& run) {
  InstallLogAppend(run, kLogEmptyLine);
  InstallLogAppend(run, kLogRestartAttempt);
}

void InstallLogAppendClosingLines(RunState& run) {
  InstallLogAppend(run, kLogEmptyLine);
  for (const char* line : kLogClosingLines) InstallLogAppend(run, line);
}
