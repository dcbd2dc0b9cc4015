// The icons every program gets from LoadIconW with a null instance: the message boxes' error,
// question, warning and information signs, drawn once per program.
#pragma once

#include "platform/win/win_types.h"

namespace win_internal {

// The shared icon of an IDI_ id, or null for any other name.
HICON system_icon(LPCWSTR name);

}  // namespace win_internal
