// Layered windows: a colour key, a constant alpha, or a whole picture with per-pixel alpha,
// all applied where the screen is composed.
#pragma once

#include "platform/win/gdi_blit_api.h"
#include "platform/win/win_types.h"

inline constexpr DWORD LWA_COLORKEY = 0x00000001;
inline constexpr DWORD LWA_ALPHA = 0x00000002;

inline constexpr DWORD ULW_COLORKEY = 0x00000001;
inline constexpr DWORD ULW_ALPHA = 0x00000002;
inline constexpr DWORD ULW_OPAQUE = 0x00000004;

BOOL WINAPI SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags);
BOOL WINAPI GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags);
BOOL WINAPI UpdateLayeredWindow(HWND hwnd, HDC screen, POINT* position, SIZE* size, HDC source,
                                POINT* source_position, COLORREF key, BLENDFUNCTION* blend, DWORD flags);
