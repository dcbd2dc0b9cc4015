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

enum INPUT_MESSAGE_DEVICE_TYPE : DWORD {
  IMDT_UNAVAILABLE = 0x00,
  IMDT_KEYBOARD = 0x01,
  IMDT_MOUSE = 0x02,
  IMDT_TOUCH = 0x04,
  IMDT_PEN = 0x08,
  IMDT_TOUCHPAD = 0x10,
};

enum INPUT_MESSAGE_ORIGIN_ID : DWORD {
  IMO_UNAVAILABLE = 0x00,
  IMO_HARDWARE = 0x01,
  IMO_INJECTED = 0x02,
  IMO_SYSTEM = 0x04,
};

struct INPUT_MESSAGE_SOURCE {
  INPUT_MESSAGE_DEVICE_TYPE deviceType;
  INPUT_MESSAGE_ORIGIN_ID originId;
};

// Where the message being handled came from: the keyboard or mouse, typed or put in by SendInput;
// unavailable for posted and sent messages.
BOOL WINAPI GetCurrentInputMessageSource(INPUT_MESSAGE_SOURCE* source);
