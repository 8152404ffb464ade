// The single-instance guard: a named mutex marks a running copy; a second copy brings the first one forward and ends.
#include <windows.h>

#include <cstdint>

#include "host/window_search.h"
#include "platform/scoped_resources.h"
#include "platform/window_services.h"
#include "setup/instance_name.h"
#include "setup/object_numbers.h"
#include "setup/single_instance.h"

namespace {
int PlatformId() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) ? static_cast<int>(version.dwPlatformId) : 0;
}

bool YieldToRunningInstance(const InstanceMarker& marker, TextView guardName, bool activateRunning) {
  if (activateRunning && marker.activatesRunning) ActivateRunningInstance(guardName);
  return false;
}
}  // namespace

void EnsureSingleInstance(TextView guardName) {
  if (!ClaimSingleInstance(guardName, true)) ProgramEnd();
}

bool ClaimSingleInstance(TextView guardName, bool activateRunning) {
  const InstanceMarker marker = InstanceMarkerFor(guardName, PlatformId());
  // A marker this account may not open belongs to a copy running under another account or at a higher integrity
  // level: it is running all the same.
  if (ScopedHandle running{OpenMutexA(MUTEX_ALL_ACCESS, TRUE, marker.mutexName.c_str())};
      running || GetLastError() == ERROR_ACCESS_DENIED) {
    running.Reset();
    return YieldToRunningInstance(marker, guardName, activateRunning);
  }
  SECURITY_ATTRIBUTES inheritable{};
  inheritable.nLength = sizeof inheritable;
  inheritable.bInheritHandle = TRUE;
  ScopedHandle own(CreateMutexA(&inheritable, TRUE, marker.mutexName.c_str()));
  // A copy started at the same moment may have created it between the open above and this creation, or, for
  // another account, the creation is denied.
  if (own ? GetLastError() == ERROR_ALREADY_EXISTS : GetLastError() == ERROR_ACCESS_DENIED) {
    own.Reset();
    return YieldToRunningInstance(marker, guardName, activateRunning);
  }
  // Held, never closed: the marker lasts as long as this process.
  own.Release();
  return true;
}

Text ActivateRunningInstance(TextView guardName) {
  const intptr_t probe = WindowOpen(kFreshNumber, 0, 0, 10, 10, "", kWindowHidden, nullptr);
  if (!probe) return Text();
  const int probeNumber = static_cast<int>(probe);
  const Text found = FindTitledWindow(probeNumber, guardName);
  WindowClose(probeNumber);
  const HWND window = reinterpret_cast<HWND>(static_cast<intptr_t>(TextToNumber(found)));
  if (window && SetForegroundWindow(window)) return found;
  return Text();
}
