// IsDialogMessageW and the tab and group order it moves the focus in.
#include <vector>

#include "platform/win/controls_api.h"
#include "platform/win/dialog_internal.h"
#include "platform/win/focus_api.h"
#include "platform/win/keyboard_api.h"
#include "platform/win/message_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace {

std::vector<HWND> children_of(HWND dialog) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

bool can_take_focus(HWND control) {
  return IsWindowVisible(control) && IsWindowEnabled(control);
}

DWORD style_of(HWND control) {
  return static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
}

// Steps cyclically through candidates from control's place (or from either end without one).
HWND step(const std::vector<HWND>& ring, HWND control, bool previous, bool (*eligible)(HWND)) {
  const int count = static_cast<int>(ring.size());
  int start = -1;
  for (int i = 0; i < count; ++i)
    if (ring[i] == control) start = i;
  for (int n = 1; n <= count; ++n) {
    int i =
        start < 0 ? (previous ? count - n : n - 1) : ((start + (previous ? -n : n)) % count + count) % count;
    if (eligible(ring[i])) return ring[i];
  }
  return control;
}

bool tab_stop(HWND control) {
  return can_take_focus(control) && (style_of(control) & WS_TABSTOP);
}

// The group of a control: from the WS_GROUP control at or before it up to the next WS_GROUP.
std::vector<HWND> group_of(const std::vector<HWND>& children, HWND control) {
  std::vector<HWND> group;
  for (HWND child : children) {
    if (style_of(child) & WS_GROUP) {
      bool found = false;
      for (HWND member : group)
        found = found || member == control;
      if (found) return group;
      group.clear();
    }
    group.push_back(child);
  }
  return group;
}

void click(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (control != nullptr && !IsWindowEnabled(control)) return;
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

int enter_target(HWND dialog, HWND focus, LRESULT focus_code) {
  if (focus != nullptr && (focus_code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
    return GetDlgCtrlID(focus);
  LRESULT default_id = SendMessageW(dialog, DM_GETDEFID, 0, 0);
  return HIWORD(default_id) == DC_HASDEFID ? LOWORD(default_id) : IDOK;
}

bool handle_key(HWND dialog, const MSG& msg, LRESULT code) {
  HWND focus = GetFocus();
  switch (msg.wParam) {
    case VK_TAB:
      if (code & DLGC_WANTTAB) return false;
      SendMessageW(dialog, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, 0);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      if (code & DLGC_WANTARROWS) return false;
      HWND next = GetNextDlgGroupItem(dialog, focus, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
      if (next == nullptr || next == focus) return true;
      SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
      if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) SendMessageW(next, BM_CLICK, 0, 0);
      return true;
    }
    case VK_RETURN:
      click(dialog, enter_target(dialog, focus, code));
      return true;
    case VK_ESCAPE:
    case VK_CANCEL:
      click(dialog, IDCANCEL);
      return true;
    default:
      return false;
  }
}

}  // namespace

HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  if (!IsWindow(dialog)) return nullptr;
  HWND found = step(children_of(dialog), control, previous, tab_stop);
  return found != nullptr && tab_stop(found) ? found : control;
}

HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
  if (!IsWindow(dialog) || control == nullptr) return nullptr;
  return step(group_of(children_of(dialog), control), control, previous, can_take_focus);
}

BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG msg) {
  if (msg == nullptr || !IsWindow(dialog)) return FALSE;
  if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
  const bool key_down = msg->message == WM_KEYDOWN;
  const bool key_char = msg->message == WM_CHAR;
  if (key_down || key_char) {
    LRESULT code = SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
    if (!(code & DLGC_WANTALLKEYS)) {
      if (key_down && handle_key(dialog, *msg, code)) return TRUE;
      // The characters of the keys handled above do not reach the control.
      if (key_char &&
          (msg->wParam == L'\r' || msg->wParam == 0x1B || (msg->wParam == L'\t' && !(code & DLGC_WANTTAB))))
        return TRUE;
    }
  }
  TranslateMessage(msg);
  DispatchMessageW(msg);
  return TRUE;
}
