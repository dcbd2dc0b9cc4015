// The start-up options of OCconfig.ini with their defaults. When the file is missing the
// presenter is told it is being made, and the default is written back; when that write fails
// too, the reader shows the key's error and gives up, leaving the later values as they were.
// A file that is there but cannot be read (a folder in its place) fails each read silently,
// since the start-up reports it once.
#pragma once

#include <string>

inline constexpr wchar_t TodayStartDate[] = L"today";
inline constexpr wchar_t NowStartTime[] = L"now";
inline constexpr wchar_t WesternSkyCulture[] = L"western";

// Each on when its value is "true" or "on"; false after an error.
bool ReadStartupToggles(bool& atmosphere, bool& fog, bool& milkyWay);
// 1 to 250 each, else the defaults 100 and 110; false after an error.
bool ReadStarMagnitudes(int& absolute, int& relative);
// Three decimal texts from 0 to 1, all "1.0" when the stored colour is not one; false after
// an error.
bool ReadBoundariesColor(std::wstring& red, std::wstring& green, std::wstring& blue);
// "today" or a date text, "now" or a time text; false after an error.
bool ReadStartDateTime(std::wstring& date, std::wstring& time);
// True for the western culture (also when the file cannot be read or the value is missing or
// empty), false for another.
bool ReadSkyCultureSetting(std::wstring& culture);
