// Registering window classes and asking about them.
#include <algorithm>
#include <cwchar>

#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"
#include "platform/win/window_api.h"

ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* window_class) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  if (window_class == nullptr || window_class->cbSize != sizeof(WNDCLASSEXW) ||
      window_class->lpszClassName == nullptr || IS_INTRESOURCE(window_class->lpszClassName) ||
      window_class->lpszClassName[0] == L'\0' || window_class->cbWndExtra < 0 ||
      window_class->cbClsExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  desktop::WindowClass entry;
  entry.name = window_class->lpszClassName;
  entry.style = window_class->style;
  entry.proc = window_class->lpfnWndProc;
  entry.class_extra = window_class->cbClsExtra;
  entry.window_extra = window_class->cbWndExtra;
  entry.instance = window_class->hInstance;
  entry.icon = window_class->hIcon;
  entry.small_icon = window_class->hIconSm;
  entry.cursor = window_class->hCursor;
  entry.background = window_class->hbrBackground;
  if (window_class->lpszMenuName != nullptr && !IS_INTRESOURCE(window_class->lpszMenuName))
    entry.menu_name = window_class->lpszMenuName;
  entry.process_id = self->process().id;
  ATOM atom = self->desktop().classes().add(std::move(entry));
  if (atom == 0) SetLastError(ERROR_CLASS_ALREADY_EXISTS);
  return atom;
}

BOOL WINAPI UnregisterClassW(LPCWSTR class_name, HINSTANCE) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || class_name == nullptr) return FALSE;
  DWORD error = ERROR_SUCCESS;
  if (self->desktop().classes().remove(class_name, self->process().id, error)) return TRUE;
  SetLastError(error);
  return FALSE;
}

BOOL WINAPI GetClassInfoExW(HINSTANCE, LPCWSTR class_name, WNDCLASSEXW* out) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || class_name == nullptr || out == nullptr) return FALSE;
  auto window_class = self->desktop().classes().find(class_name, self->process().id);
  if (!window_class) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  out->cbSize = sizeof(WNDCLASSEXW);
  out->style = window_class->style;
  out->lpfnWndProc = window_class->proc;
  out->cbClsExtra = window_class->class_extra;
  out->cbWndExtra = window_class->window_extra;
  out->hInstance = window_class->instance;
  out->hIcon = window_class->icon;
  out->hCursor = window_class->cursor;
  out->hbrBackground = window_class->background;
  out->lpszMenuName = window_class->menu_name.empty() ? nullptr : window_class->menu_name.c_str();
  out->lpszClassName = window_class->name.c_str();
  out->hIconSm = window_class->small_icon;
  return window_class->atom;
}

int WINAPI GetClassNameW(HWND hwnd, LPWSTR buffer, int max_count) {
  auto window = win_internal::live_window(hwnd);
  if (!window || max_count <= 0) return 0;
  return win_internal::copy_truncated(window->window_class->name, buffer,
                                      static_cast<std::size_t>(max_count));
}
