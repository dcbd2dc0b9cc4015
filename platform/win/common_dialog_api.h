// The common dialogs: the colour dialog, the open and save dialogs, and their error code.
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

using LPOFNHOOKPROC = UINT_PTR(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

struct OPENFILENAMEW {
  DWORD lStructSize;
  HWND hwndOwner;
  HINSTANCE hInstance;
  LPCWSTR lpstrFilter;  // pairs of a description and its patterns, each ending in a zero, then a zero
  LPWSTR lpstrCustomFilter;
  DWORD nMaxCustFilter;
  DWORD nFilterIndex;  // from 1
  LPWSTR lpstrFile;    // the initial name in, the full path out
  DWORD nMaxFile;
  LPWSTR lpstrFileTitle;  // the name without its folder, out
  DWORD nMaxFileTitle;
  LPCWSTR lpstrInitialDir;
  LPCWSTR lpstrTitle;
  DWORD Flags;
  WORD nFileOffset;     // where the name starts in lpstrFile
  WORD nFileExtension;  // where the extension starts, after its dot
  LPCWSTR lpstrDefExt;
  LPARAM lCustData;
  LPOFNHOOKPROC lpfnHook;
  LPCWSTR lpTemplateName;
  void* pvReserved;
  DWORD dwReserved;
  DWORD FlagsEx;
};
using LPOPENFILENAMEW = OPENFILENAMEW*;

inline constexpr DWORD OFN_READONLY = 0x00000001;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
inline constexpr DWORD OFN_SHOWHELP = 0x00000010;
inline constexpr DWORD OFN_ENABLEHOOK = 0x00000020;
inline constexpr DWORD OFN_ENABLETEMPLATE = 0x00000040;
inline constexpr DWORD OFN_NOVALIDATE = 0x00000100;
inline constexpr DWORD OFN_EXTENSIONDIFFERENT = 0x00000400;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
inline constexpr DWORD OFN_CREATEPROMPT = 0x00002000;
inline constexpr DWORD OFN_NOREADONLYRETURN = 0x00008000;
inline constexpr DWORD OFN_EXPLORER = 0x00080000;
inline constexpr DWORD OFN_LONGNAMES = 0x00200000;
inline constexpr DWORD OFN_ENABLESIZING = 0x00800000;
inline constexpr DWORD OFN_DONTADDTORECENT = 0x02000000;
inline constexpr DWORD OFN_FORCESHOWHIDDEN = 0x10000000;

// What CommDlgExtendedError answers after a common dialog failed; 0 after a cancel.
inline constexpr DWORD CDERR_DIALOGFAILURE = 0xFFFF;
inline constexpr DWORD CDERR_STRUCTSIZE = 0x0001;
inline constexpr DWORD CDERR_INITIALIZATION = 0x0002;
inline constexpr DWORD FNERR_INVALIDFILENAME = 0x3002;
inline constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;

// The open and save dialogs' controls, for whoever answers them.
inline constexpr int chx1 = 0x0410;  // "Open as read-only"
inline constexpr int stc2 = 0x0441;  // "Files of type:"
inline constexpr int stc3 = 0x0442;  // "File name:"
inline constexpr int stc4 = 0x0443;  // "Look in:"
inline constexpr int lst1 = 0x0460;  // the folders and files of the folder shown
inline constexpr int cmb1 = 0x0470;  // the filters
inline constexpr int cmb2 = 0x0471;  // the folder shown, its parents and the drives
inline constexpr int edt1 = 0x0480;  // the name
inline constexpr int psh1 = 0x0400;  // up one folder

// Modal dialogs titled "Open" and "Save As" (or lpstrTitle): the folder's folders and files
// that match the chosen filter, the folders above it and the drives to go to, the name typed
// or picked. A name with wildcards filters the list; a folder's name goes into it; a file's name
// is checked against OFN_PATHMUSTEXIST, OFN_FILEMUSTEXIST and OFN_OVERWRITEPROMPT, gets
// lpstrDefExt when it has no extension, and ends the dialog. TRUE with lpstrFile, lpstrFileTitle,
// nFileOffset, nFileExtension, nFilterIndex and Flags set; FALSE on Cancel, or on a failure that
// CommDlgExtendedError names.
BOOL WINAPI GetOpenFileNameW(LPOPENFILENAMEW request);
BOOL WINAPI GetSaveFileNameW(LPOPENFILENAMEW request);
DWORD WINAPI CommDlgExtendedError();
