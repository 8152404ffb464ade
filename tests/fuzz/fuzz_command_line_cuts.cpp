// The command-line cutting rules of the PureBasic lookup on arbitrary registry data: never crash, and whatever
// directory a rule cuts out ends with a separator, and the second rule leaves no double quote.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "registry/lookup_rules.h"

namespace {
void CheckDirectory(bool counts, const Text& directory) {
  if (!counts || directory.empty()) return;
  const unsigned char last = directory.at(directory.length() - 1);
  if (last != '\\' && last != '/') std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Text commandLine(reinterpret_cast<const char*>(data), static_cast<int>(size));
  Text directory;
  CheckDirectory(CutDirectCommandLine(commandLine, directory), directory);
  directory = Text();
  CheckDirectory(CutSearchedCommandLine(commandLine, directory), directory);
  directory = Text();
  CheckDirectory(CutAssociatedCommandLine(commandLine, directory), directory);
  directory = Text();
  CutLibraryCommandLine(commandLine, directory);
  for (int i = 0; i < directory.length(); ++i)
    if (directory.at(i) == '"') std::abort();
  const Text program = ProgramFromCommandLine(commandLine);
  if (program.length() > commandLine.length()) std::abort();
  return 0;
}
