// A plain sleep of the only thread: window messages wait meanwhile.
#include <windows.h>

#include "platform/pause.h"

void Pause(int milliseconds) { Sleep(milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0); }
