// Virtual keys by name, as scenario files and tests write them: "F11", "RETURN", "LEFT" ...
#pragma once

#include <optional>
#include <string_view>

#include "platform/win/win_types.h"

namespace driver {

struct NamedKey {
  BYTE vk;
  bool extended;  // sent with KEYEVENTF_EXTENDEDKEY, as the keyboard gives it
};

// Null for a name the table does not know (single characters go through the keyboard layout).
std::optional<NamedKey> key_by_name(std::string_view name);

}  // namespace driver
