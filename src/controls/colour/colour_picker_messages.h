// What the colour picker tells its parent (wParam a colour, lParam the picker's control id), and
// what its pop-up tells the picker (wParam a colour; on an ending, lParam the chosen cell's row
// in the low word and column in the high word).
#pragma once

#include "platform/win/win_messages.h"

inline constexpr UINT kColourChanged = WM_USER + 1001;  // to the picker: the hot colour changed
inline constexpr UINT kColourPopupOpened = WM_USER + 1002;
inline constexpr UINT kColourPopupClosed = WM_USER + 1003;
inline constexpr UINT kColourChoiceConfirmed = WM_USER + 1004;
inline constexpr UINT kColourChoiceCancelled = WM_USER + 1005;
