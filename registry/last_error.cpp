// The library's one last-error text. A plain module-wide variable: the program has a single thread.
#include "registry/last_error.h"

namespace {
Text lastError;
}

const Text& LastErrorText() { return lastError; }

void SetLastErrorText(const Text& text) { lastError = text; }
