// The objects inside one constellation, as the search dialog lists them seven at a time: its
// Messier objects from messier_cat.csv first, then its stars from stars_cat.csv.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "src/catalog/search/search_candidates.h"
#include "src/catalog/search/search_name_lists.h"

struct ConstellationStar {
  std::wstring name;
  int hip = 0;
};

struct ConstellationObjects {
  std::vector<std::wstring> designations;  // as messier_cat.csv writes them
  std::vector<ConstellationStar> stars;
  std::size_t size() const { return designations.size() + stars.size(); }
};

// The constellation's Messier objects, at most 40, without the double star M40, the nebula M43 and
// the companion M32, which the list would show as their neighbours; nullopt, reported, when the
// catalogue cannot be read.
std::optional<std::vector<std::wstring>> ConstellationDesignations(std::wstring_view constellation);
std::vector<ConstellationStar> ConstellationStars(const std::vector<StarCatalogueRow>& rows,
                                                  std::wstring_view constellation);

struct ObjectsPage {
  std::vector<Candidate> candidates;
  int nextPage = 0;
};

// Page page of the objects. A list that ended exactly on the last page shows its first six
// again, and a partly filled page is followed by the first.
ObjectsPage PageOfObjects(const SearchNameLists& lists, const ConstellationObjects& objects, int page);
