// What the information box shows about an object the Find button found in the console's
// catalogues, with the labels in the interface language.
#pragma once

#include <string>

#include "src/catalog/messier_catalogue.h"
#include "src/catalog/star_catalogue.h"

std::wstring StarInformation(const std::wstring& name, const StarCatalogueRecord& star, unsigned language);
std::wstring MessierInformation(const MessierCatalogueRecord& object, unsigned language);
// A whole number of light years with the digit grouping of the user's locale.
std::wstring GroupedLightYears(const std::wstring& text);
