// The common dialogs: the colour dialog.
#pragma once

#include "platform/win/win_types.h"

using LPCCHOOKPROC = UINT_PTR(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

struct CHOOSECOLORW {
  DWORD lStructSize;
  HWND hwndOwner;
  HWND hInstance;
  COLORREF rgbResult;
  COLORREF* lpCustColors;  // sixteen colours, read at the start and written back on OK
  DWORD Flags;
  LPARAM lCustData;
  LPCCHOOKPROC lpfnHook;
  LPCWSTR lpTemplateName;
};
using LPCHOOSECOLORW = CHOOSECOLORW*;

inline constexpr DWORD CC_RGBINIT = 0x00000001;
inline constexpr DWORD CC_FULLOPEN = 0x00000002;
inline constexpr DWORD CC_PREVENTFULLOPEN = 0x00000004;
inline constexpr DWORD CC_SHOWHELP = 0x00000008;
inline constexpr DWORD CC_SOLIDCOLOR = 0x00000080;
inline constexpr DWORD CC_ANYCOLOR = 0x00000100;

// The colour dialog's controls, for whoever answers it.
inline constexpr int COLOR_LUMSCROLL = 702;
inline constexpr int COLOR_HUE = 703;
inline constexpr int COLOR_SAT = 704;
inline constexpr int COLOR_LUM = 705;
inline constexpr int COLOR_RED = 706;
inline constexpr int COLOR_GREEN = 707;
inline constexpr int COLOR_BLUE = 708;
inline constexpr int COLOR_CURRENT = 709;
inline constexpr int COLOR_RAINBOW = 710;
inline constexpr int COLOR_ADD = 712;
inline constexpr int COLOR_MIX = 719;
inline constexpr int kColourBasicFirstId = 720;   // the 48 basic colours: 720 to 767
inline constexpr int kColourCustomFirstId = 768;  // the 16 custom colours: 768 to 783
inline constexpr int kColourBasicCount = 48;      // eight columns, six rows
inline constexpr int kColourCustomCount = 16;     // eight columns, two rows

// A modal dialog titled "Color": 48 basic colours and 16 custom ones to click, and when opened
// in full (CC_FULLOPEN, or "Define Custom Colors >>") a spectrum of hues and saturations and a
// luminance bar to click, the hue, saturation and luminance and the red, green and blue of the
// colour being made, its preview and "Add to Custom Colors". TRUE on OK with rgbResult and the custom
// colours set; FALSE on Cancel, leaving both as they were.
BOOL WINAPI ChooseColorW(LPCHOOSECOLORW choose);
// The basic colour of a cell, 0 to 47, row by row.
COLORREF ColourDialogBasicColour(int index);
