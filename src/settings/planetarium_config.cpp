#include "src/settings/planetarium_config.h"

#include <string>

#include "platform/win/file_api.h"
#include "src/settings/ini_files.h"
#include "src/settings/ini_store.h"
#include "src/util/compare_no_case.h"
#include "src/util/user_folder.h"

bool RewritePlanetariumConfig() {
  const std::wstring path = PlanetariumUserFile(PlanetariumConfigIni);
  CIniStore current;
  // Orvenna makes a missing file at its first start.
  if (!current.Load(path)) return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
  bool written = true;
  for (const PlanetariumConfigEntry& entry : PlanetariumConfigEntries) {
    if (!entry.createdWithItsSection && current.FindSection(entry.section) == nullptr) continue;
    if (CompareTextNoCase(current.GetValue(entry.section, entry.key), entry.wanted) != 0)
      written = WriteIniValue(PlanetariumConfigIni, entry.section, entry.key, entry.wanted) && written;
  }
  return written;
}
