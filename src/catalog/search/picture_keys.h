// The search keys of Orvenna's nebula thumbnails: each file title cut before its credit tag,
// the keys sorted without duplicates, and for each key the title that shows it.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct PictureTags {
  std::span<const std::wstring_view> cutting;
  std::span<const std::wstring_view> matching;
  std::size_t titleIndexSize;
};

// The tags of the Messier thumbnails ("m1-hst") and of the NGC ones ("n2237-dss").
extern const PictureTags MessierPictureTags;
extern const PictureTags NgcPictureTags;

inline constexpr int NoPictureTitle = -1;

struct PictureKeys {
  std::vector<std::wstring> keys;
  // Entry k: the index into the titles of key k's picture, NoPictureTitle when it has none.
  std::vector<int> titleIndex;

  // The title's index of the key's picture; NoPictureTitle when the key lies beyond the table.
  int TitleOf(std::size_t key) const;
};

// Each title cut before the first cutting tag found after its first character.
std::wstring CutPictureTitle(std::wstring_view title, std::span<const std::wstring_view> tags);
PictureKeys BuildPictureKeys(const std::vector<std::wstring>& titles, const PictureTags& tags);
