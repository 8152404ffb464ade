#pragma once
// The values one run of the installer shares between its steps, from start-up to "Fertig".
#include <cstdint>
#include "installer/command_line.h"
#include "platform/text.h"

struct RunState {
  CommandLine commandLine;
  Text releaseDate;
  Text versionText;  // "1.07" at first, then the digit text of the version number
  int32_t versionNumber = 0;
  Text libraryTarget;
  Text helpTarget;
  Text examplesFolder;
  Text installRoot;  // ends with a backslash, or empty when no PureBasic directory is known
  Text descriptionText;
  int32_t installedVersion = 0;  // 0 when nothing is recorded
  Text installedDate;
  bool legacyFileRead = false;  // then the folder installed into loses its legacy file once the record is written
  int32_t dialogResult = 0;
  Text chosenPath;
  bool errorFlag = false;
  bool recordFailed = false;  // the installation record could not be written
  int32_t byteCounter = 0;
  Text installLog;
  bool finishedFlag = false;
  Text messageLog;  // the texts of the messages shown, or in a silent run not shown, for the log file
};

// Release date, version text and the three targets, in that order.
void SetReleaseConstants(RunState& run);
// Replaces the version text by its digit text and sets the version number from it.
void DeriveVersionNumber(RunState& run);
void BuildDescriptionText(RunState& run);
// Results 1 to 4 (install, update, repair, update by date) go on to the installation.
bool DialogResultInstalls(int32_t dialogResult);
