// SystemParametersInfoW: the work area and the non-client metrics.
#pragma once

#include "platform/win/gdi_types.h"
#include "platform/win/win_types.h"

inline constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029;
inline constexpr UINT SPI_SETWORKAREA = 0x002F;
inline constexpr UINT SPI_GETWORKAREA = 0x0030;
inline constexpr UINT SPIF_UPDATEINIFILE = 0x0001;
inline constexpr UINT SPIF_SENDCHANGE = 0x0002;

struct NONCLIENTMETRICSW {
  UINT cbSize;
  int iBorderWidth;
  int iScrollWidth;
  int iScrollHeight;
  int iCaptionWidth;
  int iCaptionHeight;
  LOGFONTW lfCaptionFont;
  int iSmCaptionWidth;
  int iSmCaptionHeight;
  LOGFONTW lfSmCaptionFont;
  int iMenuWidth;
  int iMenuHeight;
  LOGFONTW lfMenuFont;
  LOGFONTW lfStatusFont;
  LOGFONTW lfMessageFont;
  int iPaddedBorderWidth;
};

BOOL WINAPI SystemParametersInfoW(UINT action, UINT uiParam, LPVOID pvParam, UINT winIni);
