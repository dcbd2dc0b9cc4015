// Dialogs made from templates: the dialog class, dialog units from the dialog's font, the
// controls, WM_INITDIALOG, the modal loop of DialogBox and EndDialog.
#include <algorithm>

#include "platform/desktop/desktop.h"
#include "platform/win/device_context_api.h"
#include "platform/win/dialog_internal.h"
#include "platform/win/dialog_placement.h"
#include "platform/win/focus_api.h"
#include "platform/win/gdi_font_api.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/gdi_sys_color_api.h"
#include "platform/win/gdi_text_api.h"
#include "platform/win/message_api.h"
#include "platform/win/monitor_api.h"
#include "platform/win/mul_div_api.h"
#include "platform/win/resource_api.h"
#include "platform/win/system_parameters_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace win_internal {

DialogState* dialog_state(HWND dialog) {
  auto window = live_window(dialog);
  if (!window || window->window_class->name != WC_DIALOG ||
      window->extra.size() < static_cast<std::size_t>(DLGWINDOWEXTRA))
    return nullptr;
  return reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DLGWINDOWEXTRA - sizeof(LONG_PTR)));
}

void register_dialog_class(desktop::Desktop& machine) {
  desktop::WindowClass entry;
  entry.name = WC_DIALOG;
  entry.style = CS_DBLCLKS | CS_SAVEBITS;
  entry.proc = DefDlgProcW;
  entry.window_extra = DLGWINDOWEXTRA;
  entry.background = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  machine.classes().add(std::move(entry));
}

SIZE font_base_units(HFONT font) {
  static constexpr wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font ? font : GetStockObject(SYSTEM_FONT));
  SIZE extent{};
  GetTextExtentPoint32W(screen, kAlphabet, 52, &extent);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return {(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

INT_PTR run_dialog_loop(HWND dialog, HWND) {
  for (;;) {
    DialogState* state = dialog_state(dialog);
    if (state == nullptr) return -1;
    if (state->ended) return state->result;
    MSG msg;
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      // WM_QUIT ends every modal loop on the way out to the program's own loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return -1;
    }
    if (!IsDialogMessageW(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

}  // namespace win_internal

namespace {

using win_internal::DialogState;

HFONT create_dialog_font(const DialogTemplate& dialog_template) {
  if (dialog_template.font_name == nullptr) return nullptr;
  HDC screen = GetDC(nullptr);
  int height = -MulDiv(dialog_template.font_size, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return CreateFontW(height, 0, 0, 0, 400, FALSE, FALSE, FALSE, 1, 0, 0, 0, 0, dialog_template.font_name);
}

RECT to_pixels(SIZE units, short x, short y, short cx, short cy) {
  int left = MulDiv(x, units.cx, 4);
  int top = MulDiv(y, units.cy, 8);
  return {left, top, left + MulDiv(cx, units.cx, 4), top + MulDiv(cy, units.cy, 8)};
}

// Where a top-level dialog goes: its template position from the owner's client area, or with
// DS_CENTER centred on the owner (or the work area) and kept whole on the owner's monitor.
POINT dialog_origin(const DialogTemplate& dialog_template, HWND owner, SIZE units, SIZE size) {
  RECT position = to_pixels(units, dialog_template.x, dialog_template.y, 0, 0);
  if (dialog_template.style & DS_CENTER) {
    const bool on_owner = owner != nullptr && IsWindowVisible(owner);
    RECT area{};
    if (on_owner) {
      GetWindowRect(owner, &area);
    } else {
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    const LONG left = area.left + (area.right - area.left - size.cx) / 2;
    const LONG top = area.top + (area.bottom - area.top - size.cy) / 2;
    const RECT centred{left, top, left + size.cx, top + size.cy};
    return win_internal::within_work_area(centred, on_owner
                                                       ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                                                       : MonitorFromRect(&centred, MONITOR_DEFAULTTOPRIMARY));
  }
  POINT origin{position.left, position.top};
  if (owner != nullptr && !(dialog_template.style & (DS_ABSALIGN | WS_CHILD))) ClientToScreen(owner, &origin);
  return origin;
}

bool create_controls(HWND dialog, const DialogTemplate& dialog_template, HINSTANCE instance, HFONT font,
                     SIZE units) {
  for (int i = 0; i < dialog_template.item_count; ++i) {
    const DialogItemTemplate& item = dialog_template.items[i];
    RECT rect = to_pixels(units, item.x, item.y, item.cx, item.cy);
    HWND control = CreateWindowExW(item.ex_style | WS_EX_NOPARENTNOTIFY, item.class_name,
                                   item.text ? item.text : L"", item.style | WS_CHILD, rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance, nullptr);
    if (control == nullptr) {
      if (!(dialog_template.style & DS_NOFAILCREATE)) return false;
      continue;
    }
    if (font != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  return true;
}

HWND create_dialog(HINSTANCE instance, const DialogTemplate* dialog_template, HWND owner, DLGPROC proc,
                   LPARAM init_param) {
  if (win_internal::caller() == nullptr) return nullptr;
  if (dialog_template == nullptr || (dialog_template->item_count > 0 && dialog_template->items == nullptr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HFONT font = create_dialog_font(*dialog_template);
  SIZE units = win_internal::font_base_units(font);
  RECT frame = to_pixels(units, 0, 0, dialog_template->cx, dialog_template->cy);
  const DWORD style = dialog_template->style & ~WS_VISIBLE;
  AdjustWindowRectEx(&frame, style, FALSE, dialog_template->ex_style);
  SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  POINT origin = dialog_origin(*dialog_template, owner, units, size);

  win_internal::DialogCreation creation{proc, init_param};
  HWND dialog = CreateWindowExW(dialog_template->ex_style, WC_DIALOG, dialog_template->caption, style,
                                origin.x, origin.y, size.cx, size.cy, owner, nullptr, instance, &creation);
  DialogState* state = dialog ? win_internal::dialog_state(dialog) : nullptr;
  if (state == nullptr) {
    if (font != nullptr) DeleteObject(font);
    return nullptr;
  }
  state->font = font;
  state->owns_font = font != nullptr;
  state->base_units = units;
  if (font != nullptr) SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (!create_controls(dialog, *dialog_template, instance, font, units)) {
    DestroyWindow(dialog);
    return nullptr;
  }
  HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
  if (SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), init_param) && first != nullptr &&
      IsWindow(first))
    SetFocus(first);
  if (!IsWindow(dialog)) return nullptr;
  state = win_internal::dialog_state(dialog);
  if ((dialog_template->style & WS_VISIBLE) && !state->ended) ShowWindow(dialog, SW_SHOWNORMAL);
  return dialog;
}

INT_PTR run_modal(HINSTANCE instance, const DialogTemplate* dialog_template, HWND owner, DLGPROC proc,
                  LPARAM init_param) {
  if (owner != nullptr) owner = GetAncestor(owner, GA_ROOT);
  HWND dialog = create_dialog(instance, dialog_template, owner, proc, init_param);
  if (dialog == nullptr) return -1;
  const bool disable_owner = owner != nullptr && IsWindowEnabled(owner);
  if (disable_owner) EnableWindow(owner, FALSE);
  if (!win_internal::dialog_state(dialog)->ended) ShowWindow(dialog, SW_SHOWNORMAL);
  INT_PTR result = win_internal::run_dialog_loop(dialog, owner);
  // The owner comes back before the dialog goes, so that it is the one activated.
  if (disable_owner) EnableWindow(owner, TRUE);
  if (IsWindow(dialog)) DestroyWindow(dialog);
  return result;
}

}  // namespace

HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialog_template, HWND owner,
                                       DLGPROC proc, LPARAM init_param) {
  return create_dialog(instance, dialog_template, owner, proc, init_param);
}

HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR template_name, HWND owner, DLGPROC proc,
                               LPARAM init_param) {
  const DialogTemplate* found = FindDialogTemplate(instance, template_name);
  if (found == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return create_dialog(instance, found, owner, proc, init_param);
}

INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialog_template, HWND owner,
                                       DLGPROC proc, LPARAM init_param) {
  return run_modal(instance, dialog_template, owner, proc, init_param);
}

INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR template_name, HWND owner, DLGPROC proc,
                               LPARAM init_param) {
  const DialogTemplate* found = FindDialogTemplate(instance, template_name);
  if (found == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return -1;
  }
  return run_modal(instance, found, owner, proc, init_param);
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  DialogState* state = win_internal::dialog_state(dialog);
  if (state == nullptr) return FALSE;
  // The first result stands, as the dialog's modal loop may already have taken it.
  if (state->ended) return TRUE;
  state->ended = true;
  state->result = result;
  // Wakes the modal loop, which may be waiting on an empty queue.
  PostMessageW(dialog, WM_NULL, 0, 0);
  return TRUE;
}

BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect) {
  DialogState* state = win_internal::dialog_state(dialog);
  if (state == nullptr || rect == nullptr) return FALSE;
  const SIZE units = state->base_units;
  *rect = {MulDiv(rect->left, units.cx, 4), MulDiv(rect->top, units.cy, 8), MulDiv(rect->right, units.cx, 4),
           MulDiv(rect->bottom, units.cy, 8)};
  return TRUE;
}

LONG WINAPI GetDialogBaseUnits() {
  if (win_internal::caller() == nullptr) return 0;
  SIZE units = win_internal::font_base_units(nullptr);
  return MAKELONG(units.cx, units.cy);
}
