#pragma once
#include "platform/text.h"

// Returns only when no other instance holds the guard; otherwise ends the program with exit code 0.
void EnsureSingleInstance(const Text& guardName);
Text ActivateRunningInstance(const Text& guardName);
