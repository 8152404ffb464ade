#include <windows.h>

#include "installer/installed_version.h"
#include "installer/main_sequence.h"
#include "setup/object_numbers.h"
#include "installer/progress_window.h"
#include "installer/release_constants.h"
#include "installer/run_state.h"
#include "platform/dll_search.h"
#include "platform/window_services.h"
#include "setup/setup_dialog.h"
#include "setup/single_instance.h"

// One straight run; every way out ends through ProgramEnd with exit code 0.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RestrictDllSearch();
  ServicesStart();
  RunState run;
  StartUp(run);
  LookUpInstalledVersion(run);
  EnsureSingleInstance(kProductTitle);
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
  if (DialogResultInstalls(run.dialogResult) && SelectInstallRoot(run)) {
    CheckHost(run);
    RunInstallation(run);
    if (WindowExists(kBackgroundWindow)) WindowClose(kBackgroundWindow);
  }
  ProgramEnd();
}
