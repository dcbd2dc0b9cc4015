// Runs the planetarium's scripts, each in its own desktop thread, against the sky state.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "peers/orvenna/sky_state.h"
#include "platform/win/win_types.h"

namespace orvenna {

struct ScriptRun {
  std::string name;
  std::string text;  // as run, with its includes in place
};

struct ScriptLogEntry {
  std::string script;
  std::string message;
};

// Every method must be called from a desktop thread; only one runs at a time, so the
// state and the log need no lock. The script's thread uses the engine and the state, so
// both must outlive it: the destructor stops the script and waits for its end.
class ScriptEngine {
 public:
  // user_folder: the desktop path that include() and output.txt resolve in.
  ScriptEngine(SkyState& state, std::wstring user_folder);
  ~ScriptEngine();
  ScriptEngine(const ScriptEngine&) = delete;
  ScriptEngine& operator=(const ScriptEngine&) = delete;

  // Reads the includes at once, then starts the script; false while another one runs.
  bool run(std::string_view text, std::string name);
  // Reads the file from the user folder (or the full path given) and runs it.
  bool run_file(const std::wstring& name);
  void stop();
  void pause();
  void resume();
  bool running() const { return thread_ != nullptr && !finished_; }
  bool paused() const { return paused_; }
  // Waits until the running script has ended; for hosts and tests.
  void join();
  // Called on the script's thread each time it lets other threads run (its waits) and when it
  // ends: the moments at which others can see what it changed.
  void set_yield_listener(std::function<void()> listener) { yield_listener_ = std::move(listener); }

  // The read-only probe.
  const std::vector<ScriptRun>& runs() const { return runs_; }
  const std::vector<ScriptLogEntry>& log() const { return log_; }
  const SkyState& state() const { return state_; }

  // For the script methods.
  SkyState& sky() { return state_; }
  // Blocks while paused; false once the script is to stop.
  bool checkpoint();
  // Waits on the desktop's clock, paused time not counted; false once the script is to stop.
  bool wait(double seconds);
  void note(std::string message);
  // The desktop is ending the script's thread.
  void mark_terminated() { terminated_ = true; }
  bool reset_output();
  bool append_output(std::string_view line);
  double local_offset_seconds() const;
  double wall_clock_seconds() const;

 private:
  static DWORD WINAPI thread_main(void* engine);
  void execute();
  std::string expand_includes(std::string_view text, int depth);
  std::wstring resolve(std::string_view name) const;

  SkyState& state_;
  std::wstring user_folder_;
  std::vector<ScriptRun> runs_;
  std::vector<ScriptLogEntry> log_;
  HANDLE thread_ = nullptr;
  HANDLE stop_event_ = nullptr;
  HANDLE paused_event_ = nullptr;
  HANDLE resumed_event_ = nullptr;
  bool finished_ = true;
  bool paused_ = false;
  bool stopping_ = false;
  bool terminated_ = false;
  std::function<void()> yield_listener_;
};

}  // namespace orvenna
