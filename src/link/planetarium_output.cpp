#include "src/link/planetarium_output.h"

#include "src/link/planetarium_profile.h"
#include "src/settings/ini_store.h"
#include "src/util/user_folder.h"

bool ReadPlanetariumOutput(std::wstring_view section, std::wstring_view key, std::wstring& out) {
  CIniStore output;
  if (!output.Load(PlanetariumUserFile(PlanetariumProfile::OutputFile))) return false;
  if (output.FindSection(section) != nullptr) out = output.GetValue(section, key);
  return true;
}
