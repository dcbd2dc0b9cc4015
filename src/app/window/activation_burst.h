// What Orvenna's render window is sent before a posted shortcut key, as when its application is
// activated; the console keeps the focus.
#pragma once

#include <array>

#include "platform/win/win_messages.h"
#include "platform/win/win_types.h"

struct BurstMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

inline constexpr std::array ActivationBurst{
    BurstMessage{WM_ACTIVATEAPP, 1, 0},
    BurstMessage{WM_NCACTIVATE, 1, 0},
    BurstMessage{WM_ACTIVATE, 2, 0},
    BurstMessage{WM_SETCURSOR, 0x00030C48, 0x02000001},
    BurstMessage{WM_PARENTNOTIFY, 0xC9, 0x00010001},
    BurstMessage{WM_IME_SETCONTEXT, 1, static_cast<LPARAM>(0xC000000F)},
    BurstMessage{WM_IME_NOTIFY, 2, 0},
    BurstMessage{WM_SETFOCUS, 0, 0},
};

// The whole burst, sent in order.
void SendActivationBurst(HWND view);
