#include "installer/run_report.h"

#include "platform/dates.h"
#include "setup/setup_texts.h"
#include "setup/version_assessment.h"

UnattendedAction ChooseUnattendedAction(const RunState& run) {
  const VersionOutcome outcome = AssessInstalledVersion(run.versionNumber, DateParse(kDateMask, run.releaseDate),
                                                        run.installedVersion, DateParse(kDateMask, run.installedDate));
  if (outcome.installAvailable) return {DialogResultFor(Selection::install, outcome.updateLabel, false), ""};
  if (outcome.updateAvailable) return {DialogResultFor(Selection::update, outcome.updateLabel, false), ""};
  return {0, outcome.refusal};
}

void NoteMessage(RunState& run, TextView text) {
  const Text note(text);  // first: the text may view the log itself, which the separator's growth moves
  if (!run.messageLog.empty()) run.messageLog += "\r\r";
  run.messageLog += note;
}

// Lone CRs (the log's own line breaks), lone LFs and CR LF pairs all become CR LF; the last line is ended too.
Text LogFileText(const RunState& run) {
  Text joined = run.messageLog;
  if (!joined.empty() && !run.installLog.empty()) joined += "\r\r";
  joined += run.installLog;
  Text text;
  for (int i = 0; i < joined.length(); ++i) {
    const unsigned char c = joined.at(i);
    if (c == '\n' && i > 0 && joined.at(i - 1) == '\r') continue;
    if (c == '\r' || c == '\n')
      text += "\r\n";
    else
      text += static_cast<char>(c);
  }
  const unsigned char last = joined.empty() ? '\n' : joined.at(joined.length() - 1);
  if (last != '\r' && last != '\n') text += "\r\n";
  return text;
}

int InstallOutcome(const RunState& run) {
  return run.errorFlag || run.recordFailed ? kExitWithErrors : kExitInstalled;
}

int ReportedExitCode(const CommandLine& line, int outcome, bool logWritten) {
  if (!line.anySwitch) return kExitInstalled;
  return outcome == kExitInstalled && !logWritten ? kExitWithErrors : outcome;
}
