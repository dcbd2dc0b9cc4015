#include "platform/win/system_icons.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/win/device_context_api.h"
#include "platform/win/gdi_bitmap_api.h"
#include "platform/win/gdi_dc_api.h"
#include "platform/win/gdi_draw_api.h"
#include "platform/win/gdi_font_api.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/gdi_text_api.h"
#include "platform/win/resource_api.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"

namespace {

constexpr int kSide = 32;
// Kept apart from the program's own images in the process's table of shared images.
constexpr std::uint32_t kSystemIconKey = 0x00FF0000;

enum class Sign { Circle, Triangle };

struct IconLook {
  WORD id;
  Sign sign;
  std::uint32_t face;   // 0xRRGGBB
  std::uint32_t glyph;  // 0xRRGGBB
  const wchar_t* text;
};

constexpr std::array<IconLook, 4> kLooks{{
    {32513, Sign::Circle, 0xC42B1C, 0xFFFFFF, L"X"},    // IDI_HAND
    {32514, Sign::Circle, 0x1E5AA8, 0xFFFFFF, L"?"},    // IDI_QUESTION
    {32515, Sign::Triangle, 0xF2C811, 0x000000, L"!"},  // IDI_EXCLAMATION
    {32516, Sign::Circle, 0x1E5AA8, 0xFFFFFF, L"i"},    // IDI_ASTERISK
}};

bool inside(Sign sign, int x, int y) {
  const double cx = x + 0.5 - kSide / 2.0;
  const double cy = y + 0.5 - kSide / 2.0;
  if (sign == Sign::Circle) return cx * cx + cy * cy <= (kSide / 2.0 - 1) * (kSide / 2.0 - 1);
  const double from_apex = y + 0.5 - 1;
  return from_apex >= 0 && y < kSide - 2 && std::abs(cx) <= from_apex * (kSide / 2.0 - 1) / (kSide - 3);
}

// How much of each pixel the glyph covers, 0 to 255.
std::vector<std::uint8_t> glyph_coverage(const wchar_t* text) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP canvas = CreateBitmap(kSide, kSide, 1, 32, nullptr);
  HGDIOBJ previous_bitmap = SelectObject(dc, canvas);
  HFONT font = CreateFontW(-24, 0, 0, 0, 700, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, L"Arial");
  HGDIOBJ previous_font = SelectObject(dc, font);
  RECT all{0, 0, kSide, kSide};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SetTextColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, TRANSPARENT);
  RECT glyph_area{0, 2, kSide, kSide};
  DrawTextW(dc, text, -1, &glyph_area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  std::vector<std::uint8_t> coverage;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x)
      coverage.push_back(GetRValue(GetPixel(dc, x, y)));
  SelectObject(dc, previous_font);
  SelectObject(dc, previous_bitmap);
  DeleteObject(font);
  DeleteObject(canvas);
  DeleteDC(dc);
  return coverage;
}

std::uint32_t mix(std::uint32_t under, std::uint32_t over, std::uint32_t amount) {
  std::uint32_t mixed = 0;
  for (int shift : {0, 8, 16}) {
    const std::uint32_t a = (under >> shift) & 0xFF;
    const std::uint32_t b = (over >> shift) & 0xFF;
    mixed |= ((a * (255 - amount) + b * amount) / 255) << shift;
  }
  return mixed;
}

// A premultiplied 32-bit DIB section: the sign opaque, the rest transparent.
HICON draw_icon(const IconLook& look) {
  const std::vector<std::uint8_t> coverage = glyph_coverage(look.text);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kSide;
  info.bmiHeader.biHeight = -kSide;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) return nullptr;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const int at = y * kSide + x;
      pixels[at] = inside(look.sign, x, y) ? 0xFF000000u | mix(look.face, look.glyph, coverage[at]) : 0;
    }
  }
  return reinterpret_cast<HICON>(bitmap);
}

}  // namespace

namespace win_internal {

HICON system_icon(LPCWSTR name) {
  desktop::DesktopThread* self = caller();
  if (self == nullptr || !IS_INTRESOURCE(name)) return nullptr;
  const WORD id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
  for (const IconLook& look : kLooks) {
    if (look.id != id) continue;
    HANDLE& slot = self->process().shared_images[kSystemIconKey | id];
    if (slot == nullptr) slot = draw_icon(look);
    return static_cast<HICON>(slot);
  }
  return nullptr;
}

}  // namespace win_internal
