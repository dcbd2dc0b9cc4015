// One entry of an ini file in Orvenna's user folder, read or changed: every call loads the
// whole file, and a write saves the whole file again.
#pragma once

#include <optional>
#include <string>
#include <string_view>

inline constexpr wchar_t ConsoleIniFile[] = L"OCconfig.ini";
inline constexpr wchar_t PlanetariumConfigIni[] = L"config.ini";

// False when the file cannot be loaded (out untouched). Otherwise true; out is the value when
// the section exists (empty for a missing key) and untouched when it does not.
bool ReadIniValue(std::wstring_view file, std::wstring_view section, std::wstring_view key,
                  std::wstring& out);
// A missing file is created with the entry. A file that exists but cannot be read is left
// alone and the write fails, so that a passing lock never wipes it.
bool WriteIniValue(std::wstring_view file, std::wstring_view section, std::wstring_view key,
                   std::wstring_view value);
// The value of an entry that exists; nullopt when the file, the section or the key is missing.
std::optional<std::wstring> ReadIniEntry(std::wstring_view file, std::wstring_view section,
                                         std::wstring_view key);
// "true", "yes" or "on" in any case: a switch of the ini files set on.
bool IsIniSwitchOn(std::wstring_view value);
