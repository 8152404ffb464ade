#pragma once
// The library's one program-wide last-error text, shared by the registry helpers and the banner services.
// Each of those operations empties it on entry and sets one fixed "ERROR, ..." text on failure.
#include "platform/text.h"

Text LastErrorText();
void SetLastErrorText(TextView text);
