// What the running planetarium received and did, for tests and the scenario runner: the
// messages that reached its windows, every script it ran, its log and its current state.
// The program writes from its desktop threads; readers may be on any thread.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "peers/orvenna/script_engine.h"
#include "peers/orvenna/sky_state.h"
#include "platform/win/win_types.h"

namespace orvenna {

enum class MessageOrigin {
  sent,      // SendMessage from this or another thread
  posted,    // PostMessage, or made by the system in the queue
  injected,  // a key SendInput put in while the program had the focus
  device,    // typed on the machine's keyboard, or mouse input
};

struct ReceivedMessage {
  HWND window = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  MessageOrigin origin = MessageOrigin::posted;
};

struct ProgramWindows {
  HWND main = nullptr;
  HWND render = nullptr;  // null when the program runs without a render child
};

class ProgramProbe {
 public:
  std::vector<ReceivedMessage> messages() const;
  std::vector<ScriptRun> scripts() const;
  // The program's notes first, then the running program's script log.
  std::vector<ScriptLogEntry> log() const;
  // The state of the last program started, as it was when it last published it.
  std::optional<SkyState> state() const;
  ProgramWindows windows() const;
  bool full_screen() const;
  // How many times the program was started.
  int starts() const;
  // All of it as text, for a scenario's dump: the windows and state, then one line a message,
  // each script as read and the log.
  std::string dump() const;
  // The same as one JSON object, for the scenario runner's dump: starts, windows, full_screen,
  // state, messages, scripts and log.
  std::string dump_json() const;

  // For the program.
  void program_started(ProgramWindows windows);
  void record_message(const ReceivedMessage& message);
  void record_script(const ScriptRun& run);
  void note(std::string script, std::string message);
  void publish(const SkyState& state, const std::vector<ScriptLogEntry>& script_log, bool full_screen);

 private:
  mutable std::mutex mutex_;
  std::vector<ReceivedMessage> messages_;
  std::vector<ScriptRun> scripts_;
  std::vector<ScriptLogEntry> notes_;
  std::vector<ScriptLogEntry> script_log_;
  std::optional<SkyState> state_;
  ProgramWindows windows_;
  bool full_screen_ = false;
  int starts_ = 0;
};

}  // namespace orvenna
