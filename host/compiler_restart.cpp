// The restart request to running PureBasic IDEs: a registered message broadcast to all top-level windows.
#include <windows.h>

#include "host/compiler_restart.h"
#include "host/compiler_version.h"

namespace {
// The IDE's command code for restarting its compiler.
constexpr WPARAM kRestartCompiler = 10174;
}  // namespace

int RequestCompilerRestart() {
  // Runs the compiler once before the IDEs are asked; its answer is not needed.
  GetCompilerVersion();
  const UINT message = RegisterWindowMessageA("PB_MSG_ID");
  if (message) PostMessageA(HWND_BROADCAST, message, kRestartCompiler, 0);
  return 0;
}
