// Synthesized input: the INPUT records of SendInput, laid out as on 64-bit Windows.
#pragma once

#include "platform/win/win_types.h"

inline constexpr DWORD INPUT_MOUSE = 0;
inline constexpr DWORD INPUT_KEYBOARD = 1;
inline constexpr DWORD INPUT_HARDWARE = 2;

inline constexpr DWORD KEYEVENTF_EXTENDEDKEY = 0x0001;
inline constexpr DWORD KEYEVENTF_KEYUP = 0x0002;
inline constexpr DWORD KEYEVENTF_UNICODE = 0x0004;
inline constexpr DWORD KEYEVENTF_SCANCODE = 0x0008;

struct MOUSEINPUT {
  LONG dx;
  LONG dy;
  DWORD mouseData;
  DWORD dwFlags;
  DWORD time;
  ULONG_PTR dwExtraInfo;
};

struct KEYBDINPUT {
  WORD wVk;
  WORD wScan;
  DWORD dwFlags;
  DWORD time;
  ULONG_PTR dwExtraInfo;
};

struct HARDWAREINPUT {
  DWORD uMsg;
  WORD wParamL;
  WORD wParamH;
};

struct INPUT {
  DWORD type;
  union {
    MOUSEINPUT mi;
    KEYBDINPUT ki;
    HARDWAREINPUT hi;
  };
};
using LPINPUT = INPUT*;

static_assert(sizeof(KEYBDINPUT) == 24 && sizeof(MOUSEINPUT) == 32 && sizeof(INPUT) == 40,
              "INPUT must keep the 64-bit Windows layout");

// Returns how many records went into the input stream.
UINT WINAPI SendInput(UINT count, LPINPUT inputs, int size);
