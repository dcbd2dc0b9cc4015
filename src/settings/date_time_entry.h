// The date and time typed on the keypad, kept in the state record until the time buttons use
// or clear them.
#pragma once

#include <string>

#include "src/settings/console_state.h"

// Stores both texts; the entry counts as set unless notEntered is given, as a clearing does.
void SetDateTimeEntry(CConsoleState& state, std::wstring date, std::wstring time, bool notEntered);
std::wstring GetDateTimeEntryDate(const CConsoleState& state);
std::wstring GetDateTimeEntryTime(const CConsoleState& state);
