// Font objects hold their LOGFONTW; the text calls read it from the selected font.
#include <cwchar>

#include "platform/win/gdi_font_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* font) {
  if (win_internal::caller() == nullptr) return nullptr;
  if (font == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  desktop::GdiFont record{*font};
  record.logfont.lfFaceName[LF_FACESIZE - 1] = L'\0';
  return static_cast<HFONT>(gdi_internal::machine().gdi().add({record, false}));
}

HFONT WINAPI CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                         DWORD underline, DWORD strike_out, DWORD charset, DWORD out_precision,
                         DWORD clip_precision, DWORD quality, DWORD pitch_and_family, LPCWSTR face_name) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfEscapement = escapement;
  font.lfOrientation = orientation;
  font.lfWeight = weight;
  font.lfItalic = static_cast<BYTE>(italic);
  font.lfUnderline = static_cast<BYTE>(underline);
  font.lfStrikeOut = static_cast<BYTE>(strike_out);
  font.lfCharSet = static_cast<BYTE>(charset);
  font.lfOutPrecision = static_cast<BYTE>(out_precision);
  font.lfClipPrecision = static_cast<BYTE>(clip_precision);
  font.lfQuality = static_cast<BYTE>(quality);
  font.lfPitchAndFamily = static_cast<BYTE>(pitch_and_family);
  if (face_name != nullptr) std::wcsncpy(font.lfFaceName, face_name, LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}
