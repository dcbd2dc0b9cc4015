// MulDiv: a * b / c through 64 bits, rounded half away from zero.
#pragma once

#include "platform/win/win_types.h"

// -1 when c is 0 or the result does not fit 32 bits.
int WINAPI MulDiv(int number, int numerator, int denominator);
