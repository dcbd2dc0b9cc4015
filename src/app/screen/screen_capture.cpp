#include "src/app/screen/screen_capture.h"

#include <algorithm>

#include "platform/win/device_context_api.h"
#include "platform/win/gdi_bitmap_api.h"
#include "platform/win/gdi_blit_api.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/rect_api.h"

HBITMAP CaptureScreenPixels(const RECT& rect) {
  if (IsRectEmpty(&rect)) return nullptr;
  const int left = std::max<int>(rect.left, 0);
  const int top = std::max<int>(rect.top, 0);
  if (rect.right <= left || rect.bottom <= top) return nullptr;
  HDC screen = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  if (screen == nullptr) return nullptr;
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, rect.right - left, rect.bottom - top);
  if (memory != nullptr && bitmap != nullptr) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, rect.right - left, rect.bottom - top, screen, left, top, SRCCOPY);
    SelectObject(memory, previous);
  }
  if (memory != nullptr) DeleteDC(memory);
  DeleteDC(screen);
  return bitmap;
}
