// Device contexts and GetDeviceCaps. Contexts are handles of the desktop's table, so a
// released one is refused afterwards.
#include <cwchar>

#include "platform/desktop/device_context.h"
#include "platform/win/device_context_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

using desktop::DeviceContext;

namespace {

HDC add_context(desktop::Desktop& machine, DeviceContext::Kind kind, HWND hwnd) {
  auto context = std::make_shared<DeviceContext>();
  context->kind = kind;
  context->window = hwnd;
  context->owner_thread = desktop::current_thread()->thread_id();
  context->attributes = gdi_internal::default_attributes(kind == DeviceContext::Kind::Memory);
  return reinterpret_cast<HDC>(machine.device_contexts().add(std::move(context)));
}

HDC window_context(HWND hwnd, DeviceContext::Kind kind) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  if (hwnd == nullptr) return add_context(self->desktop(), DeviceContext::Kind::Screen, nullptr);
  if (!win_internal::live_window(hwnd)) return nullptr;
  return add_context(self->desktop(), kind, hwnd);
}

DeviceContext* context_of(HDC hdc) {
  desktop::DesktopThread* self = win_internal::caller();
  return self ? self->desktop().device_contexts().get(reinterpret_cast<std::uintptr_t>(hdc)) : nullptr;
}

const desktop::Monitor& monitor_of(desktop::Desktop& machine, const DeviceContext&) {
  // Windows of this era report one system-wide resolution: the primary monitor's.
  return machine.monitors().front();
}

}  // namespace

HDC WINAPI GetDC(HWND hwnd) {
  return window_context(hwnd, DeviceContext::Kind::Window);
}

HDC WINAPI GetWindowDC(HWND hwnd) {
  return window_context(hwnd, DeviceContext::Kind::WindowWithFrame);
}

int WINAPI ReleaseDC(HWND hwnd, HDC hdc) {
  DeviceContext* context = context_of(hdc);
  if (context == nullptr || context->kind == DeviceContext::Kind::Memory || context->window != hwnd) return 0;
  desktop::current_thread()->desktop().device_contexts().remove(reinterpret_cast<std::uintptr_t>(hdc));
  return 1;
}

HDC WINAPI CreateDCW(LPCWSTR driver, LPCWSTR, LPCWSTR, const void*) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  if (driver == nullptr || std::wcscmp(driver, L"DISPLAY") != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return add_context(self->desktop(), DeviceContext::Kind::Screen, nullptr);
}

HDC WINAPI CreateCompatibleDC(HDC hdc) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  if (hdc != nullptr && context_of(hdc) == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return add_context(self->desktop(), DeviceContext::Kind::Memory, nullptr);
}

BOOL WINAPI DeleteDC(HDC hdc) {
  DeviceContext* context = context_of(hdc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  desktop::current_thread()->desktop().device_contexts().remove(reinterpret_cast<std::uintptr_t>(hdc));
  return TRUE;
}

HWND WINAPI WindowFromDC(HDC hdc) {
  DeviceContext* context = context_of(hdc);
  return context ? context->window : nullptr;
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
  DeviceContext* context = context_of(hdc);
  if (context == nullptr) return 0;
  const desktop::Monitor& monitor = monitor_of(desktop::current_thread()->desktop(), *context);
  const int width = monitor.rect.right - monitor.rect.left;
  const int height = monitor.rect.bottom - monitor.rect.top;
  switch (index) {
    case TECHNOLOGY:
      return DT_RASDISPLAY;
    case HORZSIZE:
      return static_cast<int>(width * 254 / (monitor.dpi_x * 10));
    case VERTSIZE:
      return static_cast<int>(height * 254 / (monitor.dpi_y * 10));
    case HORZRES:
    case DESKTOPHORZRES:
      return width;
    case VERTRES:
    case DESKTOPVERTRES:
      return height;
    case BITSPIXEL:
      return 32;
    case PLANES:
      return 1;
    case NUMCOLORS:
      return -1;
    case RASTERCAPS:
      return RC_BITBLT | RC_STRETCHBLT;
    case LOGPIXELSX:
      return static_cast<int>(monitor.dpi_x);
    case LOGPIXELSY:
      return static_cast<int>(monitor.dpi_y);
    case VREFRESH:
      return monitor.refresh_hz;
    default:
      return 0;
  }
}
