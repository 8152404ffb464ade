#pragma once
// The single-instance marker's name and whether a second copy looks for the first one's window.
#include "platform/text.h"

// The platform identifier GetVersionExA reports for the Windows NT family.
constexpr int kPlatformWindowsNt = 2;

struct InstanceMarker {
  Text mutexName;
  bool activatesRunning;  // a second copy brings the running copy's window to the front before it ends
};

// On the NT family the marker lives in the machine-wide name space ("Global\" + guard name), seen by every logon;
// elsewhere it is the guard name itself and a second copy ends without looking for a window.
InstanceMarker InstanceMarkerFor(TextView guardName, int platformId);
