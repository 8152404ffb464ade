// The exe's delay-load helper, shown on what the exe itself never meets: a DLL or a function that is missing.
// It ends the process with the loader's own status instead of returning into a null call.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/scoped_resources.h"

namespace {

// The probe's exit code, or 0 when it cannot be run or does not end within a minute. It lies beside this program.
DWORD ProbeExitCode(const char* argument) {
  char program[MAX_PATH];
  const std::string self(program, GetModuleFileNameA(nullptr, program, MAX_PATH));
  const std::string path = self.substr(0, self.find_last_of('\\') + 1) + "delay_probe.exe";
  std::string line = "delay_probe.exe " + std::string(argument);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return 0;
  const ScopedHandle thread(process.hThread);
  const ScopedHandle child(process.hProcess);
  DWORD code = 0;
  if (WaitForSingleObject(child.get(), 60000) != WAIT_OBJECT_0 || !GetExitCodeProcess(child.get(), &code)) return 0;
  return code;
}

TEST(DelayLoad, MissingDllOrFunctionEndsWithTheLoadersStatus) {
  EXPECT_EQ(ProbeExitCode("dll"), 0xC0000135u);       // STATUS_DLL_NOT_FOUND
  EXPECT_EQ(ProbeExitCode("function"), 0xC0000139u);  // STATUS_ENTRYPOINT_NOT_FOUND
}

}  // namespace
