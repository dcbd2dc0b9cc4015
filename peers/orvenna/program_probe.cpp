#include "peers/orvenna/program_probe.h"

namespace orvenna {

std::vector<ReceivedMessage> ProgramProbe::messages() const {
  std::lock_guard lock(mutex_);
  return messages_;
}

std::vector<ScriptRun> ProgramProbe::scripts() const {
  std::lock_guard lock(mutex_);
  return scripts_;
}

std::vector<ScriptLogEntry> ProgramProbe::log() const {
  std::lock_guard lock(mutex_);
  std::vector<ScriptLogEntry> all = notes_;
  all.insert(all.end(), script_log_.begin(), script_log_.end());
  return all;
}

std::optional<SkyState> ProgramProbe::state() const {
  std::lock_guard lock(mutex_);
  return state_;
}

ProgramWindows ProgramProbe::windows() const {
  std::lock_guard lock(mutex_);
  return windows_;
}

bool ProgramProbe::full_screen() const {
  std::lock_guard lock(mutex_);
  return full_screen_;
}

int ProgramProbe::starts() const {
  std::lock_guard lock(mutex_);
  return starts_;
}

void ProgramProbe::program_started(ProgramWindows windows) {
  std::lock_guard lock(mutex_);
  ++starts_;
  windows_ = windows;
  script_log_.clear();
  full_screen_ = false;
}

void ProgramProbe::record_message(const ReceivedMessage& message) {
  std::lock_guard lock(mutex_);
  messages_.push_back(message);
}

void ProgramProbe::record_script(const ScriptRun& run) {
  std::lock_guard lock(mutex_);
  scripts_.push_back(run);
}

void ProgramProbe::note(std::string script, std::string message) {
  std::lock_guard lock(mutex_);
  notes_.push_back({std::move(script), std::move(message)});
}

void ProgramProbe::publish(const SkyState& state, const std::vector<ScriptLogEntry>& script_log,
                           bool full_screen) {
  std::lock_guard lock(mutex_);
  state_ = state;
  script_log_ = script_log;
  full_screen_ = full_screen;
}

}  // namespace orvenna
