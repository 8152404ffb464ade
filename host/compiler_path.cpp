#include "host/compiler_path.h"

namespace {
bool IsSeparator(unsigned char byte) { return byte == '\\' || byte == '/'; }

bool IsLetter(unsigned char byte) { return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z'); }

// "C:\..." or a network path "\\server\...".
bool IsAbsolutePath(const Text& path) {
  if (IsLetter(path.at(0)) && path.at(1) == ':' && IsSeparator(path.at(2))) return true;
  return IsSeparator(path.at(0)) && IsSeparator(path.at(1));
}
}  // namespace

Text CompilerPathIn(const Text& pureBasicDirectory) {
  if (!IsAbsolutePath(pureBasicDirectory)) return Text();
  return pureBasicDirectory + "compilers\\pbcompiler.exe";
}
