// The sky culture the presenter chose in the advanced options, from OCconfig.ini.
#pragma once

#include <string>

inline constexpr wchar_t WesternSkyCulture[] = L"western";

// True for the western culture, which is also what an unreadable file means; otherwise false
// with the culture's folder name, empty when none is set.
bool ReadSkyCultureSetting(std::wstring& culture);
