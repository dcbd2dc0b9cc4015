// BeginPaint and EndPaint: a window context limited to the update area, which painting
// validates, erased first through WM_ERASEBKGND when an invalidation asked for it; a frame
// waiting for its paint gets WM_NCPAINT before.
#include <utility>

#include "platform/win/device_context_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/message_api.h"
#include "platform/win/paint_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return nullptr;
  if (paint == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (window->frame_pending) {
    window->frame_pending = false;
    SendMessageW(hwnd, WM_NCPAINT, 1, 0);
    window = win_internal::live_window(hwnd);
    if (!window) return nullptr;
  }
  HDC dc = GetDC(hwnd);
  desktop::DeviceContext* context = gdi_internal::context_of(dc);
  if (context == nullptr) return nullptr;
  context->paint_area = std::move(window->update);
  window->update = {};
  window->internal_paint = false;
  const bool erase = window->erase_pending;
  window->erase_pending = false;

  *paint = PAINTSTRUCT{};
  paint->hdc = dc;
  paint->rcPaint = context->paint_area->bounds();
  if (erase) paint->fErase = SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
  return dc;
}

BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
  if (paint == nullptr) return FALSE;
  ReleaseDC(hwnd, paint->hdc);
  return TRUE;
}
