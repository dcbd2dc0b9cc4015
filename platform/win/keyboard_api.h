// Key state and keyboard layouts: GetKeyState, layouts per thread (HKL), VkKeyScanExW and
// MapVirtualKeyW over the layouts' tables.
#pragma once

#include "platform/win/win_types.h"

// LoadKeyboardLayoutW and ActivateKeyboardLayout
inline constexpr UINT KLF_ACTIVATE = 0x00000001;
inline constexpr UINT KLF_SUBSTITUTE_OK = 0x00000002;
inline constexpr UINT KLF_REORDER = 0x00000008;
inline constexpr UINT KLF_REPLACELANG = 0x00000010;
inline constexpr UINT KLF_NOTELLSHELL = 0x00000080;
inline constexpr UINT KLF_SETFORPROCESS = 0x00000100;
inline constexpr UINT KLF_SHIFTLOCK = 0x00010000;
inline constexpr UINT KLF_RESET = 0x40000000;

inline const HKL HKL_PREV = reinterpret_cast<HKL>(0);
inline const HKL HKL_NEXT = reinterpret_cast<HKL>(1);

// The name of a layout (its KLID), as eight hexadecimal digits.
inline constexpr int KL_NAMELENGTH = 9;

// MapVirtualKeyW
inline constexpr UINT MAPVK_VK_TO_VSC = 0;
inline constexpr UINT MAPVK_VSC_TO_VK = 1;
inline constexpr UINT MAPVK_VK_TO_CHAR = 2;
inline constexpr UINT MAPVK_VSC_TO_VK_EX = 3;

SHORT WINAPI GetKeyState(int vk);
SHORT WINAPI GetAsyncKeyState(int vk);
BOOL WINAPI GetKeyboardState(PBYTE state);

HKL WINAPI LoadKeyboardLayoutW(LPCWSTR klid, UINT flags);
HKL WINAPI ActivateKeyboardLayout(HKL layout, UINT flags);
HKL WINAPI GetKeyboardLayout(DWORD thread_id);
int WINAPI GetKeyboardLayoutList(int count, HKL* list);
BOOL WINAPI GetKeyboardLayoutNameW(LPWSTR name);

SHORT WINAPI VkKeyScanExW(WCHAR character, HKL layout);
SHORT WINAPI VkKeyScanW(WCHAR character);
UINT WINAPI MapVirtualKeyExW(UINT code, UINT map_type, HKL layout);
UINT WINAPI MapVirtualKeyW(UINT code, UINT map_type);
UINT WINAPI MapVirtualKeyA(UINT code, UINT map_type);
// The character a key types in a layout with the given key state, as TranslateMessage makes it:
// the count of characters written, -1 for a dead key, 0 for none. It keeps no dead key pending.
int WINAPI ToUnicodeEx(UINT vk, UINT scan, const BYTE* key_state, LPWSTR buffer, int buffer_size, UINT flags,
                       HKL layout);
