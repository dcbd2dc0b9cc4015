// The pages of the Messier picker: thirty objects a page, each with its thumbnail from
// Orvenna's nebula pictures and a "M1, Taurus" caption.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "src/catalog/search/picture_keys.h"

inline constexpr std::size_t PickerSlots = 30;
inline constexpr int PickerPages = 4;
inline constexpr int MessierObjectCount = 110;

struct MessierPickerLists {
  std::vector<std::wstring> titles;  // the thumbnails' file titles
  PictureKeys keys;
};

// The thumbnails of the install folder's nebulae\default, and the Pleiades.
MessierPickerLists BuildMessierPickerLists(const std::wstring& installFolder);

struct PickerSlot {
  int object = 0;        // the Messier number; 0 for a slot that shows nothing
  std::wstring picture;  // the file below Orvenna's install folder; empty for none
  std::wstring caption;  // "M1, Taurus"; empty for a slot that shows nothing
};

// Page page (0 to 3): slot i shows M(30 page + i + 1) when the picker knows it.
std::array<PickerSlot, PickerSlots> MessierPickerPage(const MessierPickerLists& lists, int page);

// The designation of a caption: its text up to the first ",".
std::wstring CaptionDesignation(const std::wstring& caption);
