#include "setup/instance_name.h"

InstanceMarker InstanceMarkerFor(TextView guardName, int platformId) {
  if (platformId == kPlatformWindowsNt) return {Text("Global\\") + guardName, true};
  return {Text(guardName), false};
}
