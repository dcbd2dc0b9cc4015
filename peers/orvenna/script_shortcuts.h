// The script shortcuts of config.ini's [shortcuts] section, read at the program's start:
// "actionScript/<script name>" runs that script, "actionStop_Script", "actionPause_Script" and
// "actionResume_Script" act on the running one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "peers/orvenna/config_ini.h"
#include "peers/orvenna/key_press.h"

namespace orvenna {

enum class ScriptAction { run, stop, pause, resume };

struct ScriptShortcut {
  ScriptAction action = ScriptAction::run;
  std::string script;  // for run: the script's name, such as "!Orvenna-Console.ovs"
  KeyPress key;
};

// Unknown actions and keys that do not parse are left out; a value may name several keys,
// separated by blanks or commas.
std::vector<ScriptShortcut> read_script_shortcuts(const std::vector<IniEntry>& config);

}  // namespace orvenna
