#include "installer/progress_window.h"

#include "host/compiler_restart.h"
#include "installer/install_log.h"
#include "installer/installation_record.h"
#include "installer/installed_version.h"
#include "installer/installer_texts.h"
#include "setup/object_numbers.h"
#include "installer/payload_extraction.h"
#include "platform/files.h"
#include "platform/window_services.h"

namespace {

constexpr int kPauseBeforeRestart = 500;

[[noreturn]] void EndWithoutProgressWindow() {
  if (WindowExists(kBackgroundWindow)) WindowClose(kBackgroundWindow);
  WindowClose(kProgressWindow);
  ProgramEnd();
}

// Caption only, centred on the screen, owned by the background window while that is open.
void OpenProgressWindow() {
  if (!WindowOpen(kProgressWindow, 0, 0, 300, 284, kProgressTitle, kWindowCentreScreen | WS_CAPTION,
                  WindowHandle(kBackgroundWindow)))
    EndWithoutProgressWindow();
  if (!ControlListBegin(WindowHandle(kProgressWindow))) EndWithoutProgressWindow();
  EditorCreate(kLogControl, 10, 10, 280, 230, ES_READONLY);
  ButtonCreate(kFinishControl, 10, 250, 280, 24, kFinishButton);
}

// Only "Fertig" ends the wait: the window has no close box, and every other event is ignored.
void WaitForFinish(RunState& run) {
  while (!run.finishedFlag) {
    if (EventWait() == kEventControl && EventControl() == kFinishControl) run.finishedFlag = 1;
  }
}

}  // namespace

void ShowInstallLog(const RunState& run) { ControlSetText(kLogControl, run.installLog); }

void RunInstallation(RunState& run) {
  OpenProgressWindow();
  InstallLogStart(run);
  ExtractPayload(run);
  InstallLogAppendVerdict(run);
  if (WriteInstallationRecord(run)) DeleteLegacyVersionFile(run);
  InstallLogAppendRestartAttempt(run);
  ShowInstallLog(run);
  Pause(kPauseBeforeRestart);
  RequestCompilerRestart();
  InstallLogAppendClosingLines(run);
  ShowInstallLog(run);
  WaitForFinish(run);
}
