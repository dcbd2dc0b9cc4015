#include "src/catalog/constellation_art_names.h"

#include <algorithm>
#include <array>

#include "src/catalog/constellation_list.h"
#include "src/link/planetarium_profile.h"
#include "src/util/compare_no_case.h"
#include "src/util/folder_listings.h"

namespace {

constexpr std::array<const wchar_t*, 5> ArtWithoutPicture{L"puppis", L"serpens", L"carina", L"vela",
                                                          L"horologium"};

}  // namespace

std::vector<std::wstring> ListConstellationArtNames(const std::wstring& installFolder) {
  std::vector<std::wstring> names;
  if (!installFolder.empty())
    names = ListFileTitles(installFolder + std::wstring(PlanetariumProfile::WesternArtFolder), L"*.png");
  names.insert(names.end(), ArtWithoutPicture.begin(), ArtWithoutPicture.end());
  for (std::wstring& name : names) {
    std::replace(name.begin(), name.end(), L'-', L' ');
    if (CompareTextNoCase(name, L"hydra") == 0) name = HydraConstellationName;
  }
  return names;
}

bool IsConstellationArtName(const std::vector<std::wstring>& artNames, std::wstring_view name) {
  return std::any_of(artNames.begin(), artNames.end(),
                     [name](const std::wstring& entry) { return CompareTextNoCase(entry, name) == 0; });
}
