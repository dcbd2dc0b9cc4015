// The dialog manager: dialogs made from templates, their default procedure, keyboard navigation
// (IsDialogMessageW), dialog units, and the message box.
#pragma once

#include "platform/win/win_types.h"

using DLGPROC = INT_PTR(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

// Dialog results and the standard command ids.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDCLOSE = 8;
inline constexpr int IDHELP = 9;
inline constexpr int IDTRYAGAIN = 10;
inline constexpr int IDCONTINUE = 11;

// Dialog styles.
inline constexpr DWORD DS_ABSALIGN = 0x0001;
inline constexpr DWORD DS_SYSMODAL = 0x0002;
inline constexpr DWORD DS_3DLOOK = 0x0004;
inline constexpr DWORD DS_FIXEDSYS = 0x0008;
inline constexpr DWORD DS_NOFAILCREATE = 0x0010;
inline constexpr DWORD DS_LOCALEDIT = 0x0020;
inline constexpr DWORD DS_SETFONT = 0x0040;
inline constexpr DWORD DS_MODALFRAME = 0x0080;
inline constexpr DWORD DS_NOIDLEMSG = 0x0100;
inline constexpr DWORD DS_SETFOREGROUND = 0x0200;
inline constexpr DWORD DS_CONTROL = 0x0400;
inline constexpr DWORD DS_CENTER = 0x0800;
inline constexpr DWORD DS_CENTERMOUSE = 0x1000;
inline constexpr DWORD DS_CONTEXTHELP = 0x2000;
inline constexpr DWORD DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;

// Dialog messages and what WM_GETDLGCODE answers.
inline constexpr UINT WM_NEXTDLGCTL = 0x0028;
inline constexpr UINT DM_GETDEFID = 0x0400;
inline constexpr UINT DM_SETDEFID = 0x0401;
inline constexpr UINT DM_REPOSITION = 0x0402;
inline constexpr WORD DC_HASDEFID = 0x534B;

// The dialog class's window bytes: the result of a handled message, the dialog procedure and
// the program's own value.
inline constexpr int DWLP_MSGRESULT = 0;
inline constexpr int DWLP_DLGPROC = 8;
inline constexpr int DWLP_USER = 16;
inline constexpr int DLGWINDOWEXTRA = 32;
inline constexpr const wchar_t* WC_DIALOG = L"#32770";

// A dialog template, in memory: our own layout, not the binary resource format. Sizes and
// positions are in dialog units; a null font name means the system font.
struct DialogItemTemplate {
  LPCWSTR class_name;
  int id;
  LPCWSTR text;
  short x;
  short y;
  short cx;
  short cy;
  DWORD style;  // WS_CHILD is implied
  DWORD ex_style;
};

struct DialogTemplate {
  DWORD style;
  DWORD ex_style;
  short x;
  short y;
  short cx;
  short cy;
  LPCWSTR caption;
  LPCWSTR font_name;
  WORD font_size;  // points
  const DialogItemTemplate* items;
  int item_count;
};
using LPCDLGTEMPLATEW = const DialogTemplate*;

HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialog_template, HWND owner,
                                       DLGPROC proc, LPARAM init_param);
// Finds the template by id among the resources of the calling program.
HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR template_name, HWND owner, DLGPROC proc,
                               LPARAM init_param);
INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialog_template, HWND owner,
                                       DLGPROC proc, LPARAM init_param);
INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR template_name, HWND owner, DLGPROC proc,
                               LPARAM init_param);
BOOL WINAPI EndDialog(HWND dialog, INT_PTR result);
LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG msg);
HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect);
LONG WINAPI GetDialogBaseUnits();
BOOL WINAPI SetDlgItemTextW(HWND dialog, int id, LPCWSTR text);
UINT WINAPI GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int max_count);
BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL is_signed);
UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL is_signed);
LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);

// Message box types, icons, default buttons and modality.
inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_OKCANCEL = 0x00000001;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x00000002;
inline constexpr UINT MB_YESNOCANCEL = 0x00000003;
inline constexpr UINT MB_YESNO = 0x00000004;
inline constexpr UINT MB_RETRYCANCEL = 0x00000005;
inline constexpr UINT MB_CANCELTRYCONTINUE = 0x00000006;
inline constexpr UINT MB_TYPEMASK = 0x0000000F;
inline constexpr UINT MB_ICONHAND = 0x00000010;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONQUESTION = 0x00000020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONASTERISK = 0x00000040;
inline constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr UINT MB_ICONMASK = 0x000000F0;
inline constexpr UINT MB_DEFBUTTON1 = 0x00000000;
inline constexpr UINT MB_DEFBUTTON2 = 0x00000100;
inline constexpr UINT MB_DEFBUTTON3 = 0x00000200;
inline constexpr UINT MB_DEFBUTTON4 = 0x00000300;
inline constexpr UINT MB_DEFMASK = 0x00000F00;
inline constexpr UINT MB_APPLMODAL = 0x00000000;
inline constexpr UINT MB_SYSTEMMODAL = 0x00001000;
inline constexpr UINT MB_TASKMODAL = 0x00002000;
inline constexpr UINT MB_HELP = 0x00004000;
inline constexpr UINT MB_SETFOREGROUND = 0x00010000;
inline constexpr UINT MB_TOPMOST = 0x00040000;
inline constexpr UINT MB_RIGHT = 0x00080000;
inline constexpr UINT MB_RTLREADING = 0x00100000;

// A modal box of class "#32770" with the text in a static (id 0xFFFF) and push buttons whose
// ids are the answers; an empty or null caption reads "Error", as on Windows.
int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
BOOL WINAPI MessageBeep(UINT type);
