#pragma once
#include "platform/text.h"

// Returns only when no other instance holds the guard; otherwise ends the program with exit code 0.
void EnsureSingleInstance(TextView guardName);
// The guard without ending the program: true once this copy holds it; false when another copy runs, after
// bringing that one's window to the front if activateRunning is set.
bool ClaimSingleInstance(TextView guardName, bool activateRunning);
Text ActivateRunningInstance(TextView guardName);
