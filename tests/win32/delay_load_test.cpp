// The exe's delay-load helper, shown on what the exe itself never meets: a DLL or a function that is missing.
// It ends the process with the loader's own status instead of returning into a null call.
#include <gtest/gtest.h>

#include "tests/support/driver.h"

namespace {

// The probe's exit code, or 0 when it cannot be run or does not end. It lies beside this program.
DWORD ProbeExitCode(const char* argument) {
  DWORD code = 0;
  return ui::WaitExit(ui::Start(ui::ProgramFolder() + "delay_probe.exe", argument), &code) ? code : 0;
}

TEST(DelayLoad, MissingDllOrFunctionEndsWithTheLoadersStatus) {
  EXPECT_EQ(ProbeExitCode("dll"), 0xC0000135u);       // STATUS_DLL_NOT_FOUND
  EXPECT_EQ(ProbeExitCode("function"), 0xC0000139u);  // STATUS_ENTRYPOINT_NOT_FOUND
}

}  // namespace
