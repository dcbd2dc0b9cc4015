// The planetarium's config.ini as it reads it: "[section]" lines and "key=value" lines, names
// compared without regard to case, blanks around names and values dropped, a quoted value
// unquoted.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvenna {

struct IniEntry {
  std::string section;
  std::string key;
  std::string value;
};

// The text without blanks, tabs and carriage returns at either end.
std::string_view trim_blanks(std::string_view text);

std::vector<IniEntry> read_ini(std::string_view text);
std::optional<std::string> ini_value(const std::vector<IniEntry>& entries, std::string_view section,
                                     std::string_view key);

}  // namespace orvenna
