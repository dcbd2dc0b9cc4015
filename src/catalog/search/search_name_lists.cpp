#include "src/catalog/search/search_name_lists.h"

#include <array>

#include "src/catalog/culture_constellation_names.h"
#include "src/catalog/search/search_body_names.h"
#include "src/link/planetarium_profile.h"
#include "src/util/folder_listings.h"

namespace {

// Western figures drawn on the Argo's picture or with their bearer's, so without one of their own.
constexpr std::array<const wchar_t*, 4> WesternArtWithoutPicture{L"puppis", L"carina", L"vela", L"serpens"};
// The Pleiades' picture has a name of its own; the key list still needs the object.
constexpr wchar_t PleiadesTitle[] = L"m45";

void AddConstellations(const std::wstring& installFolder, SearchNameLists& lists) {
  const std::wstring artFolder = installFolder + std::wstring(PlanetariumProfile::SkyCulturesFolder) + L"\\" +
                                 lists.settings.cultureName;
  lists.artTitles = ListFileTitles(artFolder, L"*.png");
  if (lists.settings.westernCulture) {
    lists.constellations.InitConstellationTable();
    lists.artTitles.insert(lists.artTitles.end(), WesternArtWithoutPicture.begin(),
                           WesternArtWithoutPicture.end());
    return;
  }
  lists.cultureNameCount = LoadCultureConstellationNames(installFolder, lists.settings.cultureName,
                                                         lists.constellations, lists.artTitles);
}

void AddNebulaPictures(const std::wstring& installFolder, SearchNameLists& lists) {
  const std::wstring folder = installFolder + std::wstring(PlanetariumProfile::NebulaPicturesFolder);
  lists.messierTitles = ListFileTitles(folder, L"m*.png");
  lists.messierTitles.emplace_back(PleiadesTitle);
  lists.messier = BuildPictureKeys(lists.messierTitles, MessierPictureTags);
  lists.ngcTitles = ListFileTitles(folder, L"n*.png");
  lists.ngc = BuildPictureKeys(lists.ngcTitles, NgcPictureTags);
}

}  // namespace

SearchNameLists BuildSearchNameLists(const std::wstring& installFolder) {
  SearchNameLists lists;
  lists.settings = ReadSearchSettings();
  AddConstellations(installFolder, lists);
  AddNebulaPictures(installFolder, lists);
  lists.stars = ReadStarNameList(installFolder);
  lists.bodyNames.assign(SearchBodyNames.begin(), SearchBodyNames.end());
  lists.starsCatRows = ReadStarCatalogueRows();
  return lists;
}
