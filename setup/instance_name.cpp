#include "setup/instance_name.h"

InstanceMarker InstanceMarkerFor(TextView guardName, int platformId) {
  if (platformId == kPlatformWindowsNt) return {"Global\\" + guardName, true};
  return {Text(guardName), false};
}
