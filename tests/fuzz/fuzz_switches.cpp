// The installer's command line on arbitrary text: never crash, and a folder that is accepted is absolute and
// ends with exactly the backslash the run appends targets to.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "installer/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CommandLine line = ParseCommandLine(Text(reinterpret_cast<const char*>(data), static_cast<int>(size)));
  if (line.usageError || line.folder.empty()) return 0;
  const Text& folder = line.folder;
  if (folder.at(folder.length() - 1) != '\\' || folder.length() < 3) std::abort();
  if (folder.at(1) != ':' && (folder.at(0) != '\\' || folder.at(1) != '\\')) std::abort();
  return 0;
}
