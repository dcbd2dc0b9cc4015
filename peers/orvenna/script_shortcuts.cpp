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

void add_keys(std::vector<ScriptShortcut>& shortcuts, ScriptShortcut shortcut, std::string_view value) {
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

std::vector<ScriptShortcut> read_script_shortcuts(const std::vector<IniEntry>& config) {
  std::vector<ScriptShortcut> shortcuts;
  for (const IniEntry& entry : config)
    if (same_name(entry.section, kSection)) read_binding(shortcuts, entry.key, entry.value);
  return shortcuts;
}

}  // namespace orvenna
