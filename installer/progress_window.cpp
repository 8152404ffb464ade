#include "installer/progress_window.h"

#include "host/compiler_restart.h"
#include "installer/install_log.h"
#include "installer/installation_record.h"
#include "installer/installed_version.h"
#include "installer/installer_texts.h"
#include "installer/payload_extraction.h"
#include "installer/run_report.h"
#include "installer/unattended_run.h"
#include "platform/files.h"
#include "platform/pause.h"
#include "platform/window_services.h"
#include "setup/object_numbers.h"

namespace {

constexpr int kPauseBeforeRestart = 500;

// Nothing has been written yet: a run started with switches reports it as not installed.
[[noreturn]] void EndWithoutProgressWindow(const RunState& run) {
  if (WindowExists(kBackgroundWindow)) WindowClose(kBackgroundWindow);
  WindowClose(kProgressWindow);
  EndRun(run, kExitNotInstalled);
}

// Caption only, centred on the screen, owned by the background window while that is open. Returns whether
// "Fertig" exists: without it nothing could ever end the final wait.
bool OpenProgressWindow(const RunState& run) {
  if (!WindowOpen(kProgressWindow, 0, 0, 300, 284, kProgressTitle, kWindowCentreScreen | WS_CAPTION,
                  WindowHandle(kBackgroundWindow)))
    EndWithoutProgressWindow(run);
  if (!ControlListBegin(WindowHandle(kProgressWindow))) EndWithoutProgressWindow(run);
  EditorCreate(kLogControl, 10, 10, 280, 230, ES_READONLY);
  return ButtonCreate(kFinishControl, 10, 250, 280, 24, kFinishButton) != 0;
}

// Only "Fertig" ends the wait: the window has no close box, and every other event is ignored.
void WaitForFinish(RunState& run) {
  while (!run.finishedFlag) {
    if (EventWait() == kEventControl && EventControl() == kFinishControl) run.finishedFlag = true;
  }
}

}  // namespace

void ShowInstallLog(const RunState& run) { ControlSetText(kLogControl, run.installLog); }

void ShowProgress(const RunState& run, int pauseMilliseconds) {
  if (run.commandLine.silent) return;
  ShowInstallLog(run);
  Pause(pauseMilliseconds);
}

void InstallAndRecord(RunState& run) {
  InstallLogStart(run);
  ExtractPayload(run);
  InstallLogAppendVerdict(run);
  if (WriteInstallationRecord(run)) {
    DeleteLegacyVersionFile(run);
  } else {
    run.recordFailed = true;
    NoteMessage(run, kRecordNotWrittenText);
  }
  InstallLogAppendRestartAttempt(run);
  ShowProgress(run, kPauseBeforeRestart);
  RequestCompilerRestart();
  InstallLogAppendClosingLines(run);
}

void RunInstallation(RunState& run) {
  const bool finishButton = OpenProgressWindow(run);
  InstallAndRecord(run);
  ShowInstallLog(run);
  if (finishButton) WaitForFinish(run);
}
