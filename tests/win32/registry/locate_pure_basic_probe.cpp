// Prints GetVersion() and what LocatePureBasic finds, each followed by "|", so a test can run the lookup in a
// process that Wine shows another Windows version.
#include <windows.h>

#include <cstdio>

#include "registry/host_lookup.h"

int main() {
  const Text directory = LocatePureBasic();
  std::printf("%08lx|%s|", static_cast<unsigned long>(GetVersion()), directory.c_str());
  return 0;
}
