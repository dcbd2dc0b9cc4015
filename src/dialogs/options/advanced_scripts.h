// The scripts of the advanced options' buttons that act on Orvenna at once.
#pragma once

#include <string>

#include "platform/win/win_types.h"

// Both star scales (a slider's position over 100) and the star labels.
std::wstring StarAppearanceScript(int absolutePosition, int relativePosition, bool starNames);
// The date as "date T time".
std::wstring StartDateTestScript(const std::wstring& datePart, const std::wstring& timePart);
// Today as the test writes the system date: a five-digit year.
std::wstring SystemDatePart(const SYSTEMTIME& today);
// A chosen day: the year without leading zeros.
std::wstring ChosenDatePart(const SYSTEMTIME& day);
std::wstring TimePart(const SYSTEMTIME& time);
std::wstring ApplyBoundariesScript(COLORREF colour);
// The boundaries alone for two seconds in that colour, in the western sky culture.
std::wstring TestBoundariesScript(COLORREF colour);
std::wstring MoonScaleScript(bool on);
