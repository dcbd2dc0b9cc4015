// The shell's folder browser and the item id lists it answers with.
#pragma once

#include "platform/win/win_messages.h"
#include "platform/win/win_types.h"

struct SHITEMID {
  USHORT cb;  // the item's size, cb itself included
  BYTE abID[1];
};
// Items one after the other, ended by an item whose cb is 0. The browser's lists hold one item:
// the folder's full path. The caller frees a list with CoTaskMemFree.
struct ITEMIDLIST {
  SHITEMID mkid;
};
using LPITEMIDLIST = ITEMIDLIST*;
using LPCITEMIDLIST = const ITEMIDLIST*;
using PIDLIST_ABSOLUTE = ITEMIDLIST*;
using PCIDLIST_ABSOLUTE = const ITEMIDLIST*;

using BFFCALLBACK = int(CALLBACK*)(HWND, UINT, LPARAM, LPARAM);

struct BROWSEINFOW {
  HWND hwndOwner;
  PCIDLIST_ABSOLUTE pidlRoot;
  LPWSTR pszDisplayName;  // MAX_PATH characters: the chosen folder's name
  LPCWSTR lpszTitle;
  UINT ulFlags;
  BFFCALLBACK lpfn;
  LPARAM lParam;
  int iImage;
};
using LPBROWSEINFOW = BROWSEINFOW*;

inline constexpr UINT BIF_RETURNONLYFSDIRS = 0x00000001;
inline constexpr UINT BIF_DONTGOBELOWDOMAIN = 0x00000002;
inline constexpr UINT BIF_STATUSTEXT = 0x00000004;
inline constexpr UINT BIF_EDITBOX = 0x00000010;
inline constexpr UINT BIF_VALIDATE = 0x00000020;
inline constexpr UINT BIF_NEWDIALOGSTYLE = 0x00000040;
inline constexpr UINT BIF_USENEWUI = BIF_NEWDIALOGSTYLE | BIF_EDITBOX;
inline constexpr UINT BIF_NONEWFOLDERBUTTON = 0x00000200;

// What the browser tells its callback, and what the callback may send the browser.
inline constexpr UINT BFFM_INITIALIZED = 1;
inline constexpr UINT BFFM_SELCHANGED = 2;
inline constexpr UINT BFFM_VALIDATEFAILEDW = 4;
inline constexpr UINT BFFM_ENABLEOK = WM_USER + 101;
inline constexpr UINT BFFM_SETSELECTIONW = WM_USER + 103;
inline constexpr UINT BFFM_SETSTATUSTEXTW = WM_USER + 104;
inline constexpr UINT BFFM_SETOKTEXT = WM_USER + 105;

// The browser's controls, for whoever answers it.
inline constexpr int kBrowseFolderTitle = 0x3742;
inline constexpr int kBrowseFolderTree = 0x3741;
inline constexpr int kBrowseFolderEditLabel = 0x3745;
inline constexpr int kBrowseFolderEdit = 0x3744;

// A modal dialog titled "Browse For Folder": lpszTitle over the drives, the folders down to
// the one opened and its folders; a click chooses a folder, a double click opens it, and with
// BIF_EDITBOX a folder's path can be typed. The chosen folder's list, or null on Cancel.
PIDLIST_ABSOLUTE WINAPI SHBrowseForFolderW(LPBROWSEINFOW info);
// The full path of a folder's list into path (MAX_PATH characters); FALSE for no list.
BOOL WINAPI SHGetPathFromIDListW(PCIDLIST_ABSOLUTE list, LPWSTR path);
// A new list for a full path, or null.
PIDLIST_ABSOLUTE WINAPI ILCreateFromPathW(LPCWSTR path);
void WINAPI ILFree(PIDLIST_ABSOLUTE list);
