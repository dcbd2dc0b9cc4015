#include "src/catalog/search/search_settings.h"

#include <optional>

#include "src/settings/ini_files.h"
#include "src/settings/startup_options.h"
#include "src/util/compare_no_case.h"

namespace {

bool IsOwnLanguageOn(const std::wstring& value) {
  return CompareTextNoCase(value, L"true") == 0 || CompareTextNoCase(value, L"on") == 0;
}

}  // namespace

SearchSettings ReadSearchSettings() {
  SearchSettings settings;
  if (std::optional<std::wstring> ownLanguage =
          ReadIniEntry(ConsoleIniFile, L"search", L"useYourOwnLanguage"))
    settings.useLatinNames = !IsOwnLanguageOn(*ownLanguage);
  settings.westernCulture = ReadSkyCultureSetting(settings.cultureName);
  return settings;
}
