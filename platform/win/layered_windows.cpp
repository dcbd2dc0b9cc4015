// SetLayeredWindowAttributes, GetLayeredWindowAttributes and UpdateLayeredWindow. They only
// record how the window shows; the screen's composition applies it.
#include "platform/desktop/gdi/blit.h"
#include "platform/desktop/gdi/raster_op.h"
#include "platform/desktop/gdi/window_surface.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/layered_window_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

using desktop::Window;

namespace {

bool refuse(DWORD error) {
  SetLastError(error);
  return false;
}

// The layered top-level window of hwnd, or null with the error set.
std::shared_ptr<Window> layered_window(HWND hwnd) {
  std::shared_ptr<Window> window = win_internal::live_window(hwnd);
  if (!window) return nullptr;
  if (!window->layered() || window->is_child()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return window;
}

// The part of a source context's surface that a picture of size at at comes from, which
// must lie wholly inside it.
std::optional<RECT> picture_area(const gdi_internal::Drawing& from, POINT at, SIZE size) {
  const POINT corner = gdi_internal::to_surface(from.dc, from.target, at.x, at.y);
  const RECT read{corner.x, corner.y, corner.x + size.cx, corner.y + size.cy};
  const RECT inside = desktop::intersection(read, from.target.surface->bounds());
  if (inside.left != read.left || inside.top != read.top || inside.right != read.right ||
      inside.bottom != read.bottom) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return std::nullopt;
  }
  return read;
}

// The picture becomes the window's surface, alpha bytes too.
void copy_picture(Window& window, const gdi_internal::Drawing& from, const RECT& read) {
  gdi_internal::prepare_read(from.target, read);
  desktop::Surface& surface = desktop::window_surface(window);
  desktop::Conversion conversion;
  if (from.target.monochrome) conversion = {desktop::Conversion::Kind::MonoToColour, 0, 0x00FFFFFFu, 0};
  const desktop::RectList clip(surface.bounds());
  desktop::raster_blt({surface, false, clip}, {0, 0, read.right - read.left, read.bottom - read.top},
                      from.target.surface, {read.left, read.top}, conversion, desktop::Pattern{},
                      desktop::rop3_index(SRCCOPY));
}

}  // namespace

BOOL WINAPI SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags) {
  std::shared_ptr<Window> window = layered_window(hwnd);
  if (!window) return FALSE;
  if (flags & ~(LWA_COLORKEY | LWA_ALPHA)) return refuse(ERROR_INVALID_PARAMETER);
  window->layering = Window::Layering::Attributes;
  window->layered_flags = flags;
  window->layered_key = key & 0x00FFFFFFu;
  window->layered_alpha = alpha;
  window->layered_per_pixel = false;
  return TRUE;
}

BOOL WINAPI GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags) {
  std::shared_ptr<Window> window = layered_window(hwnd);
  if (!window) return FALSE;
  // Only what SetLayeredWindowAttributes set can be read back.
  if (window->layering != Window::Layering::Attributes) return refuse(ERROR_INVALID_PARAMETER);
  if (key) *key = window->layered_key;
  if (alpha) *alpha = window->layered_alpha;
  if (flags) *flags = window->layered_flags;
  return TRUE;
}

BOOL WINAPI UpdateLayeredWindow(HWND hwnd, HDC, POINT* position, SIZE* size, HDC source,
                                POINT* source_position, COLORREF key, BLENDFUNCTION* blend, DWORD flags) {
  std::shared_ptr<Window> window = layered_window(hwnd);
  if (!window) return FALSE;
  if (flags & ~(ULW_COLORKEY | ULW_ALPHA | ULW_OPAQUE) || (flags & ULW_ALPHA && blend == nullptr) ||
      (size && (size->cx < 0 || size->cy < 0)))
    return refuse(ERROR_INVALID_PARAMETER);
  // A layered window set by SetLayeredWindowAttributes takes no picture until it is made
  // layered afresh.
  if (window->layering == Window::Layering::Attributes) return refuse(ERROR_INVALID_PARAMETER);
  const SIZE whole =
      size ? *size : SIZE{window->rect.right - window->rect.left, window->rect.bottom - window->rect.top};
  const std::optional<gdi_internal::Drawing> from = source ? gdi_internal::drawing_on(source) : std::nullopt;
  if (source && !from) return FALSE;
  std::optional<RECT> read;
  if (from) {
    read = picture_area(*from, source_position ? *source_position : POINT{0, 0}, whole);
    if (!read) return FALSE;
  }
  if (position || size) {
    UINT swp = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!position) swp |= SWP_NOMOVE;
    if (!size) swp |= SWP_NOSIZE;
    if (!SetWindowPos(hwnd, nullptr, position ? position->x : 0, position ? position->y : 0, whole.cx,
                      whole.cy, swp))
      return FALSE;
  }
  if (from) copy_picture(*window, *from, *read);
  window->layering = Window::Layering::Updated;
  window->layered_flags = flags;
  window->layered_key = key & 0x00FFFFFFu;
  window->layered_alpha = flags & ULW_ALPHA ? blend->SourceConstantAlpha : 255;
  window->layered_per_pixel = flags & ULW_ALPHA && (blend->AlphaFormat & AC_SRC_ALPHA);
  return TRUE;
}
