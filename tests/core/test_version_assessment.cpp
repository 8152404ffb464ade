#include <gtest/gtest.h>

#include <string>

#include "platform/dates.h"
#include "setup/version_assessment.h"

namespace {
const Text kMask("%dd.%mm.%yyyy");
int32_t D(const char* text) { return DateParse(kMask, text); }
const int32_t kSetupDate = D("13.09.2007");

// What the user can end up with: the result of each selectable option.
int32_t ResultOf(const VersionOutcome& o, Selection s, bool shortcut = false) {
  return DialogResultFor(s, o.updateLabel, shortcut);
}

void ExpectRefusal(const VersionOutcome& o, const char* message) {
  EXPECT_FALSE(o.installAvailable);
  EXPECT_FALSE(o.updateAvailable);
  EXPECT_TRUE(o.uninstallForcedUnavailable);
  EXPECT_STREQ(o.refusal, message);
}
}  // namespace

// An installed copy that the setup may update: the update option's label, width and result.
TEST(VersionAssessment, UpdateOfferedWithTheFittingLabel) {
  struct Case {
    int32_t installedVersion;
    const char* installedDate;
    const char* label;
    int width;
    int32_t result;
  };
  for (const Case& c : {Case{1007, "13.09.2007", "reparieren (Setup-Version gleich der installierten)", 340, 3},
                        Case{1007, "12.09.2007", "aktualisieren (Zeitstempelunterschied)", 290, 4},
                        Case{1006, "13.09.2007", "UpDate installieren", 0, 2},
                        Case{1006, "12.09.2007", "UpDate installieren", 0, 2}}) {
    const VersionOutcome o = AssessInstalledVersion(1007, kSetupDate, c.installedVersion, D(c.installedDate));
    EXPECT_FALSE(o.installAvailable) << c.installedDate;
    EXPECT_TRUE(o.updateAvailable) << c.installedDate;
    EXPECT_STREQ(o.updateLabel, c.label);
    EXPECT_EQ(o.updateWidth, c.width) << c.label;
    EXPECT_FALSE(o.uninstallForcedUnavailable) << c.label;
    EXPECT_STREQ(o.refusal, "");
    EXPECT_EQ(ResultOf(o, Selection::update), c.result) << c.label;
  }
}

TEST(VersionAssessment, RefusalsLeaveNothingSelectable) {
  ExpectRefusal(AssessInstalledVersion(1007, kSetupDate, 1007, D("14.09.2007")),
                "Das Setupdatum ist jünger als das der bereits installierten Version und die Versionsnummer ist "
                "gleich der Installierten.\r\rDer Vorgang wird abgebrochen.");
  for (const char* date : {"01.01.2000", "13.09.2007", "01.01.2030"})
    ExpectRefusal(AssessInstalledVersion(1007, kSetupDate, 1008, D(date)),
                  "Die Setupversion ist älter als eine bereits installierte Version.\r\rDer Vorgang wird abgebrochen.");
  ExpectRefusal(AssessInstalledVersion(1007, kSetupDate, 1006, D("14.09.2007")),
                "Das Setupdatum ist jünger als das der bereits installierten Version und die Versionsnummer ist "
                "größer als die Installierte.\r\rDer Vorgang wird abgebrochen.");
  // The texts are code page 1252: one byte per umlaut.
  EXPECT_NE(std::string(kRefusalNewerVersionNewerDate).find("gr\xF6\xDF" "er"), std::string::npos);
  EXPECT_EQ(DialogResultFor(Selection::none, kUpdateLabel, false), 0);
}

TEST(VersionAssessment, NothingRecordedOffersOnlyInstall) {
  for (const auto& [version, date] : {std::pair{1007, D("")}, std::pair{0, D("13.09.2007")}, std::pair{0, 0},
                                      std::pair{2000, D("")}}) {
    const VersionOutcome o = AssessInstalledVersion(1007, kSetupDate, version, date);
    EXPECT_TRUE(o.installAvailable);
    EXPECT_FALSE(o.updateAvailable);
    EXPECT_TRUE(o.uninstallForcedUnavailable);
    EXPECT_STREQ(o.refusal, "");
    EXPECT_EQ(ResultOf(o, Selection::install), 1);
    EXPECT_EQ(ResultOf(o, Selection::install, true), 6);
  }
}

TEST(VersionAssessment, ImpossibleInstalledDateCountsAsRecordedAndOlder) {
  const int32_t impossible = D("31.04.2007");
  ASSERT_EQ(impossible, -1);
  const VersionOutcome same = AssessInstalledVersion(1007, kSetupDate, 1007, impossible);
  EXPECT_FALSE(same.installAvailable);
  EXPECT_EQ(ResultOf(same, Selection::update), 4);
  EXPECT_EQ(ResultOf(AssessInstalledVersion(1007, kSetupDate, 1006, impossible), Selection::update), 2);
}

TEST(VersionAssessment, NegativeInstalledVersionIsComparedLikeAnyOther) {
  const VersionOutcome o = AssessInstalledVersion(1007, kSetupDate, -5, D("01.01.2000"));
  EXPECT_FALSE(o.installAvailable);
  EXPECT_TRUE(o.updateAvailable);
  EXPECT_EQ(ResultOf(o, Selection::update), 2);
  ExpectRefusal(AssessInstalledVersion(-7, kSetupDate, -5, D("01.01.2000")), kRefusalOlderSetup);
}

TEST(VersionAssessment, DialogResultReadsTheLabelBytes) {
  EXPECT_EQ(DialogResultFor(Selection::uninstall, kUpdateLabel, true), 5);
  EXPECT_EQ(DialogResultFor(Selection::none, kRepairLabel, true), 0);
  EXPECT_EQ(DialogResultFor(Selection::update, "reparieren", false), 3);
  EXPECT_EQ(DialogResultFor(Selection::update, "reparierenXYZ", false), 3);
  EXPECT_EQ(DialogResultFor(Selection::update, "Reparieren", false), 2);  // case matters
  EXPECT_EQ(DialogResultFor(Selection::update, "reparier", false), 2);
  EXPECT_EQ(DialogResultFor(Selection::update, "aktualisieren", true), 4);
  EXPECT_EQ(DialogResultFor(Selection::update, "aktualisiere", false), 2);
  EXPECT_EQ(DialogResultFor(Selection::update, "", false), 2);
}

TEST(VersionAssessment, DottedVersionForm) {
  EXPECT_EQ(FormatVersionNumber(1007), Text("000.001.007"));
  EXPECT_EQ(FormatVersionNumber(0), Text("000.000.000"));
  EXPECT_EQ(FormatVersionNumber(123456789), Text("123.456.789"));
  EXPECT_EQ(FormatVersionNumber(1234567890), Text("123.456.789"));  // ten digits: the first nine
  // The minus sign is written first and the zeros are padded in front of it.
  EXPECT_EQ(FormatVersionNumber(-5), Text("000.000.0-5"));
  EXPECT_EQ(FormatVersionNumber(INT32_MIN), Text("-21.474.836"));
}
