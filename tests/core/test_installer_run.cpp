#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installer/install_log.h"
#include "installer/installer_texts.h"
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

// Plays the extraction's log steps as the extraction does, with each item's outcome given.
void LogExtraction(RunState& run, const bool itemWritten[kCatalogueItemCount], const bool directoryMade[4]) {
  for (const ExtractionStep& step : kExtractionSteps) {
    if (step.kind == StepKind::Directory) {
      const DirectoryStep& directory = kDirectorySteps[step.index];
      if (directoryMade[step.index] && directory.successLine) InstallLogAppend(run, directory.successLine);
      continue;
    }
    const CatalogueItem item = CatalogueItemAt(run, step.index);
    if (itemWritten[step.index]) {
      InstallLogAppend(run, item.successLine);
    } else {
      InstallLogAppend(run, item.failureLine);
      run.errorFlag = 1;
    }
  }
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

TEST(InstallerRun, StartUpSetsTargetsDescriptionAndZeroedState) {
  const RunState run = StartedRun();
  EXPECT_STREQ(run.libraryTarget.c_str(), "purelibraries\\userlibraries\\Velkor_400");
  EXPECT_STREQ(run.helpTarget.c_str(), "help\\Velkor400.chm");
  EXPECT_STREQ(run.examplesFolder.c_str(), "examples\\QZLibs");
  EXPECT_EQ(Lines(run.descriptionText),
            (std::vector<std::string>{"UserLibrary f\xFCr die Windowsversion von PureBasic.",
                                      "PB-Versionen: 4.00, 4.01, 4.02, 4.10", "",
                                      "Die Library ist Windows Vista tauglich."}));
  EXPECT_EQ(run.installedVersion, 0);
  EXPECT_TRUE(run.installedDate.empty());
  EXPECT_EQ(run.errorFlag, 0);
  EXPECT_EQ(run.finishedFlag, 0);
}

TEST(InstallerRun, OnlyResultsOneToFourInstall) {
  for (int result : {1, 2, 3, 4}) EXPECT_TRUE(DialogResultInstalls(result)) << result;
  for (int result : {0, 5, 6, -1, 7}) EXPECT_FALSE(DialogResultInstalls(result)) << result;
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

TEST(InstallerRun, EveryItemIsExtractedOnceAndHelpFolderComesBeforeHelpFile) {
  int itemSeen[kCatalogueItemCount] = {};
  int position = 0, helpFolderAt = -1, helpFileAt = -1, picturesFolderAt = -1, firstPictureAt = -1;
  for (const ExtractionStep& step : kExtractionSteps) {
    if (step.kind == StepKind::Item) {
      ++itemSeen[step.index];
      if (step.index == 1) helpFileAt = position;
      if (step.index == 2) firstPictureAt = position;
    } else {
      if (step.index == 0) helpFolderAt = position;
      if (step.index == 3) picturesFolderAt = position;
    }
    ++position;
  }
  for (int i = 0; i < kCatalogueItemCount; ++i) EXPECT_EQ(itemSeen[i], 1) << i;
  EXPECT_LT(helpFolderAt, helpFileAt);
  EXPECT_LT(picturesFolderAt, firstPictureAt);
  EXPECT_STREQ(kDirectorySteps[0].folder, "Help");
  EXPECT_EQ(kDirectorySteps[0].successLine, nullptr);
}

TEST(InstallerRun, FirstInstallLogHasTheTwentyThreeLines) {
  RunState run = StartedRun();
  InstallLogStart(run);
  const bool written[kCatalogueItemCount] = {true, true, true, true, true, true, true, true, true};
  const bool made[4] = {true, true, true, true};
  LogExtraction(run, written, made);
  InstallLogAppendVerdict(run);
  InstallLogAppendRestartAttempt(run);
  InstallLogAppendClosingLines(run);
  EXPECT_EQ(Lines(run.installLog),
            (std::vector<std::string>{"Starte die Installation ...",
                                      "",
                                      "Library entpackt",
                                      "Library Hilfe entpackt",
                                      "Directory <Examples> erstellt",
                                      "Directory <Examples\\QZLibs> erstellt",
                                      "Directory <Examples\\QZLibs\\Bilder> erstellt",
                                      "Bild 1 f\xFCr Demo entpackt",
                                      "Bild 2 f\xFCr Demo entpackt",
                                      "Bild 3 f\xFCr Demo entpackt",
                                      "Bild 4 f\xFCr Demo entpackt",
                                      "Bild 5 f\xFCr Demo entpackt",
                                      "Bild 6 f\xFCr Demo entpackt",
                                      "Beispiel 1 entpackt",
                                      "",
                                      "Installation erfolgreich abgeschlossen",
                                      "",
                                      "Es wird versucht, den Compiler neu zu starten ...",
                                      "",
                                      "Sollte die Library nicht eingebunden worden sein,",
                                      "weil der Compiler nicht neu gestartet werden konnte,",
                                      "so starten Sie bitte neu um die Library und deren",
                                      "Hilfe einzubinden."}));
  EXPECT_NE(run.installLog.at(run.installLog.length() - 1), '\r');
}

TEST(InstallerRun, OneFailedItemTurnsTheVerdict) {
  RunState run = StartedRun();
  run.errorFlag = 1;
  run.byteCounter = 77;
  InstallLogStart(run);
  EXPECT_EQ(run.errorFlag, 0);
  EXPECT_EQ(run.byteCounter, 0);
  EXPECT_STREQ(run.installLog.c_str(), "Starte die Installation ...\r");

  const bool written[kCatalogueItemCount] = {true, false, true, true, true, true, true, true, true};
  const bool made[4] = {false, false, false, false};
  LogExtraction(run, written, made);
  InstallLogAppendVerdict(run);
  const std::vector<std::string> lines = Lines(run.installLog);
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[3], "Library Hilfe nicht entpackt");
  EXPECT_EQ(lines[4], "Bild 1 f\xFCr Demo entpackt");
  EXPECT_EQ(lines[12], "Installation mit Fehlern beendet");
}
