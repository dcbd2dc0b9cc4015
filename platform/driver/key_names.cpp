#include "platform/driver/key_names.h"

#include <string>

namespace driver {
namespace {

struct KeyName {
  std::string_view name;
  BYTE vk;
  bool extended;
};

constexpr KeyName kKeys[] = {
    {"CANCEL", 0x03, true},   {"BACK", 0x08, false},     {"TAB", 0x09, false},     {"RETURN", 0x0D, false},
    {"ENTER", 0x0D, false},   {"SHIFT", 0x10, false},    {"CONTROL", 0x11, false}, {"MENU", 0x12, false},
    {"ALT", 0x12, false},     {"PAUSE", 0x13, false},    {"ESCAPE", 0x1B, false},  {"ESC", 0x1B, false},
    {"SPACE", 0x20, false},   {"PRIOR", 0x21, true},     {"PAGEUP", 0x21, true},   {"NEXT", 0x22, true},
    {"PAGEDOWN", 0x22, true}, {"END", 0x23, true},       {"HOME", 0x24, true},     {"LEFT", 0x25, true},
    {"UP", 0x26, true},       {"RIGHT", 0x27, true},     {"DOWN", 0x28, true},     {"INSERT", 0x2D, true},
    {"DELETE", 0x2E, true},   {"MULTIPLY", 0x6A, false}, {"ADD", 0x6B, false},     {"SUBTRACT", 0x6D, false},
    {"DECIMAL", 0x6E, false}, {"DIVIDE", 0x6F, true},
};

}  // namespace

std::optional<NamedKey> key_by_name(std::string_view name) {
  for (const KeyName& key : kKeys)
    if (key.name == name) return NamedKey{key.vk, key.extended};
  // F1 to F24 and NUMPAD0 to NUMPAD9.
  auto numbered = [&](std::string_view prefix, int last) -> std::optional<int> {
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return std::nullopt;
    std::string digits(name.substr(prefix.size()));
    if (digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    int n = std::stoi(digits);
    return n <= last ? std::optional<int>(n) : std::nullopt;
  };
  if (auto n = numbered("F", 24); n && *n >= 1) return NamedKey{static_cast<BYTE>(0x70 + *n - 1), false};
  if (auto n = numbered("NUMPAD", 9)) return NamedKey{static_cast<BYTE>(0x60 + *n), false};
  return std::nullopt;
}

}  // namespace driver
