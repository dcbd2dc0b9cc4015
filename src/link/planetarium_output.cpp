#include "src/link/planetarium_output.h"

#include "platform/win/file_api.h"
#include "src/link/planetarium_profile.h"
#include "src/settings/ini_store.h"
#include "src/util/user_folder.h"

PlanetariumOutputRead ReadPlanetariumOutput(std::wstring_view section,
                                            std::span<const PlanetariumOutputKey> keys) {
  const std::wstring path = PlanetariumUserFile(PlanetariumProfile::OutputFile);
  CIniStore output;
  if (!output.Load(path, LargestPlanetariumOutput))
    return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES ? PlanetariumOutputRead::Unreadable
                                                                       : PlanetariumOutputRead::Damaged;
  if (output.FindSection(section) != nullptr)
    for (const PlanetariumOutputKey& wanted : keys)
      *wanted.value = output.GetValue(section, wanted.key);
  return PlanetariumOutputRead::Read;
}

bool ReadPlanetariumOutput(std::wstring_view section, std::wstring_view key, std::wstring& out) {
  const PlanetariumOutputKey wanted[] = {{key, &out}};
  return ReadPlanetariumOutput(section, wanted) == PlanetariumOutputRead::Read;
}
