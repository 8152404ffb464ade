// The library's one last-error text. A plain module-wide variable: the program has a single thread.
#include "platform/last_error.h"

namespace {
Text gLastError;
}

Text LastErrorText() { return gLastError; }

void SetLastErrorText(TextView text) { gLastError = Text(text); }
