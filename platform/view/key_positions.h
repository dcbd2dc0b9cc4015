// Keys by position: the set-1 scan code (0xE0nn for the keys that send the E0 prefix) that a
// PC keyboard sends for a USB HID usage, so the desktop's keyboard layouts do the rest.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/desktop/keyboard.h"
#include "platform/view/view_backend.h"

namespace view {

std::optional<std::uint16_t> scan_code_of_usage(std::uint16_t usage);

// The key event a press or release becomes; none for a key the PC keyboard does not have.
std::optional<desktop::KeyEvent> key_event_of(const KeyPress& press);

}  // namespace view
