// GetWindowLong(Ptr)W and SetWindowLong(Ptr)W: styles, id, user data, the window procedure
// and the class's extra window bytes.
#include <cstring>

#include "platform/win/message_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

using desktop::Window;

namespace {

bool extra_fits(const Window& window, int index, std::size_t size) {
  if (index < 0 || static_cast<std::size_t>(index) + size > window.extra.size()) {
    SetLastError(ERROR_INVALID_INDEX);
    return false;
  }
  return true;
}

template <typename Value>
Value read_extra(const Window& window, int index) {
  Value value{};
  if (extra_fits(window, index, sizeof(Value)))
    std::memcpy(&value, window.extra.data() + index, sizeof(Value));
  return value;
}

template <typename Value>
Value write_extra(Window& window, int index, Value value) {
  Value old{};
  if (!extra_fits(window, index, sizeof(Value))) return old;
  std::memcpy(&old, window.extra.data() + index, sizeof(Value));
  std::memcpy(window.extra.data() + index, &value, sizeof(Value));
  return old;
}

DWORD change_style(HWND hwnd, Window& window, int which, DWORD value) {
  DWORD& field = which == GWL_STYLE ? window.style : window.ex_style;
  STYLESTRUCT change{field, value};
  SendMessageW(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(&change));
  if (!IsWindow(hwnd)) return change.styleOld;
  field = change.styleNew;
  // A window made layered afresh starts unset again, hidden until its layering is given.
  if (!window.layered()) window.layering = Window::Layering::Unset;
  SendMessageW(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(&change));
  return change.styleOld;
}

bool own_process(const Window& window) {
  desktop::DesktopThread* self = desktop::current_thread();
  if (self != nullptr && self->process().id == window.process_id) return true;
  SetLastError(ERROR_ACCESS_DENIED);
  return false;
}

}  // namespace

LONG_PTR WINAPI GetWindowLongPtrW(HWND hwnd, int index) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return 0;
  switch (index) {
    case GWL_STYLE:
      return static_cast<LONG_PTR>(static_cast<LONG>(window->style));
    case GWL_EXSTYLE:
      return static_cast<LONG_PTR>(static_cast<LONG>(window->ex_style));
    case GWLP_ID:
      return window->id;
    case GWLP_USERDATA:
      return window->user_data;
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(window->is_child() ? window->parent : window->owner);
    default:
      return read_extra<LONG_PTR>(*window, index);
  }
}

LONG_PTR WINAPI SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return 0;
  LONG_PTR old = 0;
  switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE:
      return static_cast<LONG>(change_style(hwnd, *window, index, static_cast<DWORD>(value)));
    case GWLP_ID:
      old = window->id;
      window->id = value;
      return old;
    case GWLP_USERDATA:
      old = window->user_data;
      window->user_data = value;
      return old;
    case GWLP_WNDPROC:
      // Only the window's own process may subclass it.
      if (!own_process(*window)) return 0;
      old = reinterpret_cast<LONG_PTR>(window->proc);
      window->proc = reinterpret_cast<WNDPROC>(value);
      return old;
    case GWLP_HINSTANCE:
      old = reinterpret_cast<LONG_PTR>(window->instance);
      window->instance = reinterpret_cast<HINSTANCE>(value);
      return old;
    case GWLP_HWNDPARENT:
      if (window->is_child()) return reinterpret_cast<LONG_PTR>(window->parent);
      old = reinterpret_cast<LONG_PTR>(window->owner);
      window->owner = reinterpret_cast<HWND>(value);
      return old;
    default:
      return write_extra<LONG_PTR>(*window, index, value);
  }
}

LONG WINAPI GetWindowLongW(HWND hwnd, int index) {
  switch (index) {
    case GWLP_WNDPROC:
    case GWLP_HINSTANCE:
    case GWLP_HWNDPARENT:
      // Pointers do not fit a LONG; these take GetWindowLongPtrW, as on 64-bit Windows.
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    case GWL_STYLE:
    case GWL_EXSTYLE:
    case GWLP_ID:
    case GWLP_USERDATA:
      return static_cast<LONG>(GetWindowLongPtrW(hwnd, index));
    default: {
      auto window = win_internal::live_window(hwnd);
      return window ? read_extra<LONG>(*window, index) : 0;
    }
  }
}

LONG WINAPI SetWindowLongW(HWND hwnd, int index, LONG value) {
  switch (index) {
    case GWLP_WNDPROC:
    case GWLP_HINSTANCE:
    case GWLP_HWNDPARENT:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    case GWL_STYLE:
    case GWL_EXSTYLE:
      return static_cast<LONG>(
          SetWindowLongPtrW(hwnd, index, static_cast<LONG_PTR>(static_cast<DWORD>(value))));
    case GWLP_ID:
    case GWLP_USERDATA:
      return static_cast<LONG>(SetWindowLongPtrW(hwnd, index, value));
    default: {
      auto window = win_internal::live_window(hwnd);
      return window ? write_extra<LONG>(*window, index, value) : 0;
    }
  }
}
