#include "tests/afx/stand_in_controls.h"

#include <string>
#include <vector>

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

// A list of texts with a selection, as far as a drop-down list answers its messages.
struct ComboState {
  std::vector<std::wstring> items;
  int selection = -1;
};

LRESULT CALLBACK combo_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<ComboState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  const auto index = static_cast<std::size_t>(wParam);
  switch (message) {
    case WM_CREATE:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ComboState));
      return 0;
    case WM_NCDESTROY:
      delete state;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case 0x0143:  // CB_ADDSTRING
      state->items.emplace_back(reinterpret_cast<const wchar_t*>(lParam));
      return static_cast<LRESULT>(state->items.size()) - 1;
    case 0x0146:  // CB_GETCOUNT
      return static_cast<LRESULT>(state->items.size());
    case 0x0147:  // CB_GETCURSEL
      return state->selection;
    case 0x014E:  // CB_SETCURSEL
      state->selection = index < state->items.size() ? static_cast<int>(index) : -1;
      return state->selection;
    case 0x0149:  // CB_GETLBTEXTLEN
      return index < state->items.size() ? static_cast<LRESULT>(state->items[index].size()) : -1;
    case 0x0148:  // CB_GETLBTEXT
      if (index >= state->items.size()) return -1;
      std::copy(state->items[index].begin(), state->items[index].end(), reinterpret_cast<wchar_t*>(lParam));
      reinterpret_cast<wchar_t*>(lParam)[state->items[index].size()] = L'\0';
      return static_cast<LRESULT>(state->items[index].size());
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
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
  register_if_missing(L"ComboBox", combo_procedure);
}
