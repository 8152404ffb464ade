#include "installer/unattended_run.h"

#include <windows.h>

#include "installer/installer_texts.h"
#include "installer/main_sequence.h"
#include "installer/progress_window.h"
#include "installer/release_constants.h"
#include "installer/run_report.h"
#include "platform/files.h"
#include "platform/scoped_resources.h"
#include "platform/window_services.h"
#include "registry/lookup_rules.h"

namespace {

constexpr int kLogFile = 2;  // apart from file 1, which the installation itself uses
constexpr UINT kTextCodePage = 1252;
constexpr int kConsoleChunk = 256;

bool WriteLogFile(const RunState& run) {
  const Text text = LogFileText(run);
  if (!FileCreate(kLogFile, run.commandLine.logPath)) return false;
  for (int i = 0; i < text.length(); ++i) FileWriteByte(kLogFile, text.at(i));
  return FileClose(kLogFile) != 0;
}

// A console shows the umlauts right only as UTF-16, whatever its code page; a redirection gets the bytes.
bool WriteTo(HANDLE output, TextView text) {
  DWORD mode = 0;
  DWORD written = 0;
  if (!GetConsoleMode(output, &mode))
    return WriteFile(output, text.c_str(), static_cast<DWORD>(text.length()), &written, nullptr);
  wchar_t wide[kConsoleChunk];
  for (int done = 0; done < text.length(); done += kConsoleChunk) {
    const int count = text.length() - done < kConsoleChunk ? text.length() - done : kConsoleChunk;
    const int length = MultiByteToWideChar(kTextCodePage, 0, text.c_str() + done, count, wide, kConsoleChunk);
    if (length <= 0 || !WriteConsoleW(output, wide, static_cast<DWORD>(length), &written, nullptr)) return false;
  }
  return true;
}

// The output the installer was started with (a redirection), else the console of the program that started it.
bool WriteToConsole(TextView text) {
  const HANDLE given = GetStdHandle(STD_OUTPUT_HANDLE);
  if (given && given != INVALID_HANDLE_VALUE && WriteTo(given, text)) return true;
  // Already attached will do: Wine attaches a program to the console of the program that started it.
  if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) return false;
  // Read access too: without it the console mode cannot be read, and the text would go out as raw bytes.
  const ScopedHandle console(CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return console && WriteTo(console.get(), text);
}

void ShowUsage(const RunState& run) {
  if (!WriteToConsole(kUsageText) && !run.commandLine.silent) ShowMessage(kProductTitle, kUsageText);
}

// Every missing parent first; creating the drive, the server share or an existing folder fails harmlessly.
void CreateFolderChain(TextView folder) {
  for (int i = 1; i < folder.length(); ++i)
    if (folder.at(i) == '\\') DirectoryCreate(TextLeft(folder, i));
}

}  // namespace

void EndRun(const RunState& run, int outcome) {
  // A second copy leaves the log file to the copy that is running.
  const bool logWritten = run.commandLine.logPath.empty() || outcome == kExitAlreadyRunning || WriteLogFile(run);
  ProgramEnd(ReportedExitCode(run.commandLine, outcome, logWritten));
}

void EndWithUsage(RunState& run) {
  NoteMessage(run, kUsageText);
  ShowUsage(run);
  EndRun(run, kExitBadCommandLine);
}

void EndCancelled(RunState& run) {
  // The dialog showed the assessment's refusal when it offered nothing.
  const UnattendedAction action = ChooseUnattendedAction(run);
  if (!action.dialogResult) NoteMessage(run, action.refusal);
  NoteMessage(run, kCancelledText);
  EndRun(run, kExitNotInstalled);
}

void EndWithHelp(const RunState& run) {
  ShowUsage(run);
  ProgramEnd(0);
}

void RunSilently(RunState& run) {
  // A registered folder that is not absolute would put the library below the current folder.
  if (!IsAbsoluteDirectory(run.installRoot)) EndWithUsage(run);
  const UnattendedAction action = ChooseUnattendedAction(run);
  if (!action.dialogResult) {
    NoteMessage(run, action.refusal);
    EndRun(run, kExitNotInstalled);
  }
  run.dialogResult = action.dialogResult;
  if (!run.commandLine.folder.empty()) CreateFolderChain(run.installRoot);
  CheckHost(run);
  InstallAndRecord(run);
  EndRun(run, InstallOutcome(run));
}
