#include "installer/main_sequence.h"

#include "installer/installer_texts.h"
#include "installer/release_constants.h"
#include "installer/run_report.h"
#include "payload/payload_blocks.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/window_services.h"
#include "registry/host_lookup.h"
#include "setup/object_numbers.h"

void StartUp(RunState& run) {
  SetReleaseConstants(run);
  run.installRoot = LocatePureBasic();
  DeriveVersionNumber(run);
  BuildDescriptionText(run);
  const PayloadBlock picture = PayloadGet(PayloadId::SetupPicture);
  if (picture.bytes &&
      ImageLoadFromMemory(kSetupPictureImage, picture.bytes, static_cast<uint32_t>(picture.size)))
    ImageResize(kSetupPictureImage, kSetupPictureWidth, kSetupPictureHeight);
}

bool SelectInstallRoot(RunState& run) {
  run.chosenPath = RequestFolder(kFolderRequestTitle, run.installRoot);
  if (run.chosenPath.empty()) {
    ShowMessage(kFolderCancelledTitle, kFolderCancelledText);
    NoteMessage(run, kFolderCancelledText);
    return false;
  }
  run.installRoot = run.chosenPath;
  return true;
}

void CheckHost(RunState& run) {
  if (FileQuerySize(run.installRoot + kHostProgramName) > 0) return;
  if (!run.commandLine.silent) ShowMessage(kNoHostTitle, kNoHostText);
  NoteMessage(run, kNoHostText);
  DirectoryCreate(run.installRoot + kHostFolderLibraries);
  DirectoryCreate(run.installRoot + kHostFolderUserLibraries);
}
