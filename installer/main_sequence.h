#pragma once
#include "installer/run_state.h"

// Release constants, the PureBasic directory, the version number, the description and the setup picture.
void StartUp(RunState& run);
// Asks for the PureBasic directory; false (after telling the user) when the requester was cancelled.
bool SelectInstallRoot(RunState& run);
// Warns when the directory holds no usable purebasic.exe (a silent run only notes it for the log) and makes the
// library folders there.
void CheckHost(RunState& run);
