// The script shortcuts: the run key reads the script it names, and the file that script
// includes, at once, because the console rewrites the one and deletes the other soon after.
#include "peers/orvenna/desktop_files.h"
#include "peers/orvenna/program.h"
#include "platform/desktop/utf8.h"
#include "platform/win/win32.h"

namespace orvenna {

namespace {

constexpr std::string_view kNameHeader = "// Name:";
constexpr std::string_view kScriptExtension = ".ovs";

// The name a script gives itself on its first line, "// Name: !Orvenna-Console"; empty without one.
std::string name_header(std::string_view text) {
  std::string_view line = text.substr(0, text.find_first_of("\r\n"));
  if (line.substr(0, kNameHeader.size()) != kNameHeader) return {};
  line.remove_prefix(kNameHeader.size());
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  line.remove_prefix(first);
  return std::string(line.substr(0, line.find_last_not_of(" \t") + 1));
}

}  // namespace

void Program::script_shortcut(const ScriptShortcut& shortcut) {
  switch (shortcut.action) {
    case ScriptAction::run:
      if (settings_.script_read_delay_ms > 0) {
        pending_script_ = shortcut.script;
        SetTimer(view_, kSlowReadTimer, settings_.script_read_delay_ms, nullptr);
      } else {
        run_script(shortcut.script);
      }
      break;
    case ScriptAction::stop:
      // A stopped script's screen labels go with it.
      if (engine_.running()) {
        engine_.stop();
        sky_.delete_all_labels();
        state_changed();
      }
      break;
    case ScriptAction::pause:
      engine_.pause();
      break;
    case ScriptAction::resume:
      engine_.resume();
      break;
  }
}

void Program::run_script(const std::string& script_name) {
  std::optional<std::wstring> path = find_script(script_name);
  std::optional<std::string> text = path ? read_desktop_file(*path) : std::nullopt;
  if (!text) {
    probe_->note(script_name, "no such script");
    return;
  }
  const std::string file_name = desktop::to_utf8(path->substr(path->rfind(L'\\') + 1));
  if (engine_.run(*text, file_name)) {
    probe_->record_script(engine_.runs().back());
    if (settings_.crash_after_ms) SetTimer(view_, kCrashTimer, *settings_.crash_after_ms, nullptr);
  }
  state_changed();
}

// A shortcut names a script by the name on its first line plus ".ovs", not by its file: that is
// how the binding "actionScript/!Orvenna-Console.ovs" reaches the loader "orvenna-console.ovs",
// whose first line is "// Name: !Orvenna-Console". A script without that line goes by its file name.
std::optional<std::wstring> Program::find_script(const std::string& script_name) const {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((user_folder_ + L"\\*.ovs").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::wstring> match;
  do {
    const std::wstring path = user_folder_ + L"\\" + found.cFileName;
    std::optional<std::string> text = read_desktop_file(path);
    if (!text) continue;
    const std::string header = name_header(*text);
    const std::string name =
        header.empty() ? desktop::to_utf8(found.cFileName) : header + std::string(kScriptExtension);
    if (same_name(name, script_name)) match = path;
  } while (!match && FindNextFileW(search, &found));
  FindClose(search);
  return match;
}

}  // namespace orvenna
