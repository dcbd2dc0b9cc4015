#include "src/catalog/constellation_list.h"

#include "src/util/compare_no_case.h"

namespace {

constexpr std::wstring_view HydraLatinName = L"Hydra";

}  // namespace

void ConstellationList::Fill() {
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::wstring_view latin = WesternConstellationRows[i][0];
    names[i] = latin == HydraLatinName ? HydraConstellationName : latin;
  }
  isolated.fill(0);
}

std::uint8_t ConstellationList::FindIndex(std::wstring_view name) const {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (CompareTextNoCase(names[i], name) == 0) return static_cast<std::uint8_t>(i);
  return NoConstellation;
}
