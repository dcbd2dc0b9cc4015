// Milliseconds since a moment of the system clock (UTC).
#pragma once

#include "platform/win/win_types.h"

// 0 when now is not later than start.
double MillisecondsSince(const SYSTEMTIME& start);
