// Block transfers between device contexts: raster operations, stretching, masks, colour
// keys and alpha.
#pragma once

#include "platform/win/win_types.h"

inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCPAINT = 0x00EE0086;
inline constexpr DWORD SRCAND = 0x008800C6;
inline constexpr DWORD SRCINVERT = 0x00660046;
inline constexpr DWORD SRCERASE = 0x00440328;
inline constexpr DWORD NOTSRCCOPY = 0x00330008;
inline constexpr DWORD NOTSRCERASE = 0x001100A6;
inline constexpr DWORD MERGECOPY = 0x00C000CA;
inline constexpr DWORD MERGEPAINT = 0x00BB0226;
inline constexpr DWORD PATCOPY = 0x00F00021;
inline constexpr DWORD PATPAINT = 0x00FB0A09;
inline constexpr DWORD PATINVERT = 0x005A0049;
inline constexpr DWORD DSTINVERT = 0x00550009;
inline constexpr DWORD BLACKNESS = 0x00000042;
inline constexpr DWORD WHITENESS = 0x00FF0062;
inline constexpr DWORD NOMIRRORBITMAP = 0x80000000;
inline constexpr DWORD CAPTUREBLT = 0x40000000;

// MaskBlt's pair of operations: fore where the mask is 1, back where it is 0.
constexpr DWORD MAKEROP4(DWORD fore, DWORD back) {
  return ((back << 8) & 0xFF000000u) | fore;
}

inline constexpr BYTE AC_SRC_OVER = 0x00;
inline constexpr BYTE AC_SRC_ALPHA = 0x01;

struct BLENDFUNCTION {
  BYTE BlendOp;
  BYTE BlendFlags;
  BYTE SourceConstantAlpha;
  BYTE AlphaFormat;
};

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
BOOL WINAPI BitBlt(HDC hdc, int x, int y, int width, int height, HDC source, int source_x, int source_y,
                   DWORD rop);
BOOL WINAPI StretchBlt(HDC hdc, int x, int y, int width, int height, HDC source, int source_x, int source_y,
                       int source_width, int source_height, DWORD rop);
BOOL WINAPI MaskBlt(HDC hdc, int x, int y, int width, int height, HDC source, int source_x, int source_y,
                    HBITMAP mask, int mask_x, int mask_y, DWORD rop4);
BOOL WINAPI TransparentBlt(HDC hdc, int x, int y, int width, int height, HDC source, int source_x,
                           int source_y, int source_width, int source_height, UINT transparent_colour);
BOOL WINAPI AlphaBlend(HDC hdc, int x, int y, int width, int height, HDC source, int source_x, int source_y,
                       int source_width, int source_height, BLENDFUNCTION blend);
