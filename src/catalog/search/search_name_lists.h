// The lists the search dialog matches typed text against, built from Orvenna's files each time
// the dialog opens.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "src/catalog/constellation_name_table.h"
#include "src/catalog/search/picture_keys.h"
#include "src/catalog/search/search_settings.h"
#include "src/catalog/star_catalogue_rows.h"
#include "src/catalog/star_name_list.h"

struct SearchNameLists {
  SearchSettings settings;
  ConstellationNameTable constellations;
  // How many rows of the table are another culture's names; 0 for the western culture.
  std::size_t cultureNameCount = 0;
  std::vector<std::wstring> artTitles;
  std::vector<std::wstring> messierTitles;
  PictureKeys messier;
  std::vector<std::wstring> ngcTitles;
  PictureKeys ngc;
  StarNameList stars;
  std::vector<std::wstring> bodyNames;
  std::vector<StarCatalogueRow> starsCatRows;
};

// The lists from the install folder and the user folder, with the [search] settings. Missing
// files are reported once each and leave their lists empty.
SearchNameLists BuildSearchNameLists(const std::wstring& installFolder);
