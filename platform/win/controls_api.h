// The standard controls: class names, styles, messages, notifications and the records that
// travel with them (owner drawing, tooltips' tools, WM_NOTIFY headers), with Windows' values.
#pragma once

#include "platform/win/resource_api.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_types.h"

inline constexpr const wchar_t* WC_BUTTONW = L"Button";
inline constexpr const wchar_t* WC_STATICW = L"Static";
inline constexpr const wchar_t* WC_EDITW = L"Edit";
inline constexpr const wchar_t* WC_COMBOBOXW = L"ComboBox";
inline constexpr const wchar_t* WC_LISTBOXW = L"ListBox";
inline constexpr const wchar_t* PROGRESS_CLASSW = L"msctls_progress32";
inline constexpr const wchar_t* TRACKBAR_CLASSW = L"msctls_trackbar32";
inline constexpr const wchar_t* TOOLTIPS_CLASSW = L"tooltips_class32";
inline constexpr const wchar_t* UPDOWN_CLASSW = L"msctls_updown32";
inline constexpr const wchar_t* DATETIMEPICK_CLASSW = L"SysDateTimePick32";
inline constexpr const wchar_t* MONTHCAL_CLASSW = L"SysMonthCal32";
inline constexpr const wchar_t* WC_LISTVIEWW = L"SysListView32";
inline constexpr const wchar_t* WC_HEADERW = L"SysHeader32";

// WM_GETDLGCODE
inline constexpr LRESULT DLGC_WANTARROWS = 0x0001;
inline constexpr LRESULT DLGC_WANTTAB = 0x0002;
inline constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
inline constexpr LRESULT DLGC_WANTMESSAGE = 0x0004;
inline constexpr LRESULT DLGC_HASSETSEL = 0x0008;
inline constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
inline constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
inline constexpr LRESULT DLGC_RADIOBUTTON = 0x0040;
inline constexpr LRESULT DLGC_WANTCHARS = 0x0080;
inline constexpr LRESULT DLGC_STATIC = 0x0100;
inline constexpr LRESULT DLGC_BUTTON = 0x2000;

// Owner drawing: WM_DRAWITEM and WM_MEASUREITEM.
inline constexpr UINT ODT_MENU = 1;
inline constexpr UINT ODT_LISTBOX = 2;
inline constexpr UINT ODT_COMBOBOX = 3;
inline constexpr UINT ODT_BUTTON = 4;
inline constexpr UINT ODT_STATIC = 5;
inline constexpr UINT ODA_DRAWENTIRE = 0x0001;
inline constexpr UINT ODA_SELECT = 0x0002;
inline constexpr UINT ODA_FOCUS = 0x0004;
inline constexpr UINT ODS_SELECTED = 0x0001;
inline constexpr UINT ODS_GRAYED = 0x0002;
inline constexpr UINT ODS_DISABLED = 0x0004;
inline constexpr UINT ODS_CHECKED = 0x0008;
inline constexpr UINT ODS_FOCUS = 0x0010;
inline constexpr UINT ODS_DEFAULT = 0x0020;
inline constexpr UINT ODS_HOTLIGHT = 0x0040;
inline constexpr UINT ODS_INACTIVE = 0x0080;
inline constexpr UINT ODS_NOACCEL = 0x0100;
inline constexpr UINT ODS_NOFOCUSRECT = 0x0200;
inline constexpr UINT ODS_COMBOBOXEDIT = 0x1000;

struct DRAWITEMSTRUCT {
  UINT CtlType;
  UINT CtlID;
  UINT itemID;
  UINT itemAction;
  UINT itemState;
  HWND hwndItem;
  HDC hDC;
  RECT rcItem;
  ULONG_PTR itemData;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

struct MEASUREITEMSTRUCT {
  UINT CtlType;
  UINT CtlID;
  UINT itemID;
  UINT itemWidth;
  UINT itemHeight;
  ULONG_PTR itemData;
};
using LPMEASUREITEMSTRUCT = MEASUREITEMSTRUCT*;

// WM_NOTIFY
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
inline constexpr UINT NM_SETFOCUS = NM_FIRST - 7u;
inline constexpr UINT NM_KILLFOCUS = NM_FIRST - 8u;
inline constexpr UINT NM_CUSTOMDRAW = NM_FIRST - 12u;

// LoadImage and STM_SETIMAGE image types.

// Buttons
inline constexpr DWORD BS_PUSHBUTTON = 0x00000000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x00000001;
inline constexpr DWORD BS_CHECKBOX = 0x00000002;
inline constexpr DWORD BS_AUTOCHECKBOX = 0x00000003;
inline constexpr DWORD BS_RADIOBUTTON = 0x00000004;
inline constexpr DWORD BS_3STATE = 0x00000005;
inline constexpr DWORD BS_AUTO3STATE = 0x00000006;
inline constexpr DWORD BS_GROUPBOX = 0x00000007;
inline constexpr DWORD BS_USERBUTTON = 0x00000008;
inline constexpr DWORD BS_AUTORADIOBUTTON = 0x00000009;
inline constexpr DWORD BS_PUSHBOX = 0x0000000A;
inline constexpr DWORD BS_OWNERDRAW = 0x0000000B;
inline constexpr DWORD BS_TYPEMASK = 0x0000000F;
inline constexpr DWORD BS_LEFTTEXT = 0x00000020;
inline constexpr DWORD BS_TEXT = 0x00000000;
inline constexpr DWORD BS_ICON = 0x00000040;
inline constexpr DWORD BS_BITMAP = 0x00000080;
inline constexpr DWORD BS_LEFT = 0x00000100;
inline constexpr DWORD BS_RIGHT = 0x00000200;
inline constexpr DWORD BS_CENTER = 0x00000300;
inline constexpr DWORD BS_TOP = 0x00000400;
inline constexpr DWORD BS_BOTTOM = 0x00000800;
inline constexpr DWORD BS_VCENTER = 0x00000C00;
inline constexpr DWORD BS_PUSHLIKE = 0x00001000;
inline constexpr DWORD BS_MULTILINE = 0x00002000;
inline constexpr DWORD BS_NOTIFY = 0x00004000;
inline constexpr DWORD BS_FLAT = 0x00008000;

inline constexpr UINT BM_GETCHECK = 0x00F0;
inline constexpr UINT BM_SETCHECK = 0x00F1;
inline constexpr UINT BM_GETSTATE = 0x00F2;
inline constexpr UINT BM_SETSTATE = 0x00F3;
inline constexpr UINT BM_SETSTYLE = 0x00F4;
inline constexpr UINT BM_CLICK = 0x00F5;
inline constexpr UINT BM_GETIMAGE = 0x00F6;
inline constexpr UINT BM_SETIMAGE = 0x00F7;

inline constexpr LRESULT BST_UNCHECKED = 0x0000;
inline constexpr LRESULT BST_CHECKED = 0x0001;
inline constexpr LRESULT BST_INDETERMINATE = 0x0002;
inline constexpr LRESULT BST_PUSHED = 0x0004;
inline constexpr LRESULT BST_FOCUS = 0x0008;

inline constexpr WORD BN_CLICKED = 0;
inline constexpr WORD BN_PAINT = 1;
inline constexpr WORD BN_HILITE = 2;
inline constexpr WORD BN_UNHILITE = 3;
inline constexpr WORD BN_DISABLE = 4;
inline constexpr WORD BN_DOUBLECLICKED = 5;
inline constexpr WORD BN_PUSHED = BN_HILITE;
inline constexpr WORD BN_UNPUSHED = BN_UNHILITE;
inline constexpr WORD BN_DBLCLK = BN_DOUBLECLICKED;
inline constexpr WORD BN_SETFOCUS = 6;
inline constexpr WORD BN_KILLFOCUS = 7;

// Statics
inline constexpr DWORD SS_LEFT = 0x00000000;
inline constexpr DWORD SS_CENTER = 0x00000001;
inline constexpr DWORD SS_RIGHT = 0x00000002;
inline constexpr DWORD SS_ICON = 0x00000003;
inline constexpr DWORD SS_BLACKRECT = 0x00000004;
inline constexpr DWORD SS_GRAYRECT = 0x00000005;
inline constexpr DWORD SS_WHITERECT = 0x00000006;
inline constexpr DWORD SS_BLACKFRAME = 0x00000007;
inline constexpr DWORD SS_GRAYFRAME = 0x00000008;
inline constexpr DWORD SS_WHITEFRAME = 0x00000009;
inline constexpr DWORD SS_SIMPLE = 0x0000000B;
inline constexpr DWORD SS_LEFTNOWORDWRAP = 0x0000000C;
inline constexpr DWORD SS_OWNERDRAW = 0x0000000D;
inline constexpr DWORD SS_BITMAP = 0x0000000E;
inline constexpr DWORD SS_ETCHEDHORZ = 0x00000010;
inline constexpr DWORD SS_ETCHEDVERT = 0x00000011;
inline constexpr DWORD SS_ETCHEDFRAME = 0x00000012;
inline constexpr DWORD SS_TYPEMASK = 0x0000001F;
inline constexpr DWORD SS_REALSIZECONTROL = 0x00000040;
inline constexpr DWORD SS_NOPREFIX = 0x00000080;
// SS_NOTIFY (0x0100) is with the window styles.
inline constexpr DWORD SS_CENTERIMAGE = 0x00000200;
inline constexpr DWORD SS_RIGHTJUST = 0x00000400;
inline constexpr DWORD SS_REALSIZEIMAGE = 0x00000800;
inline constexpr DWORD SS_SUNKEN = 0x00001000;

inline constexpr UINT STM_SETICON = 0x0170;
inline constexpr UINT STM_GETICON = 0x0171;
inline constexpr UINT STM_SETIMAGE = 0x0172;
inline constexpr UINT STM_GETIMAGE = 0x0173;

inline constexpr WORD STN_CLICKED = 0;
inline constexpr WORD STN_DBLCLK = 1;
inline constexpr WORD STN_ENABLE = 2;
inline constexpr WORD STN_DISABLE = 3;

// Edits
inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_CENTER = 0x0001;
inline constexpr DWORD ES_RIGHT = 0x0002;
inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr DWORD ES_UPPERCASE = 0x0008;
inline constexpr DWORD ES_LOWERCASE = 0x0010;
inline constexpr DWORD ES_PASSWORD = 0x0020;
inline constexpr DWORD ES_AUTOVSCROLL = 0x0040;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_NOHIDESEL = 0x0100;
inline constexpr DWORD ES_READONLY = 0x0800;
inline constexpr DWORD ES_WANTRETURN = 0x1000;
inline constexpr DWORD ES_NUMBER = 0x2000;

inline constexpr UINT EM_GETSEL = 0x00B0;
inline constexpr UINT EM_SETSEL = 0x00B1;
inline constexpr UINT EM_GETRECT = 0x00B2;
inline constexpr UINT EM_SETRECT = 0x00B3;
inline constexpr UINT EM_SETRECTNP = 0x00B4;
inline constexpr UINT EM_SCROLLCARET = 0x00B7;
inline constexpr UINT EM_GETMODIFY = 0x00B8;
inline constexpr UINT EM_SETMODIFY = 0x00B9;
inline constexpr UINT EM_GETLINECOUNT = 0x00BA;
inline constexpr UINT EM_LINEINDEX = 0x00BB;
inline constexpr UINT EM_LINELENGTH = 0x00C1;
inline constexpr UINT EM_REPLACESEL = 0x00C2;
inline constexpr UINT EM_GETLINE = 0x00C4;
inline constexpr UINT EM_LIMITTEXT = 0x00C5;
inline constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
inline constexpr UINT EM_CANUNDO = 0x00C6;
inline constexpr UINT EM_UNDO = 0x00C7;
inline constexpr UINT EM_LINEFROMCHAR = 0x00C9;
inline constexpr UINT EM_SETPASSWORDCHAR = 0x00CC;
inline constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
inline constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE;
inline constexpr UINT EM_SETREADONLY = 0x00CF;
inline constexpr UINT EM_GETPASSWORDCHAR = 0x00D2;
inline constexpr UINT EM_GETLIMITTEXT = 0x00D5;

inline constexpr WORD EN_SETFOCUS = 0x0100;
inline constexpr WORD EN_KILLFOCUS = 0x0200;
inline constexpr WORD EN_CHANGE = 0x0300;
inline constexpr WORD EN_UPDATE = 0x0400;
inline constexpr WORD EN_ERRSPACE = 0x0500;
inline constexpr WORD EN_MAXTEXT = 0x0501;

// Combo boxes
inline constexpr DWORD CBS_SIMPLE = 0x0001;
inline constexpr DWORD CBS_DROPDOWN = 0x0002;
inline constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
inline constexpr DWORD CBS_OWNERDRAWFIXED = 0x0010;
inline constexpr DWORD CBS_OWNERDRAWVARIABLE = 0x0020;
inline constexpr DWORD CBS_AUTOHSCROLL = 0x0040;
inline constexpr DWORD CBS_SORT = 0x0100;
inline constexpr DWORD CBS_HASSTRINGS = 0x0200;
inline constexpr DWORD CBS_NOINTEGRALHEIGHT = 0x0400;
inline constexpr DWORD CBS_DISABLENOSCROLL = 0x0800;

inline constexpr UINT CB_GETEDITSEL = 0x0140;
inline constexpr UINT CB_LIMITTEXT = 0x0141;
inline constexpr UINT CB_SETEDITSEL = 0x0142;
inline constexpr UINT CB_ADDSTRING = 0x0143;
inline constexpr UINT CB_DELETESTRING = 0x0144;
inline constexpr UINT CB_GETCOUNT = 0x0146;
inline constexpr UINT CB_GETCURSEL = 0x0147;
inline constexpr UINT CB_GETLBTEXT = 0x0148;
inline constexpr UINT CB_GETLBTEXTLEN = 0x0149;
inline constexpr UINT CB_INSERTSTRING = 0x014A;
inline constexpr UINT CB_RESETCONTENT = 0x014B;
inline constexpr UINT CB_FINDSTRING = 0x014C;
inline constexpr UINT CB_SELECTSTRING = 0x014D;
inline constexpr UINT CB_SETCURSEL = 0x014E;
inline constexpr UINT CB_SHOWDROPDOWN = 0x014F;
inline constexpr UINT CB_GETITEMDATA = 0x0150;
inline constexpr UINT CB_SETITEMDATA = 0x0151;
inline constexpr UINT CB_GETDROPPEDCONTROLRECT = 0x0152;
inline constexpr UINT CB_SETITEMHEIGHT = 0x0153;
inline constexpr UINT CB_GETITEMHEIGHT = 0x0154;
inline constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
inline constexpr UINT CB_FINDSTRINGEXACT = 0x0158;
inline constexpr UINT CB_GETTOPINDEX = 0x015B;
inline constexpr UINT CB_SETTOPINDEX = 0x015C;
inline constexpr LRESULT CB_OKAY = 0;
inline constexpr LRESULT CB_ERR = -1;
inline constexpr LRESULT CB_ERRSPACE = -2;

inline constexpr WORD CBN_SELCHANGE = 1;
inline constexpr WORD CBN_DBLCLK = 2;
inline constexpr WORD CBN_SETFOCUS = 3;
inline constexpr WORD CBN_KILLFOCUS = 4;
inline constexpr WORD CBN_EDITCHANGE = 5;
inline constexpr WORD CBN_EDITUPDATE = 6;
inline constexpr WORD CBN_DROPDOWN = 7;
inline constexpr WORD CBN_CLOSEUP = 8;
inline constexpr WORD CBN_SELENDOK = 9;
inline constexpr WORD CBN_SELENDCANCEL = 10;

// List boxes
inline constexpr DWORD LBS_NOTIFY = 0x0001;
inline constexpr DWORD LBS_SORT = 0x0002;
inline constexpr DWORD LBS_NOREDRAW = 0x0004;
inline constexpr DWORD LBS_MULTIPLESEL = 0x0008;
inline constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
inline constexpr DWORD LBS_OWNERDRAWVARIABLE = 0x0020;
inline constexpr DWORD LBS_HASSTRINGS = 0x0040;
inline constexpr DWORD LBS_USETABSTOPS = 0x0080;
inline constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
inline constexpr DWORD LBS_WANTKEYBOARDINPUT = 0x0400;
inline constexpr DWORD LBS_DISABLENOSCROLL = 0x1000;
inline constexpr DWORD LBS_NOSEL = 0x4000;
inline constexpr DWORD LBS_COMBOBOX = 0x8000;

inline constexpr UINT LB_ADDSTRING = 0x0180;
inline constexpr UINT LB_INSERTSTRING = 0x0181;
inline constexpr UINT LB_DELETESTRING = 0x0182;
inline constexpr UINT LB_RESETCONTENT = 0x0184;
inline constexpr UINT LB_SETCURSEL = 0x0186;
inline constexpr UINT LB_GETSEL = 0x0187;
inline constexpr UINT LB_GETCURSEL = 0x0188;
inline constexpr UINT LB_GETTEXT = 0x0189;
inline constexpr UINT LB_GETTEXTLEN = 0x018A;
inline constexpr UINT LB_GETCOUNT = 0x018B;
inline constexpr UINT LB_SELECTSTRING = 0x018C;
inline constexpr UINT LB_GETTOPINDEX = 0x018E;
inline constexpr UINT LB_FINDSTRING = 0x018F;
inline constexpr UINT LB_SETTOPINDEX = 0x0197;
inline constexpr UINT LB_GETITEMRECT = 0x0198;
inline constexpr UINT LB_GETITEMDATA = 0x0199;
inline constexpr UINT LB_SETITEMDATA = 0x019A;
inline constexpr UINT LB_SETITEMHEIGHT = 0x01A0;
inline constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
inline constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
inline constexpr UINT LB_ITEMFROMPOINT = 0x01A9;
inline constexpr LRESULT LB_OKAY = 0;
inline constexpr LRESULT LB_ERR = -1;
inline constexpr LRESULT LB_ERRSPACE = -2;

inline constexpr WORD LBN_SELCHANGE = 1;
inline constexpr WORD LBN_DBLCLK = 2;
inline constexpr WORD LBN_SELCANCEL = 3;
inline constexpr WORD LBN_SETFOCUS = 4;
inline constexpr WORD LBN_KILLFOCUS = 5;

// Progress bars
inline constexpr DWORD PBS_SMOOTH = 0x01;
inline constexpr DWORD PBS_VERTICAL = 0x04;
inline constexpr DWORD PBS_SMOOTHREVERSE = 0x10;
inline constexpr UINT PBM_SETRANGE = WM_USER + 1;
inline constexpr UINT PBM_SETPOS = WM_USER + 2;
inline constexpr UINT PBM_DELTAPOS = WM_USER + 3;
inline constexpr UINT PBM_SETSTEP = WM_USER + 4;
inline constexpr UINT PBM_STEPIT = WM_USER + 5;
inline constexpr UINT PBM_SETRANGE32 = WM_USER + 6;
inline constexpr UINT PBM_GETRANGE = WM_USER + 7;
inline constexpr UINT PBM_GETPOS = WM_USER + 8;
inline constexpr UINT PBM_SETBARCOLOR = WM_USER + 9;
inline constexpr UINT PBM_SETBKCOLOR = 0x2001;  // CCM_SETBKCOLOR
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000;
inline constexpr COLORREF CLR_NONE = 0xFFFFFFFF;

struct PBRANGE {
  int iLow;
  int iHigh;
};

// Trackbars
inline constexpr DWORD TBS_AUTOTICKS = 0x0001;
inline constexpr DWORD TBS_VERT = 0x0002;
inline constexpr DWORD TBS_HORZ = 0x0000;
inline constexpr DWORD TBS_TOP = 0x0004;
inline constexpr DWORD TBS_BOTTOM = 0x0000;
inline constexpr DWORD TBS_LEFT = 0x0004;
inline constexpr DWORD TBS_RIGHT = 0x0000;
inline constexpr DWORD TBS_BOTH = 0x0008;
inline constexpr DWORD TBS_NOTICKS = 0x0010;
inline constexpr DWORD TBS_NOTHUMB = 0x0080;
inline constexpr DWORD TBS_REVERSED = 0x0200;

inline constexpr UINT TBM_GETPOS = WM_USER;
inline constexpr UINT TBM_GETRANGEMIN = WM_USER + 1;
inline constexpr UINT TBM_GETRANGEMAX = WM_USER + 2;
inline constexpr UINT TBM_GETTIC = WM_USER + 3;
inline constexpr UINT TBM_SETTIC = WM_USER + 4;
inline constexpr UINT TBM_SETPOS = WM_USER + 5;
inline constexpr UINT TBM_SETRANGE = WM_USER + 6;
inline constexpr UINT TBM_SETRANGEMIN = WM_USER + 7;
inline constexpr UINT TBM_SETRANGEMAX = WM_USER + 8;
inline constexpr UINT TBM_CLEARTICS = WM_USER + 9;
inline constexpr UINT TBM_GETNUMTICS = WM_USER + 16;
inline constexpr UINT TBM_SETTICFREQ = WM_USER + 20;
inline constexpr UINT TBM_SETPAGESIZE = WM_USER + 21;
inline constexpr UINT TBM_GETPAGESIZE = WM_USER + 22;
inline constexpr UINT TBM_SETLINESIZE = WM_USER + 23;
inline constexpr UINT TBM_GETLINESIZE = WM_USER + 24;
inline constexpr UINT TBM_GETTHUMBRECT = WM_USER + 25;
inline constexpr UINT TBM_GETCHANNELRECT = WM_USER + 26;

inline constexpr WORD TB_LINEUP = 0;
inline constexpr WORD TB_LINEDOWN = 1;
inline constexpr WORD TB_PAGEUP = 2;
inline constexpr WORD TB_PAGEDOWN = 3;
inline constexpr WORD TB_THUMBPOSITION = 4;
inline constexpr WORD TB_THUMBTRACK = 5;
inline constexpr WORD TB_TOP = 6;
inline constexpr WORD TB_BOTTOM = 7;
inline constexpr WORD TB_ENDTRACK = 8;

// The codes of WM_HSCROLL and WM_VSCROLL.
inline constexpr WORD SB_LINEUP = 0;
inline constexpr WORD SB_LINELEFT = 0;
inline constexpr WORD SB_LINEDOWN = 1;
inline constexpr WORD SB_LINERIGHT = 1;
inline constexpr WORD SB_PAGEUP = 2;
inline constexpr WORD SB_PAGEDOWN = 3;
inline constexpr WORD SB_THUMBPOSITION = 4;
inline constexpr WORD SB_THUMBTRACK = 5;
inline constexpr WORD SB_TOP = 6;
inline constexpr WORD SB_BOTTOM = 7;
inline constexpr WORD SB_ENDSCROLL = 8;

// Up-down controls
inline constexpr DWORD UDS_WRAP = 0x0001;
inline constexpr DWORD UDS_SETBUDDYINT = 0x0002;
inline constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
inline constexpr DWORD UDS_ALIGNLEFT = 0x0008;
inline constexpr DWORD UDS_AUTOBUDDY = 0x0010;
inline constexpr DWORD UDS_ARROWKEYS = 0x0020;
inline constexpr DWORD UDS_HORZ = 0x0040;
inline constexpr DWORD UDS_NOTHOUSANDS = 0x0080;
inline constexpr DWORD UDS_HOTTRACK = 0x0100;

inline constexpr int UD_MAXVAL = 0x7FFF;
inline constexpr int UD_MINVAL = -UD_MAXVAL;

inline constexpr UINT UDM_SETRANGE = WM_USER + 101;
inline constexpr UINT UDM_GETRANGE = WM_USER + 102;
inline constexpr UINT UDM_SETPOS = WM_USER + 103;
inline constexpr UINT UDM_GETPOS = WM_USER + 104;
inline constexpr UINT UDM_SETBUDDY = WM_USER + 105;
inline constexpr UINT UDM_GETBUDDY = WM_USER + 106;
inline constexpr UINT UDM_SETACCEL = WM_USER + 107;
inline constexpr UINT UDM_GETACCEL = WM_USER + 108;
inline constexpr UINT UDM_SETBASE = WM_USER + 109;
inline constexpr UINT UDM_GETBASE = WM_USER + 110;
inline constexpr UINT UDM_SETRANGE32 = WM_USER + 111;
inline constexpr UINT UDM_GETRANGE32 = WM_USER + 112;
inline constexpr UINT UDM_SETPOS32 = WM_USER + 113;
inline constexpr UINT UDM_GETPOS32 = WM_USER + 114;

inline constexpr UINT UDN_FIRST = static_cast<UINT>(-721);
inline constexpr UINT UDN_DELTAPOS = UDN_FIRST - 1;

// After nSec seconds of holding an arrow, each step moves by nInc.
struct UDACCEL {
  UINT nSec;
  UINT nInc;
};
using LPUDACCEL = UDACCEL*;

// UDN_DELTAPOS: the position before the step and the step proposed; a parent that answers
// non-zero keeps the position.
struct NMUPDOWN {
  NMHDR hdr;
  int iPos;
  int iDelta;
};
using LPNMUPDOWN = NMUPDOWN*;
using NM_UPDOWN = NMUPDOWN;

// Date-time pickers
inline constexpr DWORD DTS_UPDOWN = 0x0001;
inline constexpr DWORD DTS_SHOWNONE = 0x0002;
inline constexpr DWORD DTS_SHORTDATEFORMAT = 0x0000;
inline constexpr DWORD DTS_LONGDATEFORMAT = 0x0004;
inline constexpr DWORD DTS_SHORTDATECENTURYFORMAT = 0x000C;
inline constexpr DWORD DTS_TIMEFORMAT = 0x0009;  // with DTS_UPDOWN
inline constexpr DWORD DTS_APPCANPARSE = 0x0010;
inline constexpr DWORD DTS_RIGHTALIGN = 0x0020;

inline constexpr UINT DTM_FIRST = 0x1000;
inline constexpr UINT DTM_GETSYSTEMTIME = DTM_FIRST + 1;
inline constexpr UINT DTM_SETSYSTEMTIME = DTM_FIRST + 2;
inline constexpr UINT DTM_GETRANGE = DTM_FIRST + 3;
inline constexpr UINT DTM_SETRANGE = DTM_FIRST + 4;
inline constexpr UINT DTM_SETFORMATW = DTM_FIRST + 50;

inline constexpr WPARAM GDT_ERROR = static_cast<WPARAM>(-1);
inline constexpr WPARAM GDT_VALID = 0;
inline constexpr WPARAM GDT_NONE = 1;
inline constexpr WPARAM GDTR_MIN = 0x0001;
inline constexpr WPARAM GDTR_MAX = 0x0002;

inline constexpr UINT DTN_FIRST2 = static_cast<UINT>(-753);
inline constexpr UINT DTN_DATETIMECHANGE = DTN_FIRST2 - 6;

struct NMDATETIMECHANGE {
  NMHDR nmhdr;
  DWORD dwFlags;  // GDT_VALID or GDT_NONE
  SYSTEMTIME st;
};
using LPNMDATETIMECHANGE = NMDATETIMECHANGE*;

// Month calendars
inline constexpr DWORD MCS_DAYSTATE = 0x0001;
inline constexpr DWORD MCS_MULTISELECT = 0x0002;
inline constexpr DWORD MCS_WEEKNUMBERS = 0x0004;
inline constexpr DWORD MCS_NOTODAYCIRCLE = 0x0008;
inline constexpr DWORD MCS_NOTODAY = 0x0010;
inline constexpr DWORD MCS_NOTRAILINGDATES = 0x0040;
inline constexpr DWORD MCS_SHORTDAYSOFWEEK = 0x0080;
inline constexpr DWORD MCS_NOSELCHANGEONNAV = 0x0100;

inline constexpr UINT MCM_FIRST = 0x1000;
inline constexpr UINT MCM_GETCURSEL = MCM_FIRST + 1;
inline constexpr UINT MCM_SETCURSEL = MCM_FIRST + 2;
inline constexpr UINT MCM_GETMINREQRECT = MCM_FIRST + 9;
inline constexpr UINT MCM_SETCOLOR = MCM_FIRST + 10;
inline constexpr UINT MCM_GETCOLOR = MCM_FIRST + 11;
inline constexpr UINT MCM_SETTODAY = MCM_FIRST + 12;
inline constexpr UINT MCM_GETTODAY = MCM_FIRST + 13;
inline constexpr UINT MCM_HITTEST = MCM_FIRST + 14;
inline constexpr UINT MCM_GETFIRSTDAYOFWEEK = MCM_FIRST + 16;
inline constexpr UINT MCM_GETCALENDARGRIDINFO = MCM_FIRST + 24;

// MCM_SETCOLOR and MCM_GETCOLOR: which colour.
inline constexpr int MCSC_BACKGROUND = 0;  // around the month
inline constexpr int MCSC_TEXT = 1;        // the month's days
inline constexpr int MCSC_TITLEBK = 2;
inline constexpr int MCSC_TITLETEXT = 3;
inline constexpr int MCSC_MONTHBK = 4;
inline constexpr int MCSC_TRAILINGTEXT = 5;  // the days of the months before and after

inline constexpr UINT MCHT_TITLE = 0x00010000;
inline constexpr UINT MCHT_CALENDAR = 0x00020000;
inline constexpr UINT MCHT_TODAYLINK = 0x00030000;
inline constexpr UINT MCHT_CALENDARCONTROL = 0x00100000;
inline constexpr UINT MCHT_NEXT = 0x01000000;
inline constexpr UINT MCHT_PREV = 0x02000000;
inline constexpr UINT MCHT_NOWHERE = 0x00000000;
inline constexpr UINT MCHT_TITLEBK = MCHT_TITLE;
inline constexpr UINT MCHT_TITLEMONTH = MCHT_TITLE | 0x0001;
inline constexpr UINT MCHT_TITLEYEAR = MCHT_TITLE | 0x0002;
inline constexpr UINT MCHT_TITLEBTNNEXT = MCHT_TITLE | MCHT_NEXT | 0x0003;
inline constexpr UINT MCHT_TITLEBTNPREV = MCHT_TITLE | MCHT_PREV | 0x0003;
inline constexpr UINT MCHT_CALENDARBK = MCHT_CALENDAR;
inline constexpr UINT MCHT_CALENDARDATE = MCHT_CALENDAR | 0x0001;
inline constexpr UINT MCHT_CALENDARDATENEXT = MCHT_CALENDARDATE | MCHT_NEXT;
inline constexpr UINT MCHT_CALENDARDATEPREV = MCHT_CALENDARDATE | MCHT_PREV;
inline constexpr UINT MCHT_CALENDARDAY = MCHT_CALENDAR | 0x0002;

struct MCHITTESTINFO {
  UINT cbSize;
  POINT pt;
  UINT uHit;
  SYSTEMTIME st;
  RECT rc;
  int iOffset;
  int iRow;
  int iCol;
};
using PMCHITTESTINFO = MCHITTESTINFO*;

// MCM_GETCALENDARGRIDINFO: the part asked for and what to fill of it.
inline constexpr DWORD MCGIP_CALENDARCONTROL = 0;
inline constexpr DWORD MCGIP_NEXT = 1;
inline constexpr DWORD MCGIP_PREV = 2;
inline constexpr DWORD MCGIP_FOOTER = 3;
inline constexpr DWORD MCGIP_CALENDAR = 4;
inline constexpr DWORD MCGIP_CALENDARHEADER = 5;
inline constexpr DWORD MCGIP_CALENDARBODY = 6;
inline constexpr DWORD MCGIP_CALENDARROW = 7;
inline constexpr DWORD MCGIP_CALENDARCELL = 8;
inline constexpr DWORD MCGIF_DATE = 0x0001;
inline constexpr DWORD MCGIF_RECT = 0x0002;
inline constexpr DWORD MCGIF_NAME = 0x0004;

struct MCGRIDINFO {
  UINT cbSize;
  DWORD dwPart;
  DWORD dwFlags;
  int iCalendar;
  int iRow;
  int iCol;
  BOOL bSelected;
  SYSTEMTIME stStart;
  SYSTEMTIME stEnd;
  RECT rc;
  LPWSTR pszName;
  size_t cchName;
};
using PMCGRIDINFO = MCGRIDINFO*;

inline constexpr UINT MCN_FIRST = static_cast<UINT>(-746);
inline constexpr UINT MCN_SELECT = MCN_FIRST;
inline constexpr UINT MCN_GETDAYSTATE = MCN_FIRST - 1;
inline constexpr UINT MCN_SELCHANGE = MCN_FIRST - 3;

// MCN_SELCHANGE and MCN_SELECT: the selected range, one day when only one can be chosen.
struct NMSELCHANGE {
  NMHDR nmhdr;
  SYSTEMTIME stSelStart;
  SYSTEMTIME stSelEnd;
};
using LPNMSELCHANGE = NMSELCHANGE*;
using NMSELECT = NMSELCHANGE;
using LPNMSELECT = NMSELCHANGE*;

// Headers
inline constexpr UINT HDI_WIDTH = 0x0001;
inline constexpr UINT HDI_TEXT = 0x0002;
inline constexpr UINT HDI_FORMAT = 0x0004;
inline constexpr UINT HDI_LPARAM = 0x0008;
inline constexpr int HDF_LEFT = 0x0000;
inline constexpr int HDF_RIGHT = 0x0001;
inline constexpr int HDF_CENTER = 0x0002;

inline constexpr UINT HDM_FIRST = 0x1200;
inline constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0;
inline constexpr UINT HDM_DELETEITEM = HDM_FIRST + 2;
inline constexpr UINT HDM_GETITEMRECT = HDM_FIRST + 7;
inline constexpr UINT HDM_INSERTITEMW = HDM_FIRST + 10;
inline constexpr UINT HDM_GETITEMW = HDM_FIRST + 11;
inline constexpr UINT HDM_SETITEMW = HDM_FIRST + 12;

inline constexpr UINT HDN_FIRST = static_cast<UINT>(-300);
inline constexpr UINT HDN_ITEMCLICKW = HDN_FIRST - 22;

struct HDITEMW {
  UINT mask;
  int cxy;
  LPWSTR pszText;
  HBITMAP hbm;
  int cchTextMax;
  int fmt;
  LPARAM lParam;
  int iImage;
  int iOrder;
};
using LPHDITEMW = HDITEMW*;

struct NMHEADERW {
  NMHDR hdr;
  int iItem;
  int iButton;
  HDITEMW* pitem;
};

// List views
inline constexpr DWORD LVS_ICON = 0x0000;
inline constexpr DWORD LVS_REPORT = 0x0001;
inline constexpr DWORD LVS_SMALLICON = 0x0002;
inline constexpr DWORD LVS_LIST = 0x0003;
inline constexpr DWORD LVS_TYPEMASK = 0x0003;
inline constexpr DWORD LVS_SINGLESEL = 0x0004;
inline constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
inline constexpr DWORD LVS_SORTASCENDING = 0x0010;
inline constexpr DWORD LVS_SORTDESCENDING = 0x0020;
inline constexpr DWORD LVS_NOSCROLL = 0x2000;
inline constexpr DWORD LVS_NOCOLUMNHEADER = 0x4000;
inline constexpr DWORD LVS_NOSORTHEADER = 0x8000;

inline constexpr DWORD LVS_EX_GRIDLINES = 0x00000001;
inline constexpr DWORD LVS_EX_FULLROWSELECT = 0x00000020;

inline constexpr UINT LVM_FIRST = 0x1000;
inline constexpr UINT LVM_GETBKCOLOR = LVM_FIRST + 0;
inline constexpr UINT LVM_SETBKCOLOR = LVM_FIRST + 1;
inline constexpr UINT LVM_GETITEMCOUNT = LVM_FIRST + 4;
inline constexpr UINT LVM_DELETEITEM = LVM_FIRST + 8;
inline constexpr UINT LVM_DELETEALLITEMS = LVM_FIRST + 9;
inline constexpr UINT LVM_GETNEXTITEM = LVM_FIRST + 12;
inline constexpr UINT LVM_GETITEMRECT = LVM_FIRST + 14;
inline constexpr UINT LVM_HITTEST = LVM_FIRST + 18;
inline constexpr UINT LVM_ENSUREVISIBLE = LVM_FIRST + 19;
inline constexpr UINT LVM_DELETECOLUMN = LVM_FIRST + 28;
inline constexpr UINT LVM_GETCOLUMNWIDTH = LVM_FIRST + 29;
inline constexpr UINT LVM_SETCOLUMNWIDTH = LVM_FIRST + 30;
inline constexpr UINT LVM_GETHEADER = LVM_FIRST + 31;
inline constexpr UINT LVM_GETTEXTCOLOR = LVM_FIRST + 35;
inline constexpr UINT LVM_SETTEXTCOLOR = LVM_FIRST + 36;
inline constexpr UINT LVM_GETTEXTBKCOLOR = LVM_FIRST + 37;
inline constexpr UINT LVM_SETTEXTBKCOLOR = LVM_FIRST + 38;
inline constexpr UINT LVM_GETTOPINDEX = LVM_FIRST + 39;
inline constexpr UINT LVM_GETCOUNTPERPAGE = LVM_FIRST + 40;
inline constexpr UINT LVM_SETITEMSTATE = LVM_FIRST + 43;
inline constexpr UINT LVM_GETITEMSTATE = LVM_FIRST + 44;
inline constexpr UINT LVM_GETSELECTEDCOUNT = LVM_FIRST + 50;
inline constexpr UINT LVM_SETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 54;
inline constexpr UINT LVM_GETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 55;
inline constexpr UINT LVM_SUBITEMHITTEST = LVM_FIRST + 57;
inline constexpr UINT LVM_GETITEMW = LVM_FIRST + 75;
inline constexpr UINT LVM_SETITEMW = LVM_FIRST + 76;
inline constexpr UINT LVM_INSERTITEMW = LVM_FIRST + 77;
inline constexpr UINT LVM_GETCOLUMNW = LVM_FIRST + 95;
inline constexpr UINT LVM_SETCOLUMNW = LVM_FIRST + 96;
inline constexpr UINT LVM_INSERTCOLUMNW = LVM_FIRST + 97;
inline constexpr UINT LVM_GETITEMTEXTW = LVM_FIRST + 115;
inline constexpr UINT LVM_SETITEMTEXTW = LVM_FIRST + 116;

inline constexpr UINT LVIF_TEXT = 0x0001;
inline constexpr UINT LVIF_IMAGE = 0x0002;
inline constexpr UINT LVIF_PARAM = 0x0004;
inline constexpr UINT LVIF_STATE = 0x0008;
inline constexpr UINT LVIS_FOCUSED = 0x0001;
inline constexpr UINT LVIS_SELECTED = 0x0002;
inline constexpr UINT LVNI_ALL = 0x0000;
inline constexpr UINT LVNI_FOCUSED = 0x0001;
inline constexpr UINT LVNI_SELECTED = 0x0002;
inline constexpr UINT LVCF_FMT = 0x0001;
inline constexpr UINT LVCF_WIDTH = 0x0002;
inline constexpr UINT LVCF_TEXT = 0x0004;
inline constexpr UINT LVCF_SUBITEM = 0x0008;
inline constexpr int LVCFMT_LEFT = 0x0000;
inline constexpr int LVCFMT_RIGHT = 0x0001;
inline constexpr int LVCFMT_CENTER = 0x0002;
inline constexpr int LVSCW_AUTOSIZE = -1;
inline constexpr int LVSCW_AUTOSIZE_USEHEADER = -2;
inline constexpr int LVIR_BOUNDS = 0;
inline constexpr int LVIR_LABEL = 2;
inline constexpr UINT LVHT_NOWHERE = 0x0001;
inline constexpr UINT LVHT_ONITEMLABEL = 0x0004;
inline constexpr UINT LVHT_ONITEM = 0x000E;

inline constexpr UINT LVN_FIRST = static_cast<UINT>(-100);
inline constexpr UINT LVN_ITEMCHANGING = LVN_FIRST - 0;
inline constexpr UINT LVN_ITEMCHANGED = LVN_FIRST - 1;
inline constexpr UINT LVN_COLUMNCLICK = LVN_FIRST - 8;
inline constexpr UINT LVN_KEYDOWN = LVN_FIRST - 55;

struct LVITEMW {
  UINT mask;
  int iItem;
  int iSubItem;
  UINT state;
  UINT stateMask;
  LPWSTR pszText;
  int cchTextMax;
  int iImage;
  LPARAM lParam;
  int iIndent;
};
using LPLVITEMW = LVITEMW*;

struct LVCOLUMNW {
  UINT mask;
  int fmt;
  int cx;
  LPWSTR pszText;
  int cchTextMax;
  int iSubItem;
  int iImage;
  int iOrder;
};
using LPLVCOLUMNW = LVCOLUMNW*;

struct LVHITTESTINFO {
  POINT pt;
  UINT flags;
  int iItem;
  int iSubItem;
  int iGroup;
};

struct NMLISTVIEW {
  NMHDR hdr;
  int iItem;
  int iSubItem;
  UINT uNewState;
  UINT uOldState;
  UINT uChanged;
  POINT ptAction;
  LPARAM lParam;
};
using LPNMLISTVIEW = NMLISTVIEW*;

// NM_CLICK and NM_DBLCLK of a list view: the row and column under the pointer, -1 for none.
struct NMITEMACTIVATE {
  NMHDR hdr;
  int iItem;
  int iSubItem;
  UINT uNewState;
  UINT uOldState;
  UINT uChanged;
  POINT ptAction;
  LPARAM lParam;
  UINT uKeyFlags;
};
using LPNMITEMACTIVATE = NMITEMACTIVATE*;

struct NMLVKEYDOWN {
  NMHDR hdr;
  WORD wVKey;
  UINT flags;
};

// Tooltips
inline constexpr DWORD TTS_ALWAYSTIP = 0x01;
inline constexpr DWORD TTS_NOPREFIX = 0x02;
inline constexpr DWORD TTS_NOANIMATE = 0x10;
inline constexpr DWORD TTS_NOFADE = 0x20;
inline constexpr DWORD TTS_BALLOON = 0x40;

inline constexpr UINT TTF_IDISHWND = 0x0001;
inline constexpr UINT TTF_CENTERTIP = 0x0002;
inline constexpr UINT TTF_RTLREADING = 0x0004;
inline constexpr UINT TTF_SUBCLASS = 0x0010;
inline constexpr UINT TTF_TRACK = 0x0020;
inline constexpr UINT TTF_ABSOLUTE = 0x0080;
inline constexpr UINT TTF_TRANSPARENT = 0x0100;

inline constexpr WPARAM TTDT_AUTOMATIC = 0;
inline constexpr WPARAM TTDT_RESHOW = 1;
inline constexpr WPARAM TTDT_AUTOPOP = 2;
inline constexpr WPARAM TTDT_INITIAL = 3;

inline constexpr UINT TTM_ACTIVATE = WM_USER + 1;
inline constexpr UINT TTM_SETDELAYTIME = WM_USER + 3;
inline constexpr UINT TTM_RELAYEVENT = WM_USER + 7;
inline constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13;
inline constexpr UINT TTM_SETTIPBKCOLOR = WM_USER + 19;
inline constexpr UINT TTM_SETTIPTEXTCOLOR = WM_USER + 20;
inline constexpr UINT TTM_GETDELAYTIME = WM_USER + 21;
inline constexpr UINT TTM_SETMAXTIPWIDTH = WM_USER + 24;
inline constexpr UINT TTM_GETMAXTIPWIDTH = WM_USER + 25;
inline constexpr UINT TTM_POP = WM_USER + 28;
inline constexpr UINT TTM_ADDTOOLW = WM_USER + 50;
inline constexpr UINT TTM_DELTOOLW = WM_USER + 51;
inline constexpr UINT TTM_NEWTOOLRECTW = WM_USER + 52;
inline constexpr UINT TTM_GETTOOLINFOW = WM_USER + 53;
inline constexpr UINT TTM_SETTOOLINFOW = WM_USER + 54;
inline constexpr UINT TTM_GETTEXTW = WM_USER + 56;
inline constexpr UINT TTM_UPDATETIPTEXTW = WM_USER + 57;
inline constexpr UINT TTM_ENUMTOOLSW = WM_USER + 58;

inline constexpr UINT TTN_FIRST = static_cast<UINT>(-520);
inline constexpr UINT TTN_GETDISPINFOW = TTN_FIRST - 10;
inline constexpr UINT TTN_NEEDTEXTW = TTN_GETDISPINFOW;
inline constexpr UINT TTN_SHOW = TTN_FIRST - 1;
inline constexpr UINT TTN_POP = TTN_FIRST - 2;

inline const LPWSTR LPSTR_TEXTCALLBACKW = reinterpret_cast<LPWSTR>(-1);

struct TOOLINFOW {
  UINT cbSize;
  UINT uFlags;
  HWND hwnd;
  UINT_PTR uId;
  RECT rect;
  HINSTANCE hinst;
  LPWSTR lpszText;
  LPARAM lParam;
  void* lpReserved;
};
using LPTOOLINFOW = TOOLINFOW*;
using TTTOOLINFOW = TOOLINFOW;

struct NMTTDISPINFOW {
  NMHDR hdr;
  LPWSTR lpszText;
  WCHAR szText[80];
  HINSTANCE hinst;
  UINT uFlags;
  LPARAM lParam;
};
