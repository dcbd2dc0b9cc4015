// The dialogs' look-up of a place in Orvenna's place list, with a progress bar over the dialog
// while the list is read and a message when the list cannot be opened.
#pragma once

#include <string>

#include "platform/win/win_types.h"
#include "src/util/place_list.h"

inline constexpr int PlaceProgressBarId = 4555;

// 1 when the place is in the list, else 0 (also after the message for a list that cannot be
// opened).
int LocationExists(HWND dialog, const std::wstring& placeName);
// The same, and the place's position. A place whose own line gives no position counts as not
// found, so that no other place's position is taken for it.
int LocationExists(HWND dialog, const std::wstring& placeName, PlacePosition& position);
