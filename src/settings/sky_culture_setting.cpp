#include "src/settings/sky_culture_setting.h"

#include "src/settings/ini_files.h"
#include "src/util/compare_no_case.h"

namespace {
constexpr wchar_t SearchSection[] = L"search";
constexpr wchar_t SkyCultureKey[] = L"SkyCulture";
}  // namespace

bool ReadSkyCultureSetting(std::wstring& culture) {
  std::wstring value;
  if (!ReadIniValue(ConsoleIniFile, SearchSection, SkyCultureKey, value) ||
      CompareTextNoCase(value, WesternSkyCulture) == 0) {
    culture = WesternSkyCulture;
    return true;
  }
  culture = value;
  return false;
}
