#pragma once
// Dates as whole seconds since 1 January 1970 on the local clock (no time-zone shift); -1 marks an invalid date.
#include "platform/text.h"

Text DateFormat(TextView mask, int32_t date);
int32_t DateParse(TextView mask, TextView text);
