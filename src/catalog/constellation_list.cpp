#include "src/catalog/constellation_list.h"

#include "src/util/compare_no_case.h"

namespace {

// The constellations Orvenna knows by another name than their Latin one.
struct Spelling {
  std::wstring_view latin;
  std::wstring_view orvenna;
};
constexpr Spelling OrvennaSpellings[] = {{L"Hydra", HydraConstellationName}};

std::wstring_view OrvennaName(std::wstring_view latin) {
  for (const Spelling& spelling : OrvennaSpellings)
    if (spelling.latin == latin) return spelling.orvenna;
  return latin;
}

}  // namespace

std::wstring_view CatalogueConstellationName(std::wstring_view orvennaName) {
  for (const Spelling& spelling : OrvennaSpellings)
    if (CompareTextNoCase(spelling.orvenna, orvennaName) == 0) return spelling.latin;
  return orvennaName;
}

void ConstellationList::Fill() {
  for (std::size_t i = 0; i < names.size(); ++i)
    names[i] = OrvennaName(WesternConstellationRows[i][0]);
  isolated.fill(0);
}

std::uint8_t ConstellationList::FindIndex(std::wstring_view name) const {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (CompareTextNoCase(names[i], name) == 0) return static_cast<std::uint8_t>(i);
  return NoConstellation;
}
