// MessageBoxW: a modal dialog of the dialog manager with the text and a row of push buttons,
// laid out from the measured text as Windows lays out its own boxes.
#include <algorithm>
#include <vector>

#include "platform/win/controls_api.h"
#include "platform/win/device_context_api.h"
#include "platform/win/dialog_api.h"
#include "platform/win/dialog_placement.h"
#include "platform/win/focus_api.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/gdi_text_api.h"
#include "platform/win/message_api.h"
#include "platform/win/message_box_notes_api.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace {

constexpr int kTextId = 0xFFFF;

struct BoxButton {
  int id;
  const wchar_t* caption;
};

struct BoxType {
  UINT type;
  std::vector<BoxButton> buttons;
};

const std::vector<BoxButton>& buttons_of(UINT type) {
  static const std::vector<BoxType> kTypes{
      {MB_OK, {{IDOK, L"OK"}}},
      {MB_OKCANCEL, {{IDOK, L"OK"}, {IDCANCEL, L"Cancel"}}},
      {MB_ABORTRETRYIGNORE, {{IDABORT, L"&Abort"}, {IDRETRY, L"&Retry"}, {IDIGNORE, L"&Ignore"}}},
      {MB_YESNOCANCEL, {{IDYES, L"&Yes"}, {IDNO, L"&No"}, {IDCANCEL, L"Cancel"}}},
      {MB_YESNO, {{IDYES, L"&Yes"}, {IDNO, L"&No"}}},
      {MB_RETRYCANCEL, {{IDRETRY, L"&Retry"}, {IDCANCEL, L"Cancel"}}},
      {MB_CANCELTRYCONTINUE,
       {{IDCANCEL, L"Cancel"}, {IDTRYAGAIN, L"&Try Again"}, {IDCONTINUE, L"&Continue"}}},
  };
  for (const BoxType& entry : kTypes)
    if (entry.type == (type & MB_TYPEMASK)) return entry.buttons;
  return kTypes.front().buttons;
}

struct Box {
  LPCWSTR text;
  UINT type;
  std::vector<BoxButton> buttons;
  std::size_t record = 0;  // its entry among the desktop's shown message boxes
};

bool has_button(const Box& box, int id) {
  return std::any_of(box.buttons.begin(), box.buttons.end(), [id](const BoxButton& b) { return b.id == id; });
}

int dialog_units(HWND box, int n, bool horizontal) {
  RECT rect{0, 0, n, n};
  MapDialogRect(box, &rect);
  return horizontal ? rect.right : rect.bottom;
}

SIZE measure(HWND box, LPCWSTR text, int width, UINT extra_format) {
  HDC dc = GetDC(box);
  HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
  RECT rect{0, 0, width, 0};
  DrawTextW(dc, text, -1, &rect, DT_CALCRECT | DT_WORDBREAK | extra_format);
  SelectObject(dc, previous);
  ReleaseDC(box, dc);
  return {rect.right, rect.bottom};
}

HWND add_control(HWND box, LPCWSTR class_name, int id, LPCWSTR text, DWORD style, RECT rect) {
  HWND control = CreateWindowExW(0, class_name, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                                 rect.right - rect.left, rect.bottom - rect.top, box,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  if (control != nullptr) SendMessageW(control, WM_SETFONT, SendMessageW(box, WM_GETFONT, 0, 0), FALSE);
  return control;
}

void lay_out(HWND box, const Box& spec) {
  const int margin_x = dialog_units(box, 8, true);
  const int margin_y = dialog_units(box, 8, false);
  const int gap = dialog_units(box, 4, true);
  SIZE text =
      measure(box, spec.text, GetSystemMetrics(SM_CXSCREEN) / 2, DT_NOPREFIX | 0x40 /* DT_EXPANDTABS */);
  SIZE button{dialog_units(box, 50, true), dialog_units(box, 14, false)};
  for (const BoxButton& b : spec.buttons)
    button.cx = std::max<LONG>(button.cx, measure(box, b.caption, 1000, 0).cx + 2 * gap);
  const int count = static_cast<int>(spec.buttons.size());
  const int row = count * button.cx + (count - 1) * gap;
  const int width = std::max<int>(text.cx + 2 * margin_x, row + 2 * margin_x);
  const int buttons_top = margin_y + text.cy + margin_y;
  const int height = buttons_top + button.cy + margin_y;

  add_control(box, L"Static", kTextId, spec.text, SS_NOPREFIX,
              {margin_x, margin_y, margin_x + text.cx, margin_y + text.cy});
  const int default_index = std::min(static_cast<int>((spec.type & MB_DEFMASK) >> 8), count - 1);
  int left = (width - row) / 2;
  for (int i = 0; i < count; ++i) {
    DWORD style =
        WS_TABSTOP | (i == 0 ? WS_GROUP : 0) | (i == default_index ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    add_control(box, L"Button", spec.buttons[i].id, spec.buttons[i].caption, style,
                {left, buttons_top, left + button.cx, buttons_top + button.cy});
    left += button.cx + gap;
  }
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(box, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(box, GWL_EXSTYLE)));
  SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (HWND owner = GetWindow(box, GW_OWNER); owner != nullptr && IsWindowVisible(owner))
    GetWindowRect(owner, &area);
  SetWindowPos(box, nullptr, area.left + (area.right - area.left - size.cx) / 2,
               area.top + (area.bottom - area.top - size.cy) / 2, size.cx, size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // An owner near the monitor's edge would have a wide box run off it.
  win_internal::keep_on_monitor(box);
  const int default_id = spec.buttons[static_cast<std::size_t>(default_index)].id;
  SendMessageW(box, DM_SETDEFID, static_cast<WPARAM>(default_id), 0);
  if (HWND focus = GetDlgItem(box, default_id)) SetFocus(focus);
  if (spec.type & MB_SETFOREGROUND) SetForegroundWindow(box);
}

INT_PTR CALLBACK box_procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(box, DWLP_USER, lParam);
    const Box& spec = *reinterpret_cast<const Box*>(lParam);
    NoteMessageBoxWindow(spec.record, box);
    lay_out(box, *reinterpret_cast<const Box*>(lParam));
    return FALSE;
  }
  if (message != WM_COMMAND) return FALSE;
  const Box& spec = *reinterpret_cast<const Box*>(GetWindowLongPtrW(box, DWLP_USER));
  int id = LOWORD(wParam);
  // Escape and the close box answer Cancel, or OK in a box with only OK, and nothing otherwise.
  if (id == IDCANCEL && !has_button(spec, IDCANCEL)) id = spec.buttons.size() == 1 ? spec.buttons[0].id : 0;
  if (has_button(spec, id)) EndDialog(box, id);
  return TRUE;
}

}  // namespace

int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  if (win_internal::caller() == nullptr) return 0;
  Box spec{text ? text : L"", type, buttons_of(type), 0};
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  DWORD ex_style = WS_EX_DLGMODALFRAME | ((type & MB_TOPMOST) ? WS_EX_TOPMOST : 0);
  DialogTemplate box{
      style, ex_style, 0, 0, 100, 40, caption && *caption ? caption : L"Error", L"MS Sans Serif",
      8,     nullptr,  0};
  spec.record = NoteMessageBoxShown(spec.text, box.caption, type);
  INT_PTR answer =
      DialogBoxIndirectParamW(nullptr, &box, owner, box_procedure, reinterpret_cast<LPARAM>(&spec));
  const int result = answer < 0 ? 0 : static_cast<int>(answer);
  NoteMessageBoxAnswer(spec.record, result);
  return result;
}

BOOL WINAPI MessageBeep(UINT) {
  return TRUE;
}
