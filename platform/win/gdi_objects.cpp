// Selecting, deleting and describing graphics objects. An object that a context holds, now
// or in a saved state, cannot be deleted; a bitmap goes into one memory context at a time.
#include <algorithm>
#include <cstring>
#include <utility>
#include <variant>

#include "platform/win/gdi_bitmap_api.h"
#include "platform/win/gdi_clip_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

using desktop::DeviceContext;

namespace {

template <typename... Ts>
struct Visitor : Ts... {
  using Ts::operator()...;
};
template <typename... Ts>
Visitor(Ts...) -> Visitor<Ts...>;

HGDIOBJ replace(HGDIOBJ& slot, HGDIOBJ object) {
  return std::exchange(slot, object);
}

HGDIOBJ select_bitmap(DeviceContext& dc, HGDIOBJ object) {
  if (dc.kind != DeviceContext::Kind::Memory) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (object != gdi_internal::default_bitmap() && gdi_internal::selected_anywhere(object, &dc)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return replace(dc.attributes.bitmap, object);
}

BITMAP bitmap_record(const desktop::GdiBitmap& bitmap) {
  const desktop::Surface& surface = *bitmap.surface;
  const LONG row_bytes = bitmap.bits_per_pixel == 1 ? (surface.width() + 15) / 16 * 2 : surface.width() * 4;
  return {0,
          surface.width(),
          surface.height(),
          row_bytes,
          1,
          static_cast<WORD>(bitmap.bits_per_pixel),
          bitmap.dib_section ? const_cast<std::uint32_t*>(surface.bits()) : nullptr};
}

DIBSECTION dib_record(const desktop::GdiBitmap& bitmap) {
  DIBSECTION record{};
  record.dsBm = bitmap_record(bitmap);
  BITMAPINFOHEADER& header = record.dsBmih;
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = record.dsBm.bmWidth;
  header.biHeight = bitmap.surface->rows() == desktop::Surface::Rows::BottomUp ? record.dsBm.bmHeight
                                                                               : -record.dsBm.bmHeight;
  header.biPlanes = 1;
  header.biBitCount = static_cast<WORD>(bitmap.bits_per_pixel);
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(record.dsBm.bmWidthBytes * record.dsBm.bmHeight);
  return record;
}

// Copies what fits of a record, as GetObjectW does for the small ones.
template <typename Record>
int give(const Record& record, int size, LPVOID buffer) {
  if (buffer == nullptr) return sizeof(Record);
  const int copied = std::min(size, static_cast<int>(sizeof(Record)));
  if (copied <= 0) return 0;
  std::memcpy(buffer, &record, static_cast<std::size_t>(copied));
  return copied;
}

int give_bitmap(const desktop::GdiBitmap& bitmap, int size, LPVOID buffer) {
  if (bitmap.dib_section && (buffer == nullptr || size >= static_cast<int>(sizeof(DIBSECTION))))
    return give(dib_record(bitmap), size, buffer);
  if (buffer == nullptr) return sizeof(BITMAP);
  if (size < static_cast<int>(sizeof(BITMAP))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return give(bitmap_record(bitmap), size, buffer);
}

}  // namespace

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object) {
  DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr) return nullptr;
  desktop::GdiObject* found = gdi_internal::object_of(object);
  if (found == nullptr) return nullptr;
  return std::visit(Visitor{[&](const desktop::GdiBitmap&) { return select_bitmap(*dc, object); },
                            [&](const desktop::GdiBrush&) { return replace(dc->attributes.brush, object); },
                            [&](const desktop::GdiPen&) { return replace(dc->attributes.pen, object); },
                            [&](const desktop::GdiFont&) { return replace(dc->attributes.font, object); },
                            [&](const desktop::GdiRegion&) {
                              const int kind = SelectClipRgn(hdc, static_cast<HRGN>(object));
                              return kind == ERROR
                                         ? HGDI_ERROR
                                         : reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(kind));
                            }},
                    found->data);
}

BOOL WINAPI DeleteObject(HGDIOBJ object) {
  desktop::GdiObject* found = gdi_internal::object_of(object);
  if (found == nullptr) return FALSE;
  if (found->stock) return TRUE;
  if (gdi_internal::selected_anywhere(object)) return FALSE;
  gdi_internal::machine().gdi().objects().remove(reinterpret_cast<std::uintptr_t>(object));
  return TRUE;
}

int WINAPI GetObjectW(HANDLE object, int size, LPVOID buffer) {
  desktop::GdiObject* found = gdi_internal::object_of(object);
  if (found == nullptr) return 0;
  return std::visit(
      Visitor{[&](const desktop::GdiBitmap& bitmap) { return give_bitmap(bitmap, size, buffer); },
              [&](const desktop::GdiBrush& brush) {
                return give(LOGBRUSH{brush.style, brush.colour, brush.hatch}, size, buffer);
              },
              [&](const desktop::GdiPen& pen) {
                return give(LOGPEN{pen.style, {pen.width, 0}, pen.colour}, size, buffer);
              },
              [&](const desktop::GdiFont& font) { return give(font.logfont, size, buffer); },
              [&](const desktop::GdiRegion&) {
                SetLastError(ERROR_INVALID_HANDLE);
                return 0;
              }},
      found->data);
}

DWORD WINAPI GetObjectType(HGDIOBJ object) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  if (const desktop::GdiObject* found = self->desktop().gdi().object(object)) {
    constexpr DWORD kTypes[] = {OBJ_BITMAP, OBJ_BRUSH, OBJ_PEN, OBJ_FONT, OBJ_REGION};
    return kTypes[found->data.index()];
  }
  if (const DeviceContext* dc =
          self->desktop().device_contexts().get(reinterpret_cast<std::uintptr_t>(object)))
    return dc->kind == DeviceContext::Kind::Memory ? OBJ_MEMDC : OBJ_DC;
  SetLastError(ERROR_INVALID_HANDLE);
  return 0;
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
  DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr) return nullptr;
  switch (type) {
    case OBJ_PEN:
      return dc->attributes.pen;
    case OBJ_BRUSH:
      return dc->attributes.brush;
    case OBJ_FONT:
      return dc->attributes.font;
    case OBJ_BITMAP:
      return dc->attributes.bitmap;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}
