#include "src/catalog/planet_display_name.h"

#include "src/catalog/solar_system_names.h"
#include "src/settings/console_settings.h"
#include "src/util/localized_text.h"

std::wstring PlanetDisplayName(int code, unsigned language) {
  if (code >= 0 && code < static_cast<int>(PlanetButtonBodies.size()))
    return LoadResourceText(PlanetButtonBodies[static_cast<std::size_t>(code)].displayNameId + language);
  const int index = code - FirstListCode;
  if (index < 0 || index >= static_cast<int>(SolarSystemBodyCount)) return {};
  for (const PlanetButtonBody& body : PlanetButtonBodies)
    if (body.listIndex == static_cast<std::size_t>(index))
      return LoadResourceText(body.displayNameId + language);
  return std::wstring(SolarSystemNameTable[static_cast<std::size_t>(index)][0]);
}

std::wstring GetPlanetDisplayName(int code) {
  return PlanetDisplayName(code, ReadLanguage());
}
