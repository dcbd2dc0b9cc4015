// The stars of stars_cat.csv as the search's objects list needs them.
#pragma once

#include <string>
#include <vector>

struct StarCatalogueRow {
  std::wstring constellation;  // field 0
  std::wstring name;           // field 4, as the objects list shows it
  std::wstring hip;            // field 1
};

// Every row after the heading line, up to the first line without exactly fifteen fields; empty,
// reported, when the file cannot be opened.
std::vector<StarCatalogueRow> ReadStarCatalogueRows();
