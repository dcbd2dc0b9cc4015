// DefDlgProcW: the dialog procedure's first turn, then what the dialog manager does by default
// (the default button, the saved focus, WM_CLOSE as Cancel, the dialog font).
#include "platform/win/controls_api.h"
#include "platform/win/dialog_internal.h"
#include "platform/win/focus_api.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/message_api.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace {

using win_internal::DialogState;

// Button messages the dialog manager sends to show which push button is the default one.

// Messages whose answer is the dialog procedure's own result rather than DWLP_MSGRESULT.
bool answers_directly(UINT message) {
  return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) || message == WM_INITDIALOG ||
         message == WM_QUERYDRAGICON || message == 0x0039 /* WM_COMPAREITEM */ ||
         message == 0x002E /* WM_VKEYTOITEM */ || message == 0x002F /* WM_CHARTOITEM */;
}

HWND default_push_button(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    if (SendMessageW(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) return child;
  return nullptr;
}

LRESULT get_default_id(HWND dialog, const DialogState& state) {
  if (state.default_id != 0) return MAKELRESULT(state.default_id, DC_HASDEFID);
  HWND button = default_push_button(dialog);
  return button ? MAKELRESULT(GetDlgCtrlID(button), DC_HASDEFID) : 0;
}

void set_default_id(HWND dialog, DialogState& state, int id) {
  HWND previous = default_push_button(dialog);
  HWND next = GetDlgItem(dialog, id);
  if (previous != nullptr && previous != next) SendMessageW(previous, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  if (next != nullptr && (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
    SendMessageW(next, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  state.default_id = id;
}

void move_focus(HWND dialog, WPARAM wParam, LPARAM lParam) {
  HWND target = lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
  if (target == nullptr || !IsWindow(target)) return;
  SetFocus(target);
  if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(target, EM_SETSEL, 0, -1);
}

// A dialog with no control that can take the focus keeps it itself, so that its keys (Escape
// among them) still come to it.
void restore_focus(HWND dialog, DialogState& state) {
  HWND target = state.saved_focus;
  if (target == nullptr || !IsWindow(target) || !IsChild(dialog, target))
    target = GetNextDlgTabItem(dialog, nullptr, FALSE);
  if (target == nullptr) target = dialog;
  if (GetFocus() != target) SetFocus(target);
}

LRESULT default_handling(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogState* state = win_internal::dialog_state(dialog);
  if (state == nullptr) return DefWindowProcW(dialog, message, wParam, lParam);
  switch (message) {
    case DM_GETDEFID:
      return get_default_id(dialog, *state);
    case DM_SETDEFID:
      set_default_id(dialog, *state, static_cast<int>(wParam));
      return TRUE;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_NEXTDLGCTL:
      move_focus(dialog, wParam, lParam);
      return 0;
    case WM_CLOSE: {
      // The close box and Alt+F4 act as Cancel, unless a Cancel button is there but disabled.
      HWND cancel = GetDlgItem(dialog, IDCANCEL);
      if (cancel == nullptr || IsWindowEnabled(cancel))
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), reinterpret_cast<LPARAM>(cancel));
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(dialog, focus)) state->saved_focus = focus;
      } else {
        restore_focus(dialog, *state);
      }
      return 0;
    case WM_SETFOCUS:
      restore_focus(dialog, *state);
      return 0;
    case WM_NCDESTROY:
      if (state->owns_font) DeleteObject(state->font);
      SetWindowLongPtrW(dialog, DLGWINDOWEXTRA - sizeof(LONG_PTR), 0);
      delete state;
      return DefWindowProcW(dialog, message, wParam, lParam);
    default:
      return DefWindowProcW(dialog, message, wParam, lParam);
  }
}

}  // namespace

LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* creation = static_cast<const win_internal::DialogCreation*>(create->lpCreateParams);
    SetWindowLongPtrW(dialog, DLGWINDOWEXTRA - sizeof(LONG_PTR), reinterpret_cast<LONG_PTR>(new DialogState));
    if (creation != nullptr)
      SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(creation->proc));
  }
  auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC));
  if (proc != nullptr) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
    INT_PTR handled = proc(dialog, message, wParam, lParam);
    if (handled) return answers_directly(message) ? handled : GetWindowLongPtrW(dialog, DWLP_MSGRESULT);
    if (!IsWindow(dialog)) return 0;
  }
  return default_handling(dialog, message, wParam, lParam);
}
