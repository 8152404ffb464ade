// Which setup actions a pair of versions allows. Versions and dates are compared as plain signed integers.
#include "setup/version_assessment.h"

const char kUpdateLabel[] = "UpDate installieren";
const char kRepairLabel[] = "reparieren (Setup-Version gleich der installierten)";
const char kTimestampLabel[] = "aktualisieren (Zeitstempelunterschied)";
const char kRefusalSameVersionNewerDate[] =
    "Das Setupdatum ist jünger als das der bereits installierten Version und die Versionsnummer ist gleich der "
    "Installierten.\r\rDer Vorgang wird abgebrochen.";
const char kRefusalOlderSetup[] =
    "Die Setupversion ist älter als eine bereits installierte Version.\r\rDer Vorgang wird abgebrochen.";
const char kRefusalNewerVersionNewerDate[] =
    "Das Setupdatum ist jünger als das der bereits installierten Version und die Versionsnummer ist größer als "
    "die Installierte.\r\rDer Vorgang wird abgebrochen.";

namespace {
constexpr int kRepairWidth = 340;
constexpr int kTimestampWidth = 290;

VersionOutcome Refuse(const char* message) { return {false, false, kUpdateLabel, 0, true, message}; }
VersionOutcome Offer(const char* label, int width) { return {false, true, label, width, false, ""}; }
}  // namespace

VersionOutcome AssessInstalledVersion(int32_t setupVersion, int32_t setupDate, int32_t installedVersion,
                                      int32_t installedDate) {
  if (installedVersion == 0 || installedDate == 0) return {true, false, kUpdateLabel, 0, true, ""};
  if (installedVersion == setupVersion) {
    if (installedDate == setupDate) return Offer(kRepairLabel, kRepairWidth);
    if (installedDate < setupDate) return Offer(kTimestampLabel, kTimestampWidth);
    return Refuse(kRefusalSameVersionNewerDate);
  }
  if (installedVersion > setupVersion) return Refuse(kRefusalOlderSetup);
  if (installedDate > setupDate) return Refuse(kRefusalNewerVersionNewerDate);
  return Offer(kUpdateLabel, 0);
}

int32_t DialogResultFor(Selection selection, const Text& updateLabel, bool shortcutChecked) {
  switch (selection) {
    case Selection::install: return shortcutChecked ? 6 : 1;
    case Selection::update:
      if (TextLeft(updateLabel, 10) == "reparieren") return 3;
      if (TextLeft(updateLabel, 13) == "aktualisieren") return 4;
      return 2;
    case Selection::uninstall: return 5;
    case Selection::none: break;
  }
  return 0;
}

Text FormatVersionNumber(int32_t number) {
  // A negative number keeps its minus sign inside the nine places, as the digits are padded after it is written.
  const Text digits = TextPadLeft(NumberToText(number), 9, "0");
  return TextMid(digits, 1, 3) + "." + TextMid(digits, 4, 3) + "." + TextMid(digits, 7, 3);
}
