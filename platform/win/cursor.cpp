// The cursor: its shape, the shared system cursors, its position and the rectangle it is
// confined to, and what DefWindowProcW does with WM_SETCURSOR.
#include <array>
#include <utility>

#include "platform/desktop/mouse_input.h"
#include "platform/win/message_api.h"
#include "platform/win/mouse_internal.h"
#include "platform/win/rect_api.h"
#include "platform/win/resource_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"

namespace {

struct EdgeCursor {
  LRESULT hit;
  LPCWSTR cursor;
};

const std::array<EdgeCursor, 8> kEdgeCursors{{
    {HTLEFT, IDC_SIZEWE},
    {HTRIGHT, IDC_SIZEWE},
    {HTTOP, IDC_SIZENS},
    {HTBOTTOM, IDC_SIZENS},
    {HTTOPLEFT, IDC_SIZENWSE},
    {HTBOTTOMRIGHT, IDC_SIZENWSE},
    {HTTOPRIGHT, IDC_SIZENESW},
    {HTBOTTOMLEFT, IDC_SIZENESW},
}};

HCURSOR shared_cursor(LPCWSTR name) {
  return desktop::system_cursor(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)));
}

}  // namespace

namespace win_internal {

LRESULT default_set_cursor(desktop::Window& window, WPARAM wParam, LPARAM lParam) {
  // The parent may choose the cursor over its children; it is asked first.
  if (window.is_child() && SendMessageW(window.parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
  if (reinterpret_cast<HWND>(wParam) != window.handle) return FALSE;
  const LRESULT hit = static_cast<short>(LOWORD(static_cast<DWORD_PTR>(lParam)));
  if (hit == HTCLIENT) {
    HCURSOR cursor = window.window_class ? window.window_class->cursor : nullptr;
    if (cursor == nullptr) return FALSE;
    SetCursor(cursor);
    return TRUE;
  }
  for (const EdgeCursor& edge : kEdgeCursors)
    if (edge.hit == hit) {
      SetCursor(shared_cursor(edge.cursor));
      return TRUE;
    }
  SetCursor(shared_cursor(IDC_ARROW));
  return FALSE;
}

}  // namespace win_internal

HCURSOR WINAPI LoadCursorW(HINSTANCE instance, LPCWSTR name) {
  if (win_internal::caller() == nullptr) return nullptr;
  HCURSOR cursor = instance == nullptr && IS_INTRESOURCE(name) ? shared_cursor(name) : nullptr;
  if (cursor == nullptr && instance != nullptr) cursor = LoadProgramCursor(name);
  if (cursor == nullptr) SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return cursor;
}

HCURSOR WINAPI SetCursor(HCURSOR cursor) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  return std::exchange(self->desktop().mouse().shape, cursor);
}

HCURSOR WINAPI GetCursor() {
  desktop::DesktopThread* self = win_internal::caller();
  return self ? self->desktop().mouse().shape : nullptr;
}

BOOL WINAPI GetCursorPos(LPPOINT point) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || point == nullptr) return FALSE;
  *point = self->desktop().cursor();
  return TRUE;
}

BOOL WINAPI SetCursorPos(int x, int y) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  desktop::MouseEvent move;
  move.move_to = POINT{x, y};
  move.from_program = true;
  desktop::inject_mouse(self->desktop(), move);
  return TRUE;
}

BOOL WINAPI ClipCursor(const RECT* rect) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  desktop::Desktop& machine = self->desktop();
  std::optional<RECT>& clip = machine.mouse().clip;
  if (rect == nullptr) {
    clip.reset();
    return TRUE;
  }
  const RECT whole = desktop::virtual_screen(machine.monitors());
  RECT inside;
  if (!IntersectRect(&inside, rect, &whole)) inside = whole;
  clip = inside;
  // The cursor jumps into the new rectangle at once.
  POINT at = machine.cursor();
  if (!PtInRect(&inside, at)) SetCursorPos(at.x, at.y);
  return TRUE;
}

BOOL WINAPI GetClipCursor(LPRECT rect) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || rect == nullptr) return FALSE;
  desktop::Desktop& machine = self->desktop();
  *rect = machine.mouse().clip.value_or(desktop::virtual_screen(machine.monitors()));
  return TRUE;
}
