#pragma once
#include "platform/text.h"

// The digit text of a dotted version: its first character, then up to two characters from the third on,
// padded on the left with "0" to three ("1.07" gives "1007"). By reference: the caller holds the text, and a
// view measured larger here.
Text VersionDigitText(const Text& versionText);
