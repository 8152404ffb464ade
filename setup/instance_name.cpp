#include "setup/instance_name.h"

InstanceMarker InstanceMarkerFor(const Text& guardName, int platformId) {
  if (platformId == kPlatformWindowsNt) return {Text("Global\\") + guardName, true};
  return {guardName, false};
}
