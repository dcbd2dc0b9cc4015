// Text at a point (TextOutW, ExtTextOutW) under the context's alignment, and its measures.
#include <algorithm>
#include <cwchar>
#include <limits>
#include <numeric>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/win/gdi_text_api.h"
#include "platform/win/gdi_text_internal.h"
#include "platform/win/win_errors.h"

using desktop::text::TextEngine;

namespace {

constexpr std::uint8_t kPatCopy = 0xF0;
constexpr UINT kHorizontal = TA_CENTER;  // TA_RIGHT and TA_CENTER share a bit
constexpr UINT kVertical = TA_BASELINE;  // as do TA_BOTTOM and TA_BASELINE

// The text of a call's (text, count), or none with ERROR_INVALID_PARAMETER.
std::optional<std::wstring_view> text_of(LPCWSTR text, int count) {
  if (count < 0 || (text == nullptr && count > 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return std::nullopt;
  }
  return std::wstring_view(text, static_cast<std::size_t>(count));
}

// Where the cell's top left lies for a run of this width whose reference point is (x, y).
POINT cell_at(UINT align, const TEXTMETRICW& metrics, POINT reference, int width) {
  POINT cell = reference;
  if ((align & kHorizontal) == TA_CENTER) {
    cell.x -= width / 2;
  } else if ((align & kHorizontal) == TA_RIGHT) {
    cell.x -= width;
  }
  if ((align & kVertical) == TA_BASELINE) {
    cell.y -= metrics.tmAscent;
  } else if ((align & kVertical) == TA_BOTTOM) {
    cell.y -= metrics.tmHeight;
  }
  return cell;
}

BOOL draw_run(HDC hdc, POINT reference, UINT options, const RECT* rect, std::wstring_view text,
              const INT* dx) {
  std::optional<gdi_internal::Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing) return FALSE;
  std::optional<gdi_internal::ContextFont> font = gdi_internal::font_of(hdc);
  if (!font) return FALSE;
  TextEngine& engine = TextEngine::shared();
  desktop::DcAttributes& attributes = drawing->dc.attributes;
  const UINT align = attributes.text_align;
  if (align & TA_UPDATECP) reference = attributes.position;
  if ((options & ETO_OPAQUE) && rect != nullptr)
    drawing->pattern_rect(
        *rect, {gdi_internal::device_colour(drawing->target, attributes.background_colour), nullptr, {}},
        kPatCopy);
  const RECT* limit = (options & ETO_CLIPPED) ? rect : nullptr;

  const std::vector<int> advances =
      dx ? std::vector<int>(dx, dx + text.size()) : engine.advances(font->id, text);
  const int width = std::accumulate(advances.begin(), advances.end(), 0);
  const TEXTMETRICW metrics = engine.metrics(font->id);
  const POINT cell = cell_at(align, metrics, reference, width);
  gdi_internal::fill_text_cell(*drawing, {cell.x, cell.y, cell.x + width, cell.y + metrics.tmHeight}, limit);
  if (dx == nullptr) {
    gdi_internal::blend_text(*drawing, engine.render(font->id, text), cell, limit);
  } else {
    int pen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      gdi_internal::blend_text(*drawing, engine.render(font->id, text.substr(i, 1)), {cell.x + pen, cell.y},
                               limit);
      pen += advances[i];
    }
  }
  // The current position moves past the text in the direction it was drawn from.
  if (align & TA_UPDATECP) {
    if ((align & kHorizontal) == TA_LEFT) attributes.position.x += width;
    if ((align & kHorizontal) == TA_RIGHT) attributes.position.x -= width;
  }
  return TRUE;
}

}  // namespace

UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
  desktop::DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr) return GDI_ERROR;
  return std::exchange(dc->attributes.text_align, align);
}

UINT WINAPI GetTextAlign(HDC hdc) {
  desktop::DeviceContext* dc = gdi_internal::context_of(hdc);
  return dc ? dc->attributes.text_align : GDI_ERROR;
}

BOOL WINAPI TextOutW(HDC hdc, int x, int y, LPCWSTR text, int count) {
  std::optional<std::wstring_view> run = text_of(text, count);
  return run && draw_run(hdc, {x, y}, 0, nullptr, *run, nullptr);
}

BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                        const INT* dx) {
  if (count > static_cast<UINT>(std::numeric_limits<int>::max())) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::optional<std::wstring_view> run = text_of(text, static_cast<int>(count));
  return run && draw_run(hdc, {x, y}, options, rect, *run, dx);
}

BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int count, SIZE* size) {
  return GetTextExtentExPointW(hdc, text, count, 0, nullptr, nullptr, size);
}

// fit counts the characters that end within max_extent; dx gets the width up to the end of
// each character, for those that fit when fit is asked for, else for all.
BOOL WINAPI GetTextExtentExPointW(HDC hdc, LPCWSTR text, int count, int max_extent, INT* fit, INT* dx,
                                  SIZE* size) {
  std::optional<std::wstring_view> run = text_of(text, count);
  if (!run) return FALSE;
  if (size == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::optional<gdi_internal::ContextFont> font = gdi_internal::font_of(hdc);
  if (!font) return FALSE;
  TextEngine& engine = TextEngine::shared();
  *size = engine.extent(font->id, *run);
  if (fit == nullptr && dx == nullptr) return TRUE;
  const std::vector<int> advances = engine.advances(font->id, *run);
  int fitting = 0;
  int end = 0;
  for (std::size_t i = 0; i < advances.size(); ++i) {
    end += advances[i];
    if (fit != nullptr && end > max_extent) break;
    if (dx != nullptr) dx[i] = end;
    ++fitting;
  }
  if (fit != nullptr) *fit = fitting;
  return TRUE;
}

BOOL WINAPI GetTextMetricsW(HDC hdc, TEXTMETRICW* metrics) {
  std::optional<gdi_internal::ContextFont> font = gdi_internal::font_of(hdc);
  if (!font) return FALSE;
  if (metrics == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *metrics = TextEngine::shared().metrics(font->id);
  return TRUE;
}

// The selected font's face name; without a buffer, the room it needs with its zero. A short
// buffer gets as much as fits and the zero. Either way the count includes the zero.
int WINAPI GetTextFaceW(HDC hdc, int count, LPWSTR face) {
  std::optional<gdi_internal::ContextFont> font = gdi_internal::font_of(hdc);
  if (!font) return 0;
  const std::wstring_view name(font->logfont.lfFaceName, ::wcsnlen(font->logfont.lfFaceName, LF_FACESIZE));
  if (face == nullptr) return static_cast<int>(name.size()) + 1;
  if (count <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::size_t copied = std::min(name.size(), static_cast<std::size_t>(count - 1));
  std::wmemcpy(face, name.data(), copied);
  face[copied] = L'\0';
  return static_cast<int>(copied) + 1;
}
