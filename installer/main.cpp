#include <windows.h>

#include "installer/installed_version.h"
#include "installer/main_sequence.h"
#include "installer/progress_window.h"
#include "installer/release_constants.h"
#include "installer/run_report.h"
#include "installer/run_state.h"
#include "installer/unattended_run.h"
#include "platform/dll_search.h"
#include "platform/window_services.h"
#include "setup/object_numbers.h"
#include "setup/setup_dialog.h"
#include "setup/single_instance.h"

// One straight run; every way out ends through ProgramEnd. Without switches the exit code is always 0.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  RestrictDllSearch();
  ServicesStart();
  RunState run;
  run.commandLine = ParseCommandLine(arguments);
  if (run.commandLine.usageError) EndWithUsage(run);
  if (run.commandLine.help) EndWithHelp(run);
  StartUp(run);
  if (!run.commandLine.folder.empty()) run.installRoot = run.commandLine.folder;
  LookUpInstalledVersion(run);
  if (!ClaimSingleInstance(kProductTitle, !run.commandLine.silent)) EndRun(run, kExitAlreadyRunning);
  if (run.commandLine.silent) RunSilently(run);
  run.dialogResult = ShowSetupDialog({.title = kProductTitle,
                                      .setupVersion = run.versionNumber,
                                      .setupDate = run.releaseDate,
                                      .authorName = kAuthorName,
                                      .webAddress = kAuthorWebAddress,
                                      .descriptionText = run.descriptionText,
                                      .installedVersion = run.installedVersion,
                                      .installedDate = run.installedDate,
                                      .topColourIndex = kTopColourIndex,
                                      .bottomColourIndex = kBottomColourIndex,
                                      .noUninstall = kNoUninstall,
                                      .offerShortcut = kOfferShortcut,
                                      .stayOnTop = kStayOnTop});
  if (!DialogResultInstalls(run.dialogResult) || !SelectInstallRoot(run)) EndCancelled(run);
  CheckHost(run);
  RunInstallation(run);
  if (WindowExists(kBackgroundWindow)) WindowClose(kBackgroundWindow);
  EndRun(run, InstallOutcome(run));
}
