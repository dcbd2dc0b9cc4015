#include "src/catalog/search/messier_picker_pages.h"

#include <algorithm>
#include <optional>

#include "src/catalog/search/search_candidates.h"
#include "src/link/planetarium_profile.h"
#include "src/util/compare_no_case.h"
#include "src/util/folder_listings.h"

namespace {

// The constellation of M(n + 1), by its Latin name.
constexpr std::array<const wchar_t*, MessierObjectCount> MessierConstellations{
    L"Taurus",
    L"Aquarius",
    L"Canes Venatici",
    L"Scorpius",
    L"Serpens Caput",
    L"Scorpius",
    L"Scorpius",
    L"Sagittarius",
    L"Ophiuchus",
    L"Ophiuchus",
    L"Scutum",
    L"Ophiuchus",
    L"Hercules",
    L"Ophiuchus",
    L"Pegasus",
    L"Serpens Cauda",
    L"Sagittarius",
    L"Sagittarius",
    L"Ophiuchus",
    L"Sagittarius",
    L"Sagittarius",
    L"Sagittarius",
    L"Sagittarius",
    L"Sagittarius",
    L"Sagittarius",
    L"Scutum",
    L"Vulpecula",
    L"Sagittarius",
    L"Cygnus",
    L"Capricornus",
    L"Andromeda",
    L"Andromeda",
    L"Triangulum",
    L"Perseus",
    L"Gemini",
    L"Auriga",
    L"Auriga",
    L"Auriga",
    L"Cygnus",
    L"Ursa Major",
    L"Canis Major",
    L"Orion",
    L"Orion",
    L"Cancer",
    L"Taurus",
    L"Puppis",
    L"Puppis",
    L"Hydra",
    L"Virgo",
    L"Monoceros",
    L"Canes Venatici",
    L"Cassiopeia",
    L"Coma Berenices",
    L"Sagittarius",
    L"Sagittarius",
    L"Lyra",
    L"Lyra",
    L"Virgo",
    L"Virgo",
    L"Virgo",
    L"Virgo",
    L"Ophiuchus",
    L"Canes Venatici",
    L"Coma Berenices",
    L"Leo",
    L"Leo",
    L"Cancer",
    L"Hydra",
    L"Sagittarius",
    L"Sagittarius",
    L"Sagitta",
    L"Aquarius",
    L"Aquarius",
    L"Pisces",
    L"Sagittarius",
    L"Perseus",
    L"Cetus",
    L"Orion",
    L"Lepus",
    L"Scorpius",
    L"Ursa Major",
    L"Ursa Major",
    L"Hydra",
    L"Virgo",
    L"Coma Berenices",
    L"Virgo",
    L"Virgo",
    L"Coma Berenices",
    L"Virgo",
    L"Virgo",
    L"Coma Berenices",
    L"Hercules",
    L"Puppis",
    L"Canes Venatici",
    L"Leo",
    L"Leo",
    L"Ursa Major",
    L"Coma Berenices",
    L"Coma Berenices",
    L"Coma Berenices",
    L"Ursa Major",
    L"Draco",
    L"Cassiopeia",
    L"Virgo",
    L"Leo",
    L"Canes Venatici",
    L"Ophiuchus",
    L"Ursa Major",
    L"Ursa Major",
    L"Andromeda",
};

constexpr wchar_t PleiadesTitle[] = L"m45";

// Objects that the picker shows by a picture of their own name, by a neighbour's, or by their
// caption alone.
struct SpecialObject {
  int object;
  const wchar_t* pictureTitle;  // a file title as it is
  int neighbour;                // 0, or the object whose thumbnail it shares
};
constexpr std::array<SpecialObject, 4> SpecialObjects{{
    {45, L"pleiades", 0},
    {32, nullptr, 31},
    {40, nullptr, 0},
    {43, nullptr, 0},
}};

std::wstring NebulaPicture(const std::wstring& title) {
  return std::wstring(PlanetariumProfile::NebulaPicturesFolder) + L"\\" + title + L".png";
}

std::wstring Caption(const std::wstring& designation, int object) {
  return designation + L", " + MessierConstellations[static_cast<std::size_t>(object - 1)];
}

struct KeyedPicture {
  std::wstring key;
  std::wstring picture;  // empty when the key has no title
};

// The object's key among the thumbnails' keys, and the picture that key shows.
std::optional<KeyedPicture> FindKeyedPicture(const MessierPickerLists& lists, int object) {
  const std::wstring key = L"m" + std::to_wstring(object);
  const auto& keys = lists.keys.keys;
  const auto found = std::find_if(keys.begin(), keys.end(),
                                  [&](const std::wstring& k) { return CompareTextNoCase(k, key) == 0; });
  if (found == keys.end()) return std::nullopt;
  const int title = lists.keys.TitleOf(static_cast<std::size_t>(found - keys.begin()));
  return KeyedPicture{*found, title == NoPictureTitle
                                  ? std::wstring()
                                  : NebulaPicture(lists.titles[static_cast<std::size_t>(title)])};
}

PickerSlot SpecialSlot(const MessierPickerLists& lists, const SpecialObject& special) {
  std::wstring picture;
  if (special.pictureTitle != nullptr) picture = NebulaPicture(special.pictureTitle);
  if (special.neighbour != 0) {
    if (const std::optional<KeyedPicture> shared = FindKeyedPicture(lists, special.neighbour))
      picture = shared->picture;
  }
  return {special.object, picture, Caption(L"M" + std::to_wstring(special.object), special.object)};
}

PickerSlot SlotOf(const MessierPickerLists& lists, int object) {
  const auto special = std::find_if(SpecialObjects.begin(), SpecialObjects.end(),
                                    [object](const SpecialObject& s) { return s.object == object; });
  if (special != SpecialObjects.end()) return SpecialSlot(lists, *special);
  const std::optional<KeyedPicture> keyed = FindKeyedPicture(lists, object);
  if (!keyed) return {};
  return {object, keyed->picture, Caption(UpperCaseKey(keyed->key), object)};
}

}  // namespace

MessierPickerLists BuildMessierPickerLists(const std::wstring& installFolder) {
  MessierPickerLists lists;
  lists.titles =
      ListFileTitles(installFolder + std::wstring(PlanetariumProfile::NebulaPicturesFolder), L"m*.png");
  lists.titles.emplace_back(PleiadesTitle);
  lists.keys = BuildPictureKeys(lists.titles, MessierPictureTags);
  return lists;
}

std::array<PickerSlot, PickerSlots> MessierPickerPage(const MessierPickerLists& lists, int page) {
  std::array<PickerSlot, PickerSlots> slots{};
  const int first = static_cast<int>(PickerSlots) * page;
  const std::size_t steps = std::min(PickerSlots, lists.keys.keys.size());
  for (std::size_t slot = 0; slot < steps && first + static_cast<int>(slot) < MessierObjectCount; ++slot)
    slots[slot] = SlotOf(lists, first + static_cast<int>(slot) + 1);
  return slots;
}

std::wstring CaptionDesignation(const std::wstring& caption) {
  return caption.substr(0, caption.find(L','));
}
