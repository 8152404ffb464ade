#pragma once
#include "platform/text.h"

// The digit text of a dotted version: its first character, then up to two characters from the third on,
// padded on the left with "0" to three ("1.07" gives "1007").
Text VersionDigitText(TextView versionText);
