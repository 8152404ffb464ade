#include "installer/payload_extraction.h"

#include "installer/install_log.h"
#include "installer/object_numbers.h"
#include "installer/payload_catalogue.h"
#include "installer/progress_window.h"
#include "platform/files.h"

namespace {

constexpr int kPauseAfterItem = 100;

// One byte per write through the buffered file layer. A file counts as written only when the close reports that
// every buffered write reached the system: a full disk must not be logged as success.
void WriteCatalogueItem(RunState& run, const CatalogueItem& item) {
  const PayloadBlock block = PayloadGet(item.block);
  run.byteCounter = 0;
  int written = 0;
  if (FileCreate(kDriverFile, run.installRoot + item.target)) {
    while (run.byteCounter < block.size) {
      FileWriteByte(kDriverFile, MemoryReadByte(block.bytes + run.byteCounter));
      ++run.byteCounter;
    }
    written = FileClose(kDriverFile);
  }
  if (written) {
    InstallLogAppend(run, item.successLine);
  } else {
    InstallLogAppend(run, item.failureLine);
    run.errorFlag = 1;
  }
  ShowInstallLog(run);
  Pause(kPauseAfterItem);
}

// An existing directory counts as a failure and logs nothing; directory failures never raise the error flag.
void CreateDirectoryStep(RunState& run, const DirectoryStep& step) {
  if (DirectoryCreate(run.installRoot + step.folder) && step.successLine) InstallLogAppend(run, step.successLine);
}

}  // namespace

void ExtractPayload(RunState& run) {
  for (const ExtractionStep& step : kExtractionSteps) {
    if (step.kind == StepKind::Item)
      WriteCatalogueItem(run, CatalogueItemAt(run, step.index));
    else
      CreateDirectoryStep(run, kDirectorySteps[step.index]);
  }
}
