// The stock objects: made once per desktop on first use, never freed.
#include <cwchar>

#include "platform/win/gdi_dc_api.h"
#include "platform/win/gdi_font_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/win_internal.h"

namespace {

enum class StockKind { Brush, Pen, Font };

struct StockEntry {
  int index;
  StockKind kind;
  UINT style;  // of a brush or pen
  COLORREF colour;
  bool dc_colour;
  // Fonts: the record GetObjectW gives for them.
  const wchar_t* face;
  LONG height;
  LONG width;
  LONG weight;
  BYTE charset;
  BYTE pitch_and_family;
};

constexpr StockEntry kStock[] = {
    {WHITE_BRUSH, StockKind::Brush, BS_SOLID, 0xFFFFFF, false, nullptr, 0, 0, 0, 0, 0},
    {LTGRAY_BRUSH, StockKind::Brush, BS_SOLID, 0xC0C0C0, false, nullptr, 0, 0, 0, 0, 0},
    {GRAY_BRUSH, StockKind::Brush, BS_SOLID, 0x808080, false, nullptr, 0, 0, 0, 0, 0},
    {DKGRAY_BRUSH, StockKind::Brush, BS_SOLID, 0x404040, false, nullptr, 0, 0, 0, 0, 0},
    {BLACK_BRUSH, StockKind::Brush, BS_SOLID, 0x000000, false, nullptr, 0, 0, 0, 0, 0},
    {NULL_BRUSH, StockKind::Brush, BS_NULL, 0x000000, false, nullptr, 0, 0, 0, 0, 0},
    {WHITE_PEN, StockKind::Pen, PS_SOLID, 0xFFFFFF, false, nullptr, 0, 0, 0, 0, 0},
    {BLACK_PEN, StockKind::Pen, PS_SOLID, 0x000000, false, nullptr, 0, 0, 0, 0, 0},
    {NULL_PEN, StockKind::Pen, PS_NULL, 0x000000, false, nullptr, 0, 0, 0, 0, 0},
    {OEM_FIXED_FONT, StockKind::Font, 0, 0, false, L"Terminal", 12, 8, FW_NORMAL, OEM_CHARSET,
     FIXED_PITCH | FF_MODERN},
    {ANSI_FIXED_FONT, StockKind::Font, 0, 0, false, L"Courier", 12, 9, FW_NORMAL, ANSI_CHARSET,
     FIXED_PITCH | FF_MODERN},
    {ANSI_VAR_FONT, StockKind::Font, 0, 0, false, L"MS Sans Serif", 12, 9, FW_NORMAL, ANSI_CHARSET,
     VARIABLE_PITCH | FF_SWISS},
    {SYSTEM_FONT, StockKind::Font, 0, 0, false, L"System", 16, 7, FW_BOLD, ANSI_CHARSET,
     VARIABLE_PITCH | FF_SWISS},
    {DEVICE_DEFAULT_FONT, StockKind::Font, 0, 0, false, L"System", 16, 7, FW_BOLD, ANSI_CHARSET,
     VARIABLE_PITCH | FF_SWISS},
    {SYSTEM_FIXED_FONT, StockKind::Font, 0, 0, false, L"Fixedsys", 15, 8, FW_NORMAL, ANSI_CHARSET,
     FIXED_PITCH | FF_MODERN},
    {DEFAULT_GUI_FONT, StockKind::Font, 0, 0, false, L"MS Shell Dlg", -11, 0, FW_NORMAL, DEFAULT_CHARSET,
     DEFAULT_PITCH | FF_DONTCARE},
    {DC_BRUSH, StockKind::Brush, BS_SOLID, 0xFFFFFF, true, nullptr, 0, 0, 0, 0, 0},
    {DC_PEN, StockKind::Pen, PS_SOLID, 0x000000, true, nullptr, 0, 0, 0, 0, 0},
};

desktop::GdiObject stock_of(const StockEntry& entry) {
  desktop::GdiObject object;
  object.stock = true;
  switch (entry.kind) {
    case StockKind::Brush:
      object.data = desktop::GdiBrush{entry.style, entry.colour, nullptr, false, 0, entry.dc_colour};
      break;
    case StockKind::Pen:
      object.data = desktop::GdiPen{entry.style, 0, entry.colour, entry.dc_colour};
      break;
    case StockKind::Font: {
      desktop::GdiFont font;
      font.logfont.lfHeight = entry.height;
      font.logfont.lfWidth = entry.width;
      font.logfont.lfWeight = entry.weight;
      font.logfont.lfCharSet = entry.charset;
      font.logfont.lfPitchAndFamily = entry.pitch_and_family;
      std::wcsncpy(font.logfont.lfFaceName, entry.face, LF_FACESIZE - 1);
      object.data = font;
      break;
    }
  }
  return object;
}

}  // namespace

namespace gdi_internal {

HGDIOBJ stock_object(int index) {
  for (const StockEntry& entry : kStock) {
    if (entry.index != index) continue;
    HGDIOBJ& slot = machine().gdi().stock(static_cast<std::size_t>(index));
    if (slot == nullptr) slot = machine().gdi().add(stock_of(entry));
    return slot;
  }
  return nullptr;
}

HGDIOBJ default_bitmap() {
  HGDIOBJ& slot = machine().gdi().default_bitmap();
  if (slot == nullptr) {
    desktop::GdiObject object;
    object.stock = true;
    object.data = desktop::GdiBitmap{std::make_shared<desktop::Surface>(1, 1), 1, false};
    slot = machine().gdi().add(std::move(object));
  }
  return slot;
}

desktop::DcAttributes default_attributes(bool memory) {
  desktop::DcAttributes attributes;
  attributes.bitmap = memory ? default_bitmap() : nullptr;
  attributes.brush = stock_object(WHITE_BRUSH);
  attributes.pen = stock_object(BLACK_PEN);
  attributes.font = stock_object(SYSTEM_FONT);
  attributes.text_colour = 0x000000;
  attributes.background_colour = 0xFFFFFF;
  attributes.background_mode = OPAQUE;
  attributes.stretch_mode = BLACKONWHITE;
  attributes.rop2 = R2_COPYPEN;
  attributes.dc_brush_colour = 0xFFFFFF;
  attributes.dc_pen_colour = 0x000000;
  return attributes;
}

}  // namespace gdi_internal

HGDIOBJ WINAPI GetStockObject(int index) {
  if (win_internal::caller() == nullptr) return nullptr;
  return gdi_internal::stock_object(index);
}
