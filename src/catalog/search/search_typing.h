// The keys of the search dialog's keyboard and what they type.
#pragma once

#include <optional>

#include "platform/win/win_types.h"

// The character a key code types: letters, digits, the blank and the apostrophe, which the
// right-arrow key (39), the keypad's 0 (96) and code 219 also type. None for other keys.
std::optional<wchar_t> TypedCharacter(UINT keyCode);

// The key code that an on-screen key posts; none for a control that is not a key.
std::optional<UINT> OnScreenKeyCode(UINT controlId);
