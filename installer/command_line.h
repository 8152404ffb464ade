#pragma once
// The installer's switches: /S (silent), /LOG=file, /D=folder (last, the rest of the line) and /?.
// Switches are case-insensitive; a run started without any keeps the plain interactive behaviour.
#include "platform/text.h"

// What a run started with switches reports; a run without switches ends with 0 on every way out.
enum RunExitCode : int {
  kExitInstalled = 0,
  kExitNotInstalled = 1,  // refused by the version assessment, or cancelled by the user; nothing written
  kExitWithErrors = 2,    // an item or the log file was not written
  kExitBadCommandLine = 3,
  kExitAlreadyRunning = 4,
};

struct CommandLine {
  bool anySwitch = false;
  bool silent = false;
  bool help = false;
  bool usageError = false;
  Text folder;   // /D=, absolute and ending with a backslash; empty when not given
  Text logPath;  // /LOG=; empty when not given
};

CommandLine ParseCommandLine(TextView arguments);

// The switches and exit codes, with CR LF line ends.
extern const char kUsageText[];
