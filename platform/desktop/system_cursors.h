// The shared cursors every program gets from LoadCursorW with a null instance. Their handles
// are fixed, as Windows' are for the life of a session.
#pragma once

#include <array>

#include "platform/win/win_types.h"

namespace desktop {

struct SystemCursor {
  WORD id;  // the IDC_ number
  std::uintptr_t handle;
};

inline constexpr std::array<SystemCursor, 14> kSystemCursors{{
    {32512, 0x10003},  // IDC_ARROW
    {32513, 0x10005},  // IDC_IBEAM
    {32514, 0x10007},  // IDC_WAIT
    {32515, 0x10009},  // IDC_CROSS
    {32516, 0x1000B},  // IDC_UPARROW
    {32642, 0x1000D},  // IDC_SIZENWSE
    {32643, 0x1000F},  // IDC_SIZENESW
    {32644, 0x10011},  // IDC_SIZEWE
    {32645, 0x10013},  // IDC_SIZENS
    {32646, 0x10015},  // IDC_SIZEALL
    {32648, 0x10017},  // IDC_NO
    {32649, 0x10019},  // IDC_HAND
    {32650, 0x1001B},  // IDC_APPSTARTING
    {32651, 0x1001D},  // IDC_HELP
}};

inline HCURSOR system_cursor(WORD id) {
  for (const SystemCursor& cursor : kSystemCursors)
    if (cursor.id == id) return reinterpret_cast<HCURSOR>(cursor.handle);
  return nullptr;
}

}  // namespace desktop
