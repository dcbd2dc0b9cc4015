// Font objects as records: creating one keeps its LOGFONTW, which GetObjectW gives back.
#pragma once

#include "platform/win/gdi_types.h"
#include "platform/win/win_types.h"

inline constexpr BYTE OUT_DEFAULT_PRECIS = 0;
inline constexpr BYTE OUT_STROKE_PRECIS = 3;
inline constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
inline constexpr BYTE CLIP_STROKE_PRECIS = 2;

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* font);
HFONT WINAPI CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                         DWORD underline, DWORD strike_out, DWORD charset, DWORD out_precision,
                         DWORD clip_precision, DWORD quality, DWORD pitch_and_family, LPCWSTR face_name);
