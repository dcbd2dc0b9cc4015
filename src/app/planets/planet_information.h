// What the information box shows about a planet button's body, from solar_system.csv, with the
// labels in the interface language.
#pragma once

#include <string>

#include "src/catalog/solar_system_catalogue.h"

std::wstring PlanetInformation(const SolarSystemBodyRecord& body, bool sun, unsigned language);
