// WM_NOTIFY's header, shared by every control that notifies its parent so.
#pragma once

#include "platform/win/win_types.h"

struct NMHDR {
  HWND hwndFrom;
  UINT_PTR idFrom;
  UINT code;
};
using LPNMHDR = NMHDR*;

inline constexpr UINT NM_FIRST = 0u;
inline constexpr UINT NM_CLICK = NM_FIRST - 2u;
inline constexpr UINT NM_DBLCLK = NM_FIRST - 3u;
inline constexpr UINT NM_RETURN = NM_FIRST - 4u;
inline constexpr UINT NM_RCLICK = NM_FIRST - 5u;
inline constexpr UINT NM_CUSTOMDRAW = NM_FIRST - 12u;
