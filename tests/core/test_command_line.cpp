#include <gtest/gtest.h>

#include <string>

#include "installer/command_line.h"
#include "installer/run_report.h"
#include "installer/run_state.h"
#include "setup/version_assessment.h"

namespace {

struct ParseCase {
  const char* arguments;
  bool silent;
  const char* folder;
  const char* logPath;
};

RunState StartedRun(int32_t installedVersion, const char* installedDate) {
  RunState run;
  SetReleaseConstants(run);
  DeriveVersionNumber(run);
  run.installedVersion = installedVersion;
  run.installedDate = installedDate;
  return run;
}

}  // namespace

TEST(CommandLine, SwitchesAreReadInAnyCaseAndTheFolderTakesTheRestOfTheLine) {
  const ParseCase cases[] = {
      {"/s", true, "", ""},
      {"  /S\t/log=C:\\setup.log  ", true, "", "C:\\setup.log"},
      {"/LOG=\"C:\\my logs\\a.log\" /S", true, "", "C:\\my logs\\a.log"},
      {"/S /D=C:\\Program Files\\PureBasic  ", true, "C:\\Program Files\\PureBasic\\", ""},
      {"/d=c:/pb/", false, "c:\\pb\\", ""},
      {"/D=\"D:\\a b\"", false, "D:\\a b\\", ""},
      {"\"/D=D:\\a b\"", false, "D:\\a b\\", ""},
      {"/D=C:", false, "C:\\", ""},
      {"/D=\\\\server\\share\\PureBasic", false, "\\\\server\\share\\PureBasic\\", ""},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CommandLine line = ParseCommandLine(c.arguments);
    EXPECT_TRUE(line.anySwitch);
    EXPECT_FALSE(line.usageError);
    EXPECT_FALSE(line.help);
    EXPECT_EQ(line.silent, c.silent);
    EXPECT_STREQ(line.folder.c_str(), c.folder);
    EXPECT_STREQ(line.logPath.c_str(), c.logPath);
  }
  EXPECT_FALSE(ParseCommandLine(" \t ").anySwitch);
  EXPECT_TRUE(ParseCommandLine("/S /?").help);
}

TEST(CommandLine, UnknownSwitchesEmptyValuesAndUnusableFoldersAreUsageErrors) {
  for (const char* arguments : {"/X", "/S /Silent", "setup", "/LOG=", "/D=", "/D=   ", "/D=PureBasic",
                                "/D=\\PureBasic", "/D=1:\\PureBasic", "\"/D=C:\\x\" /S", "/D=C:\\a|b"}) {
    SCOPED_TRACE(arguments);
    const CommandLine line = ParseCommandLine(arguments);
    EXPECT_TRUE(line.anySwitch);
    EXPECT_TRUE(line.usageError);
  }
  // The log still receives the usage text when the bad switch comes first.
  EXPECT_STREQ(ParseCommandLine("/X /LOG=a.log").logPath.c_str(), "a.log");
}

TEST(UnattendedRun, TakesTheActionTheDialogOffersOrItsRefusal) {
  struct Case {
    int32_t version;
    const char* date;
    int32_t result;
    const char* refusal;
  };
  for (const Case& c : {Case{0, "", 1, ""}, Case{1007, "", 1, ""}, Case{1005, "01.02.2007", 2, ""},
                        Case{1007, "13.09.2007", 3, ""}, Case{1007, "12.09.2007", 4, ""},
                        Case{1007, "14.09.2007", 0, kRefusalSameVersionNewerDate},
                        Case{1008, "01.01.2000", 0, kRefusalOlderSetup},
                        Case{1006, "14.09.2007", 0, kRefusalNewerVersionNewerDate}}) {
    SCOPED_TRACE(std::to_string(c.version) + " " + c.date);
    const UnattendedAction action = ChooseUnattendedAction(StartedRun(c.version, c.date));
    EXPECT_EQ(action.dialogResult, c.result);
    EXPECT_STREQ(action.refusal, c.refusal);
  }
}

TEST(UnattendedRun, LogFileHoldsTheMessagesThenTheInstallLogWithCrLfLineEnds) {
  RunState run;
  EXPECT_STREQ(LogFileText(run).c_str(), "");
  NoteMessage(run, "Achtung\rzwei");
  EXPECT_STREQ(LogFileText(run).c_str(), "Achtung\r\nzwei\r\n");
  NoteMessage(run, "a\r\nb\n");
  run.installLog = "Starte\r\rLibrary entpackt";
  EXPECT_STREQ(LogFileText(run).c_str(),
               "Achtung\r\nzwei\r\n\r\na\r\nb\r\n\r\n\r\nStarte\r\n\r\nLibrary entpackt\r\n");
}

TEST(UnattendedRun, ExitCodeIsZeroWithoutSwitchesAndAnUnwrittenLogSpoilsOnlySuccess) {
  const CommandLine plain = ParseCommandLine("");
  const CommandLine logged = ParseCommandLine("/LOG=a.log");
  EXPECT_EQ(ReportedExitCode(plain, kExitWithErrors, true), 0);
  EXPECT_EQ(ReportedExitCode(plain, kExitAlreadyRunning, false), 0);
  EXPECT_EQ(ReportedExitCode(logged, kExitInstalled, true), 0);
  EXPECT_EQ(ReportedExitCode(logged, kExitInstalled, false), 2);
  EXPECT_EQ(ReportedExitCode(logged, kExitNotInstalled, false), 1);
  EXPECT_EQ(ReportedExitCode(logged, kExitBadCommandLine, false), 3);
}
