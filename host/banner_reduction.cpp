// Reduction of the compiler's banner: "PureBasic 4.10 (Windows - x86)" becomes "4.10".
#include "host/banner_reduction.h"

namespace {
// Removed one after the other, in this order, from the upper-cased banner line.
const char* const kBannerNoise[] = {"PUREBASIC", "WINDOWS", "X86", "(", ")", "-"};
}  // namespace

Text BannerLineFromBlock(const char* bytes, int count) {
  Text line = TextFromMemory(bytes, count);
  const int lineEnd = TextFind(line, "\r");
  if (lineEnd) line = TextLeft(line, lineEnd - 1);
  line = TextUpper(line);
  if (line.empty()) return line;
  const int v = TextFind(line, "V");
  if (!v) return line;
  const int bracket = TextFind(line, "(", v + 1);
  // Without a "(" the count is negative, which leaves nothing.
  return TextMid(line, v + 1, bracket - v - 2);
}

Text VersionFromBannerLine(const Text& bannerLine) {
  Text version = bannerLine;
  for (const char* noise : kBannerNoise) version = TextRemove(version, noise);
  return TextTrim(version);
}
