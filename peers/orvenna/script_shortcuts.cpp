#include "peers/orvenna/script_shortcuts.h"

#include <array>

#include "peers/orvenna/sky_state.h"

namespace orvenna {

namespace {

constexpr std::string_view kSection = "shortcuts";
constexpr std::string_view kRunPrefix = "actionScript/";

struct NamedAction {
  std::string_view key;
  ScriptAction action;
};

constexpr std::array kNamedActions = {
    NamedAction{"actionStop_Script", ScriptAction::stop},
    NamedAction{"actionPause_Script", ScriptAction::pause},
    NamedAction{"actionResume_Script", ScriptAction::resume},
};

std::string_view trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

void add_keys(std::vector<ScriptShortcut>& shortcuts, ScriptShortcut shortcut, std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = value.substr(1, value.size() - 2);
  while (!value.empty()) {
    const std::size_t end = value.find_first_of(" ,");
    if (auto key = parse_shortcut(value.substr(0, end))) {
      shortcut.key = *key;
      shortcuts.push_back(shortcut);
    }
    if (end == std::string_view::npos) break;
    value.remove_prefix(end + 1);
  }
}

void read_binding(std::vector<ScriptShortcut>& shortcuts, std::string_view key, std::string_view value) {
  if (key.size() > kRunPrefix.size() && same_name(key.substr(0, kRunPrefix.size()), kRunPrefix)) {
    add_keys(shortcuts, {ScriptAction::run, std::string(key.substr(kRunPrefix.size())), {}}, value);
    return;
  }
  for (const NamedAction& named : kNamedActions)
    if (same_name(key, named.key)) add_keys(shortcuts, {named.action, {}, {}}, value);
}

}  // namespace

std::vector<ScriptShortcut> read_script_shortcuts(std::string_view config_text) {
  std::vector<ScriptShortcut> shortcuts;
  bool in_section = false;
  while (!config_text.empty()) {
    const std::size_t end = config_text.find('\n');
    const std::string_view line = trim(config_text.substr(0, end));
    config_text.remove_prefix(end == std::string_view::npos ? config_text.size() : end + 1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      in_section = same_name(trim(line.substr(1, line.size() - 2)), kSection);
      continue;
    }
    const std::size_t equals = line.find('=');
    if (in_section && equals != std::string_view::npos)
      read_binding(shortcuts, trim(line.substr(0, equals)), trim(line.substr(equals + 1)));
  }
  return shortcuts;
}

}  // namespace orvenna
