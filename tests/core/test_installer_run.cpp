#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installer/install_log.h"
#include "installer/payload_catalogue.h"
#include "installer/run_state.h"
#include "installer/version_number.h"

namespace {

RunState StartedRun() {
  RunState run;
  SetReleaseConstants(run);
  DeriveVersionNumber(run);
  BuildDescriptionText(run);
  return run;
}

std::vector<std::string> Lines(const Text& text) {
  std::vector<std::string> lines(1);
  for (int i = 0; i < text.length(); ++i) {
    if (text.c_str()[i] == '\r')
      lines.emplace_back();
    else
      lines.back() += text.c_str()[i];
  }
  return lines;
}

}  // namespace

TEST(InstallerRun, VersionTextBecomesItsDigitTextAndNumber) {
  EXPECT_STREQ(VersionDigitText("1.07").c_str(), "1007");
  EXPECT_STREQ(VersionDigitText("2.1").c_str(), "2001");   // one digit after the dot is padded
  EXPECT_STREQ(VersionDigitText("3.456").c_str(), "3045");  // only two characters are taken
  EXPECT_STREQ(VersionDigitText("4").c_str(), "4000");
  EXPECT_STREQ(VersionDigitText("").c_str(), "000");

  const RunState run = StartedRun();
  EXPECT_STREQ(run.versionText.c_str(), "1007");
  EXPECT_EQ(run.versionNumber, 1007);
  EXPECT_STREQ(run.releaseDate.c_str(), "13.09.2007");
}

TEST(InstallerRun, StartUpSetsTargetsAndDescription) {
  const RunState run = StartedRun();
  EXPECT_STREQ(run.libraryTarget.c_str(), "purelibraries\\userlibraries\\Velkor_400");
  EXPECT_STREQ(run.helpTarget.c_str(), "help\\Velkor400.chm");
  EXPECT_STREQ(run.examplesFolder.c_str(), "examples\\QZLibs");
  EXPECT_EQ(Lines(run.descriptionText),
            (std::vector<std::string>{"UserLibrary f\xFCr die Windowsversion von PureBasic.",
                                      "PB-Versionen: 4.00, 4.01, 4.02, 4.10", "",
                                      "Die Library ist Windows Vista tauglich."}));
}

TEST(InstallerRun, CatalogueTargetsFollowTheRunStateTargets) {
  RunState run = StartedRun();
  const char* expected[kCatalogueItemCount] = {
      "purelibraries\\userlibraries\\Velkor_400", "help\\Velkor400.chm",
      "examples\\QZLibs\\bilder\\00001.bmp",      "examples\\QZLibs\\bilder\\00002.bmp",
      "examples\\QZLibs\\bilder\\00003.bmp",      "examples\\QZLibs\\bilder\\00004.bmp",
      "examples\\QZLibs\\bilder\\00005.bmp",      "examples\\QZLibs\\bilder\\00006.bmp",
      "examples\\QZLibs\\Velkor_400_test.pb"};
  const PayloadId blocks[kCatalogueItemCount] = {PayloadId::Library,  PayloadId::Help,     PayloadId::Picture1,
                                                 PayloadId::Picture2, PayloadId::Picture3, PayloadId::Picture4,
                                                 PayloadId::Picture5, PayloadId::Picture6, PayloadId::Example};
  for (int i = 0; i < kCatalogueItemCount; ++i) {
    const CatalogueItem item = CatalogueItemAt(run, i);
    EXPECT_STREQ(item.target.c_str(), expected[i]) << i;
    EXPECT_EQ(item.block, blocks[i]) << i;
  }
  run.examplesFolder = "beispiele";
  EXPECT_STREQ(CatalogueItemAt(run, 8).target.c_str(), "beispiele\\Velkor_400_test.pb");
}

// A stale error flag or byte counter from before the start would turn the verdict of a clean run.
TEST(InstallerRun, LogStartClearsTheFlagsAndTheVerdictFollowsTheErrorFlag) {
  RunState run = StartedRun();
  run.errorFlag = 1;
  run.byteCounter = 77;
  InstallLogStart(run);
  EXPECT_EQ(run.errorFlag, 0);
  EXPECT_EQ(run.byteCounter, 0);
  InstallLogAppendVerdict(run);
  EXPECT_EQ(Lines(run.installLog),
            (std::vector<std::string>{"Starte die Installation ...", "", "", "Installation erfolgreich abgeschlossen"}));

  InstallLogStart(run);
  run.errorFlag = 1;
  InstallLogAppendVerdict(run);
  InstallLogAppendRestartAttempt(run);
  InstallLogAppendClosingLines(run);
  const std::vector<std::string> lines = Lines(run.installLog);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[3], "Installation mit Fehlern beendet");
  EXPECT_EQ(lines[5], "Es wird versucht, den Compiler neu zu starten ...");
  EXPECT_EQ(lines[10], "Hilfe einzubinden.");
}
