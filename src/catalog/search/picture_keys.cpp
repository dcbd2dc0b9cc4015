#include "src/catalog/search/picture_keys.h"

#include <algorithm>
#include <array>

#include "src/util/compare_no_case.h"

namespace {

using namespace std::string_view_literals;

// The credits and surveys that texture sets put after an object's key.
constexpr std::array MessierCutting{L"-hst"sv, L"-dss"sv, L"-eso"sv, L"-noao"sv, L"-sdss"sv, L"-2mass"sv};
constexpr std::array MessierMatching{L"-hst"sv,  L"-dss"sv,   L"-eso"sv, L"-noao"sv,
                                     L"-sdss"sv, L"-2mass"sv, L"-wide"sv};
constexpr std::array NgcCutting{L"-hst"sv,   L"-dss"sv,  L"-eso"sv,     L"-noao"sv,    L"-sdss"sv,
                                L"-2mass"sv, L"-wide"sv, L"-spitzer"sv, L"-chandra"sv, L"-galex"sv,
                                L"-vlt"sv,   L"-ctio"sv, L"-mosaic"sv};
constexpr std::array NgcMatching{L"-hst"sv,     L"-dss"sv,   L"-eso"sv,  L"-noao"sv,
                                 L"-sdss"sv,    L"-2mass"sv, L"-wide"sv, L"-spitzer"sv,
                                 L"-chandra"sv, L"-galex"sv, L"-vlt"sv,  L"-ctio"sv};

constexpr std::size_t MessierTitleIndexSize = 120;
constexpr std::size_t NgcTitleIndexSize = 100;

bool IsKeyOfTitle(std::wstring_view key, std::wstring_view title, std::span<const std::wstring_view> tags) {
  if (CompareTextNoCase(title, key) == 0) return true;
  if (title.size() <= key.size() || CompareTextNoCase(title.substr(0, key.size()), key) != 0) return false;
  const std::wstring_view tail = title.substr(key.size());
  return std::any_of(tags.begin(), tags.end(),
                     [tail](std::wstring_view tag) { return CompareTextNoCase(tail, tag) == 0; });
}

}  // namespace

const PictureTags MessierPictureTags{MessierCutting, MessierMatching, MessierTitleIndexSize};
const PictureTags NgcPictureTags{NgcCutting, NgcMatching, NgcTitleIndexSize};

int PictureKeys::TitleOf(std::size_t key) const {
  return key < titleIndex.size() ? titleIndex[key] : NoPictureTitle;
}

std::wstring CutPictureTitle(std::wstring_view title, std::span<const std::wstring_view> tags) {
  for (std::wstring_view tag : tags) {
    const std::size_t at = title.find(tag);
    if (at != std::wstring_view::npos && at >= 1) return std::wstring(title.substr(0, at));
  }
  return std::wstring(title);
}

PictureKeys BuildPictureKeys(const std::vector<std::wstring>& titles, const PictureTags& tags) {
  PictureKeys result;
  for (const std::wstring& title : titles)
    result.keys.push_back(CutPictureTitle(title, tags.cutting));
  std::stable_sort(result.keys.begin(), result.keys.end(), CompareNoCase);
  const auto sameKey = [](const std::wstring& a, const std::wstring& b) {
    return CompareTextNoCase(a, b) == 0;
  };
  result.keys.erase(std::unique(result.keys.begin(), result.keys.end(), sameKey), result.keys.end());

  result.titleIndex.assign(tags.titleIndexSize, NoPictureTitle);
  for (std::size_t title = 0; title < titles.size(); ++title) {
    const auto key = std::find_if(result.keys.begin(), result.keys.end(), [&](const std::wstring& candidate) {
      return IsKeyOfTitle(candidate, titles[title], tags.matching);
    });
    const auto keyIndex = static_cast<std::size_t>(key - result.keys.begin());
    if (key != result.keys.end() && keyIndex < result.titleIndex.size())
      result.titleIndex[keyIndex] = static_cast<int>(title);
  }
  return result;
}
