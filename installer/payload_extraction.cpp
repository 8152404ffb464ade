#include "installer/payload_extraction.h"

#include "installer/install_log.h"
#include "installer/installer_texts.h"
#include "installer/payload_catalogue.h"
#include "installer/progress_window.h"
#include "platform/files.h"
#include "platform/pause.h"
#include "setup/object_numbers.h"

namespace {

constexpr int kPauseAfterItem = 100;
// The new file is written beside its target under this name: on the same volume, so that it takes the target's
// place in one rename. A run that is cut off leaves it behind, and the next run's write of the item reuses it.
constexpr char kPartSuffix[] = ".velkor~";

// One byte per write through the buffered file layer, into the file beside the target, which replaces the target
// only once it is whole on the disk. A full disk, a held or read-only target, or a kill at any moment leaves the
// target as it was; a failure also removes the file beside it.
void WriteCatalogueItem(RunState& run, const CatalogueItem& item) {
  const PayloadBlock block = PayloadGet(item.block);
  const Text target = run.installRoot + item.target, part = target + kPartSuffix;
  run.byteCounter = 0;
  int written = 0;
  if (FileCreate(kDriverFile, part)) {
    while (run.byteCounter < block.size) {
      FileWriteByte(kDriverFile, MemoryReadByte(block.bytes + run.byteCounter));
      ++run.byteCounter;
    }
    FileFlush(kDriverFile);
    written = FileClose(kDriverFile) && FileReplace(target, part);
  }
  if (written) {
    InstallLogAppend(run, item.successLine);
  } else {
    FileDelete(part);
    InstallLogAppend(run, item.failureLine);
    run.errorFlag = true;
  }
  ShowProgress(run, kPauseAfterItem);
}

// An existing directory counts as a failure and logs nothing; directory failures never raise the error flag.
void CreateFolder(RunState& run, const char* folder, const char* successLine) {
  if (DirectoryCreate(run.installRoot + folder)) InstallLogAppend(run, successLine);
}

}  // namespace

// The help folder before the help file; the example folders before the pictures, their lines shown with the first.
void ExtractPayload(RunState& run) {
  WriteCatalogueItem(run, CatalogueItemAt(run, 0));
  DirectoryCreate(run.installRoot + "Help");  // unlogged: a missing folder shows as the help file's failure
  WriteCatalogueItem(run, CatalogueItemAt(run, 1));
  CreateFolder(run, "Examples", kLogFolderExamples);
  CreateFolder(run, "Examples\\QZLibs", kLogFolderQZLibs);
  CreateFolder(run, "Examples\\QZLibs\\Bilder", kLogFolderPictures);
  for (int index = 2; index < kCatalogueItemCount; ++index) WriteCatalogueItem(run, CatalogueItemAt(run, index));
}
