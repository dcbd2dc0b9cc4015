// The common controls' start-up call; every control class is always there, so it only checks
// its argument.
#pragma once

#include "platform/win/win_types.h"

struct INITCOMMONCONTROLSEX {
  DWORD dwSize;
  DWORD dwICC;
};
using LPINITCOMMONCONTROLSEX = INITCOMMONCONTROLSEX*;

inline constexpr DWORD ICC_LISTVIEW_CLASSES = 0x00000001;
inline constexpr DWORD ICC_TREEVIEW_CLASSES = 0x00000002;
inline constexpr DWORD ICC_BAR_CLASSES = 0x00000004;
inline constexpr DWORD ICC_TAB_CLASSES = 0x00000008;
inline constexpr DWORD ICC_UPDOWN_CLASS = 0x00000010;
inline constexpr DWORD ICC_PROGRESS_CLASS = 0x00000020;
inline constexpr DWORD ICC_HOTKEY_CLASS = 0x00000040;
inline constexpr DWORD ICC_ANIMATE_CLASS = 0x00000080;
inline constexpr DWORD ICC_WIN95_CLASSES = 0x000000FF;
inline constexpr DWORD ICC_DATE_CLASSES = 0x00000100;
inline constexpr DWORD ICC_STANDARD_CLASSES = 0x00004000;

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);
