#include "src/settings/ini_files.h"

#include "platform/win/file_api.h"
#include "src/settings/ini_store.h"
#include "src/util/compare_no_case.h"
#include "src/util/user_folder.h"

bool ReadIniValue(std::wstring_view file, std::wstring_view section, std::wstring_view key,
                  std::wstring& out) {
  CIniStore store;
  if (!store.Load(PlanetariumUserFile(file))) return false;
  if (store.FindSection(section) != nullptr) out = store.GetValue(section, key);
  return true;
}

bool WriteIniValue(std::wstring_view file, std::wstring_view section, std::wstring_view key,
                   std::wstring_view value) {
  std::wstring path = PlanetariumUserFile(file);
  CIniStore store;
  if (!store.Load(path) && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  store.SetValue(section, key, value);
  return store.Save(path);
}

std::optional<std::wstring> ReadIniEntry(std::wstring_view file, std::wstring_view section,
                                         std::wstring_view key) {
  CIniStore store;
  if (!store.Load(PlanetariumUserFile(file))) return std::nullopt;
  const CIniStore::Section* found = store.FindSection(section);
  if (found == nullptr) return std::nullopt;
  auto entry = found->entries.find(key);
  if (entry == found->entries.end() || entry->second.bare) return std::nullopt;
  return entry->second.value;
}

bool IsIniSwitchOn(std::wstring_view value) {
  for (std::wstring_view on : {L"true", L"yes", L"on"})
    if (CompareTextNoCase(value, on) == 0) return true;
  return false;
}
