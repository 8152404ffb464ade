#include <windows.h>

#include "installer/installed_version.h"
#include "installer/main_sequence.h"
#include "installer/object_numbers.h"
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
  run.dialogResult = ShowSetupDialog(kProductTitle, run.versionNumber, run.releaseDate, kAuthorName,
                                     kAuthorWebAddress, run.descriptionText, run.installedVersion,
                                     run.installedDate, kTopColourIndex, kBottomColourIndex, kNoUninstall,
                                     kOfferShortcut, kStayOnTop);
  if (DialogResultInstalls(run.dialogResult) && SelectInstallRoot(run)) {
    CheckHost(run);
    RunInstallation(run);
    if (WindowExists(kBackgroundWindow)) WindowClose(kBackgroundWindow);
  }
  ProgramEnd();
}
