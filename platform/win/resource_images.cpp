// Bitmaps, icons and cursors from the program's resources.
#include <algorithm>
#include <vector>

#include "platform/win/device_context_api.h"
#include "platform/win/gdi_bitmap_api.h"
#include "platform/win/gdi_blit_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/gdi_sys_color_api.h"
#include "platform/win/resource_api.h"
#include "platform/win/system_icons.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"

namespace {

constexpr std::uint32_t kMagenta = 0x00FF00FF;

const BitmapResource* find_image(LPCWSTR name, ImageKind kind) {
  const ResourceTable* table = GetModuleResources();
  if (table == nullptr || !IS_INTRESOURCE(name)) return nullptr;
  const WORD id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
  for (int i = 0; i < table->bitmap_count; ++i)
    if (table->bitmaps[i].id == id && table->bitmaps[i].kind == kind) return &table->bitmaps[i];
  return nullptr;
}

std::uint32_t as_pixel(COLORREF colour) {
  return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

// The resource's pixels, 0x00RRGGBB top row first.
std::vector<std::uint32_t> pixels_of(const BitmapResource& resource, UINT flags) {
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(resource.width) * static_cast<std::size_t>(resource.height));
  for (int i = 0; i + 1 < resource.run_values; i += 2)
    pixels.insert(pixels.end(), resource.runs[i], resource.runs[i + 1]);
  pixels.resize(static_cast<std::size_t>(resource.width) * static_cast<std::size_t>(resource.height), 0);
  if (flags & LR_LOADMAP3DCOLORS) {
    const std::uint32_t shadow = as_pixel(GetSysColor(COLOR_3DSHADOW));
    const std::uint32_t face = as_pixel(GetSysColor(COLOR_3DFACE));
    const std::uint32_t light = as_pixel(GetSysColor(COLOR_3DLIGHT));
    for (std::uint32_t& pixel : pixels) {
      if (pixel == 0x808080)
        pixel = shadow;
      else if (pixel == 0xC0C0C0)
        pixel = face;
      else if (pixel == 0xDFDFDF)
        pixel = light;
    }
  }
  return pixels;
}

HBITMAP dib_section(int width, int height, const std::vector<std::uint32_t>& pixels) {
  std::uint32_t* bits = nullptr;
  HBITMAP bitmap = gdi_internal::top_down_dib(width, height, &bits);
  if (bitmap != nullptr) std::copy(pixels.begin(), pixels.end(), bits);
  return bitmap;
}

HBITMAP make_bitmap(const BitmapResource& resource, UINT flags) {
  std::vector<std::uint32_t> pixels = pixels_of(resource, flags);
  if (flags & LR_CREATEDIBSECTION) return dib_section(resource.width, resource.height, pixels);
  return CreateBitmap(resource.width, resource.height, 1, 32, pixels.data());
}

// Icons and cursors are premultiplied DIB sections: magenta is transparent, the rest opaque.
HANDLE shared_image(const BitmapResource& resource) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  const std::uint32_t key = (static_cast<std::uint32_t>(resource.kind) << 16) | resource.id;
  HANDLE& slot = self->process().shared_images[key];
  if (slot == nullptr) {
    std::vector<std::uint32_t> pixels = pixels_of(resource, 0);
    for (std::uint32_t& pixel : pixels)
      pixel = pixel == kMagenta ? 0 : pixel | 0xFF000000u;
    slot = dib_section(resource.width, resource.height, pixels);
  }
  return slot;
}

HANDLE load_shared(LPCWSTR name, ImageKind kind) {
  const BitmapResource* resource = find_image(name, kind);
  if (resource == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return shared_image(*resource);
}

}  // namespace

HBITMAP WINAPI LoadBitmapW(HINSTANCE, LPCWSTR name) {
  return static_cast<HBITMAP>(LoadImageW(nullptr, name, IMAGE_BITMAP, 0, 0, 0));
}

HANDLE WINAPI LoadImageW(HINSTANCE, LPCWSTR name, UINT type, int, int, UINT flags) {
  if (type == IMAGE_ICON) return load_shared(name, ImageKind::Icon);
  if (type == IMAGE_CURSOR) return load_shared(name, ImageKind::Cursor);
  if (type != IMAGE_BITMAP) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const BitmapResource* resource = find_image(name, ImageKind::Bitmap);
  if (resource == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return make_bitmap(*resource, flags);
}

HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name) {
  if (HICON own = static_cast<HICON>(load_shared(name, ImageKind::Icon))) return own;
  if (instance != nullptr) return nullptr;
  HICON system = win_internal::system_icon(name);
  if (system != nullptr) SetLastError(ERROR_SUCCESS);
  return system;
}

HCURSOR LoadProgramCursor(LPCWSTR name) {
  return static_cast<HCURSOR>(load_shared(name, ImageKind::Cursor));
}

BOOL WINAPI DrawIconEx(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH, UINT) {
  BITMAP bitmap{};
  if (icon == nullptr || GetObjectW(icon, sizeof(bitmap), &bitmap) == 0) return FALSE;
  HDC source = CreateCompatibleDC(hdc);
  HGDIOBJ previous = SelectObject(source, icon);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  BOOL drawn = AlphaBlend(hdc, x, y, cx ? cx : bitmap.bmWidth, cy ? cy : bitmap.bmHeight, source, 0, 0,
                          bitmap.bmWidth, bitmap.bmHeight, blend);
  SelectObject(source, previous);
  DeleteDC(source);
  return drawn;
}

BOOL WINAPI DrawIcon(HDC hdc, int x, int y, HICON icon) {
  return DrawIconEx(hdc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

BOOL WINAPI DestroyIcon(HICON) {
  // Every icon here is a shared one, which lives as long as its program.
  return TRUE;
}
