// Text on device contexts: drawing it at a point or laid out in a rectangle, and measuring it
// with the selected font.
#pragma once

#include "platform/win/gdi_types.h"
#include "platform/win/win_types.h"

inline constexpr UINT GDI_ERROR = 0xFFFFFFFF;

inline constexpr UINT TA_NOUPDATECP = 0;
inline constexpr UINT TA_UPDATECP = 1;
inline constexpr UINT TA_LEFT = 0;
inline constexpr UINT TA_RIGHT = 2;
inline constexpr UINT TA_CENTER = 6;
inline constexpr UINT TA_TOP = 0;
inline constexpr UINT TA_BOTTOM = 8;
inline constexpr UINT TA_BASELINE = 24;

inline constexpr UINT ETO_OPAQUE = 0x0002;
inline constexpr UINT ETO_CLIPPED = 0x0004;

inline constexpr UINT DT_TOP = 0x00000000;
inline constexpr UINT DT_LEFT = 0x00000000;
inline constexpr UINT DT_CENTER = 0x00000001;
inline constexpr UINT DT_RIGHT = 0x00000002;
inline constexpr UINT DT_VCENTER = 0x00000004;
inline constexpr UINT DT_BOTTOM = 0x00000008;
inline constexpr UINT DT_WORDBREAK = 0x00000010;
inline constexpr UINT DT_SINGLELINE = 0x00000020;
inline constexpr UINT DT_NOCLIP = 0x00000100;
inline constexpr UINT DT_EXTERNALLEADING = 0x00000200;
inline constexpr UINT DT_CALCRECT = 0x00000400;
inline constexpr UINT DT_NOPREFIX = 0x00000800;
inline constexpr UINT DT_EDITCONTROL = 0x00002000;

UINT WINAPI SetTextAlign(HDC hdc, UINT align);
UINT WINAPI GetTextAlign(HDC hdc);

BOOL WINAPI TextOutW(HDC hdc, int x, int y, LPCWSTR text, int count);
// dx, when given, holds each character's advance in place of the font's.
BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                        const INT* dx);
// count -1: text ends at its zero. Gives the height of the text drawn, or 0 on failure.
int WINAPI DrawTextW(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format);

BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int count, SIZE* size);
BOOL WINAPI GetTextExtentExPointW(HDC hdc, LPCWSTR text, int count, int max_extent, INT* fit, INT* dx,
                                  SIZE* size);
BOOL WINAPI GetTextMetricsW(HDC hdc, TEXTMETRICW* metrics);
int WINAPI GetTextFaceW(HDC hdc, int count, LPWSTR face);
