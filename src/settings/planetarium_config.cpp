#include "src/settings/planetarium_config.h"

#include <string>

#include "src/settings/ini_files.h"
#include "src/settings/ini_store.h"
#include "src/util/compare_no_case.h"
#include "src/util/user_folder.h"

void RewritePlanetariumConfig() {
  CIniStore current;
  if (!current.Load(PlanetariumUserFile(PlanetariumConfigIni))) return;
  for (const PlanetariumConfigEntry& entry : PlanetariumConfigEntries) {
    if (!entry.createdWithItsSection && current.FindSection(entry.section) == nullptr) continue;
    if (CompareTextNoCase(current.GetValue(entry.section, entry.key), entry.wanted) != 0)
      WriteIniValue(PlanetariumConfigIni, entry.section, entry.key, entry.wanted);
  }
}
