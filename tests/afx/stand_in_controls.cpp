#include "tests/afx/stand_in_controls.h"

#include "platform/win/win32.h"

namespace {

constexpr UINT kClick = 0x00F5;
constexpr UINT kSetStyle = 0x00F4;

LRESULT CALLBACK button_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_BUTTON |
             ((GetWindowLongW(hwnd, GWL_STYLE) & 0xF) == kStandInDefPushButton ? DLGC_DEFPUSHBUTTON
                                                                               : DLGC_UNDEFPUSHBUTTON);
    case kSetStyle:
      SetWindowLongW(hwnd, GWL_STYLE,
                     static_cast<LONG>((GetWindowLongW(hwnd, GWL_STYLE) & ~0xFFFF) | wParam));
      return 0;
    case kClick:
    case WM_LBUTTONUP:
      SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                   reinterpret_cast<LPARAM>(hwnd));
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT CALLBACK static_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETDLGCODE) return DLGC_STATIC;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK edit_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETDLGCODE) return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  if (message == WM_CHAR && wParam >= L' ') {
    wchar_t text[256] = {};
    int length = GetWindowTextW(hwnd, text, 255);
    text[length] = static_cast<wchar_t>(wParam);
    SetWindowTextW(hwnd, text);
    return 0;
  }
  LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_SETTEXT)
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), EN_CHANGE),
                 reinterpret_cast<LPARAM>(hwnd));
  return result;
}

void register_if_missing(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  if (GetClassInfoExW(nullptr, name, &existing)) return;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = procedure;
  window_class.lpszClassName = name;
  RegisterClassExW(&window_class);
}

}  // namespace

void register_stand_in_controls() {
  register_if_missing(L"Button", button_procedure);
  register_if_missing(L"Static", static_procedure);
  register_if_missing(L"Edit", edit_procedure);
}
