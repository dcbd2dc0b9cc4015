#include "peers/mpv/mpv_probe.h"

#include <cstdio>

#include "platform/desktop/json_text.h"
#include "platform/desktop/utf8.h"

namespace mpv {
namespace {

std::string text(const std::wstring& value) {
  return desktop::json_text(desktop::to_utf8(value));
}

std::string run_json(const MpvRun& run) {
  char numbers[512];
  std::snprintf(
      numbers, sizeof numbers,
      "\"rect\": [%ld, %ld, %ld, %ld], \"topmost\": %s, \"paused\": %s, \"position\": %.3f, "
      "\"duration\": %.3f, \"speed\": %.4f, \"volume\": %d, \"muted\": %s, \"frames_shown\": %d, "
      "\"last_centre\": \"#%02X%02X%02X\"",
      static_cast<long>(run.rect.left), static_cast<long>(run.rect.top), static_cast<long>(run.rect.right),
      static_cast<long>(run.rect.bottom), run.topmost ? "true" : "false", run.paused ? "true" : "false",
      run.position, run.duration, run.speed, run.volume, run.muted ? "true" : "false", run.frames_shown,
      static_cast<unsigned>(run.last_centre & 0xFF), static_cast<unsigned>((run.last_centre >> 8) & 0xFF),
      static_cast<unsigned>((run.last_centre >> 16) & 0xFF));
  std::string json = "{\"command_line\": " + text(run.command_line) +
                     ", \"window\": " + std::to_string(reinterpret_cast<std::uintptr_t>(run.window)) +
                     ", \"title\": " + text(run.title) + ", " + numbers + ", \"keys\": [";
  for (std::size_t i = 0; i < run.keys.size(); ++i)
    json += (i ? ", " : "") + std::string("{\"tick\": ") + std::to_string(run.keys[i].tick) +
            ", \"key\": " + desktop::json_text(run.keys[i].key) + "}";
  json += "], \"log\": [";
  for (std::size_t i = 0; i < run.log.size(); ++i)
    json += (i ? ", " : "") + desktop::json_text(run.log[i]);
  json += "], \"end\": " + desktop::json_text(run.end) +
          ", \"exit_code\": " + (run.exit_code ? std::to_string(*run.exit_code) : std::string("null")) + "}";
  return json;
}

}  // namespace

std::vector<MpvRun> MpvProbe::runs() const {
  std::lock_guard lock(mutex_);
  return runs_;
}

std::optional<MpvRun> MpvProbe::last() const {
  std::lock_guard lock(mutex_);
  if (runs_.empty()) return std::nullopt;
  return runs_.back();
}

std::size_t MpvProbe::started(std::wstring command_line) {
  std::lock_guard lock(mutex_);
  runs_.push_back({});
  runs_.back().command_line = std::move(command_line);
  return runs_.size() - 1;
}

std::string MpvProbe::dump_json() const {
  std::lock_guard lock(mutex_);
  std::string json = "{\"starts\": " + std::to_string(runs_.size()) + ", \"runs\": [";
  for (std::size_t i = 0; i < runs_.size(); ++i)
    json += (i ? ", " : "") + run_json(runs_[i]);
  return json + "]}";
}

}  // namespace mpv
