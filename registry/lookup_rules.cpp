#include "registry/lookup_rules.h"

namespace {

constexpr char kMarker[] = "PUREBASIC.EXE";
// The bits of a GetVersion() value that choose the branch: on the NT family, the low byte of the build number.
constexpr uint32_t kPlatformBranchBits = 0x00FF0000u;

// By reference: the callers hold an upper-cased text, and a view measured larger here.
bool NamesPureBasic(const Text& upperText) { return TextFind(upperText, kMarker) != 0; }

bool IsSeparator(unsigned char byte) { return byte == '\\' || byte == '/'; }

bool IsLetter(unsigned char byte) { return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z'); }

}  // namespace

bool PlatformTakesClassesRoot(uint32_t version) { return (version & kPlatformBranchBits) != 0; }

bool CutDirectCommandLine(TextView commandLine, Text& directory) {
  if (!NamesPureBasic(TextUpper(commandLine))) return false;
  // Only an opening quote is dropped: an unquoted command line keeps its drive letter.
  const int start = commandLine.at(0) == '"' ? 2 : 1;
  directory = PathPart(TextMid(commandLine, start, commandLine.length() - 6 - (start - 1)));
  return true;
}

bool CutLibraryCommandLine(TextView commandLine, Text& directory) {
  const Text upper = TextUpper(commandLine);
  const int position = TextFind(upper, kMarker);
  if (!position) return false;
  directory = TextRemove(TextLeft(upper, position - 1), "\"");
  return true;
}

bool CutSearchedCommandLine(TextView commandLine, Text& directory) {
  // Without an opening quote there is no quoted program path to take.
  if (commandLine.at(0) != '"') return false;
  const int quote = TextFind(commandLine, "\"", 3);
  const Text quoted = TextUpper(TextMid(commandLine, 2, quote - 2));
  if (!NamesPureBasic(quoted)) return false;
  directory = PathPart(quoted);
  return true;
}

bool CutAssociatedCommandLine(TextView program, Text& directory) {
  const Text upper = TextUpper(program);
  if (!NamesPureBasic(upper)) return false;
  directory = PathPart(upper);
  return true;
}

Text ProgramFromCommandLine(TextView commandLine) {
  const int position = TextFind(TextLower(commandLine), ".exe");
  if (!position) return Text(commandLine);
  return TextRemove(TextLeft(commandLine, position + 4), "\"");
}

bool IsAbsoluteDirectory(TextView directory) {
  if (IsLetter(directory.at(0)) && directory.at(1) == ':' && IsSeparator(directory.at(2))) return true;
  return IsSeparator(directory.at(0)) && IsSeparator(directory.at(1));
}
