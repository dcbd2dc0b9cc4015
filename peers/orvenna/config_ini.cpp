#include "peers/orvenna/config_ini.h"

#include "peers/orvenna/sky_state.h"

namespace orvenna {

namespace {

std::string_view unquoted(std::string_view value) {
  return value.size() >= 2 && value.front() == '"' && value.back() == '"' ? value.substr(1, value.size() - 2)
                                                                          : value;
}

}  // namespace

std::string_view trim_blanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::vector<IniEntry> read_ini(std::string_view text) {
  std::vector<IniEntry> entries;
  std::string section;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = trim_blanks(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = trim_blanks(line.substr(1, line.size() - 2));
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!section.empty() && equals != std::string_view::npos)
      entries.push_back({section, std::string(trim_blanks(line.substr(0, equals))),
                         std::string(unquoted(trim_blanks(line.substr(equals + 1))))});
  }
  return entries;
}

std::optional<std::string> ini_value(const std::vector<IniEntry>& entries, std::string_view section,
                                     std::string_view key) {
  for (const IniEntry& entry : entries)
    if (same_name(entry.section, section) && same_name(entry.key, key)) return entry.value;
  return std::nullopt;
}

}  // namespace orvenna
