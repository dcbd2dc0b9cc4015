#include "peers/orvenna/script_engine.h"

#include <duktape.h>

#include <algorithm>
#include <cmath>

#include "peers/orvenna/desktop_files.h"
#include "peers/orvenna/script_methods.h"
#include "platform/desktop/scheduler.h"
#include "platform/desktop/utf8.h"
#include "platform/win/win32.h"

namespace orvenna {

namespace {

constexpr int kMaxIncludeDepth = 8;
// A wait longer than any show, and the longest single wait the desktop is asked for.
constexpr double kLongestWaitMs = 1e12;
constexpr ULONGLONG kLongestSliceMs = 0x7FFFFFFF;
constexpr ULONGLONG kFileTimeAtUnixEpoch = 116444736000000000ULL;
constexpr double kFileTimeUnitsPerSecond = 1e7;

ULONGLONG file_time_value(const FILETIME& time) {
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool write_to_file(const std::wstring& path, DWORD disposition, std::string_view bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
  CloseHandle(file);
  return ok;
}

// `include("path")` at the start of a line: the path as written, and where the statement ends.
bool parse_include(std::string_view line, std::string_view& path, std::size_t& end) {
  std::size_t at = line.find_first_not_of(" \t");
  if (at == std::string_view::npos || line.substr(at, 8) != "include(") return false;
  at = line.find_first_not_of(" \t", at + 8);
  if (at == std::string_view::npos || line[at] != '"') return false;
  std::size_t close = line.find('"', at + 1);
  if (close == std::string_view::npos) return false;
  path = line.substr(at + 1, close - at - 1);
  end = line.find_first_not_of(" \t", close + 1);
  if (end == std::string_view::npos || line[end] != ')') return false;
  ++end;
  if (end < line.size() && line[end] == ';') ++end;
  return true;
}

}  // namespace

ScriptEngine::ScriptEngine(SkyState& state, std::wstring user_folder)
    : state_(state),
      user_folder_(std::move(user_folder)),
      stop_event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      paused_event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      resumed_event_(CreateEventW(nullptr, TRUE, TRUE, nullptr)) {}

ScriptEngine::~ScriptEngine() {
  stop();
  join();
  if (thread_) CloseHandle(thread_);
  CloseHandle(stop_event_);
  CloseHandle(paused_event_);
  CloseHandle(resumed_event_);
}

bool ScriptEngine::run(std::string_view text, std::string name) {
  if (running()) {
    log_.push_back({std::move(name), "not run: a script is running"});
    return false;
  }
  if (thread_) CloseHandle(thread_);
  thread_ = nullptr;
  ResetEvent(stop_event_);
  resume();
  stopping_ = false;
  terminated_ = false;
  runs_.push_back({std::move(name), {}});
  runs_.back().text = expand_includes(text, 0);
  finished_ = false;
  thread_ = CreateThread(nullptr, 0, thread_main, this, 0, nullptr);
  if (thread_) return true;
  finished_ = true;
  note("cannot start the script's thread");
  return false;
}

bool ScriptEngine::run_file(const std::wstring& name) {
  std::string utf8_name = desktop::to_utf8(name);
  std::optional<std::string> text = read_desktop_file(resolve(utf8_name));
  if (!text) {
    log_.push_back({utf8_name, "cannot read the script"});
    return false;
  }
  return run(*text, utf8_name);
}

void ScriptEngine::stop() {
  if (!running()) return;
  stopping_ = true;
  SetEvent(stop_event_);
}

void ScriptEngine::pause() {
  if (!running()) return;
  paused_ = true;
  ResetEvent(resumed_event_);
  SetEvent(paused_event_);
}

void ScriptEngine::resume() {
  paused_ = false;
  ResetEvent(paused_event_);
  SetEvent(resumed_event_);
}

void ScriptEngine::join() {
  if (thread_) WaitForSingleObject(thread_, INFINITE);
}

bool ScriptEngine::checkpoint() {
  HANDLE wake[] = {stop_event_, resumed_event_};
  return WaitForMultipleObjects(2, wake, FALSE, INFINITE) == WAIT_OBJECT_0 + 1;
}

bool ScriptEngine::wait(double seconds) {
  double ms = seconds * 1000;
  ms = ms > 0 ? std::min(std::round(ms), kLongestWaitMs) : 0;
  ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(ms);
  if (yield_listener_) yield_listener_();
  for (;;) {
    if (!checkpoint()) return false;
    ULONGLONG now = GetTickCount64();
    if (now >= deadline) return true;
    HANDLE wake[] = {stop_event_, paused_event_};
    DWORD slice = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, kLongestSliceMs));
    DWORD woke = WaitForMultipleObjects(2, wake, FALSE, slice);
    if (woke == WAIT_OBJECT_0) return false;
    if (woke == WAIT_OBJECT_0 + 1) {
      ULONGLONG paused_at = GetTickCount64();
      if (!checkpoint()) return false;
      deadline += GetTickCount64() - paused_at;
    }
  }
}

void ScriptEngine::note(std::string message) {
  log_.push_back({runs_.empty() ? std::string() : runs_.back().name, std::move(message)});
}

bool ScriptEngine::reset_output() {
  return write_to_file(resolve("output.txt"), CREATE_ALWAYS, {});
}

bool ScriptEngine::append_output(std::string_view line) {
  std::string bytes(line);
  bytes += '\n';
  return write_to_file(resolve("output.txt"), OPEN_ALWAYS, bytes);
}

double ScriptEngine::local_offset_seconds() const {
  FILETIME utc{};
  FILETIME local{};
  GetSystemTimeAsFileTime(&utc);
  FileTimeToLocalFileTime(&utc, &local);
  return (static_cast<double>(file_time_value(local)) - static_cast<double>(file_time_value(utc))) /
         kFileTimeUnitsPerSecond;
}

double ScriptEngine::wall_clock_seconds() const {
  FILETIME utc{};
  GetSystemTimeAsFileTime(&utc);
  return static_cast<double>(file_time_value(utc) - kFileTimeAtUnixEpoch) / kFileTimeUnitsPerSecond;
}

DWORD WINAPI ScriptEngine::thread_main(void* engine) {
  static_cast<ScriptEngine*>(engine)->execute();
  return 0;
}

void ScriptEngine::execute() {
  const std::string name = runs_.back().name;
  const std::string text = runs_.back().text;
  duk_context* ctx = duk_create_heap_default();
  install_script_methods(ctx, *this);
  duk_push_string(ctx, name.c_str());
  bool failed =
      duk_pcompile_lstring_filename(ctx, 0, text.data(), text.size()) != 0 || duk_pcall(ctx, 0) != 0;
  if (terminated_) {
    note("ended with the program");
  } else if (stopping_) {
    note("stopped");
  } else if (failed) {
    int line = 0;
    if (duk_is_error(ctx, -1)) {
      duk_get_prop_string(ctx, -1, "lineNumber");
      line = duk_get_int_default(ctx, -1, 0);
      duk_pop(ctx);
    }
    std::string message = duk_safe_to_string(ctx, -1);
    if (line > 0 && message.find("(line ") == std::string::npos)
      message += " (line " + std::to_string(line) + ")";
    note(message);
  }
  duk_destroy_heap(ctx);
  finished_ = true;
  if (yield_listener_) yield_listener_();
  if (terminated_) throw desktop::ThreadTermination{};
}

std::string ScriptEngine::expand_includes(std::string_view text, int depth) {
  std::string out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t stop = text.find_first_of("\r\n", start);
    std::string_view line =
        text.substr(start, stop == std::string_view::npos ? std::string_view::npos : stop - start);
    std::string_view path;
    std::size_t end = 0;
    if (depth < kMaxIncludeDepth && parse_include(line, path, end)) {
      if (std::optional<std::string> included = read_desktop_file(resolve(path)))
        out += expand_includes(*included, depth + 1) + "\n";
      else
        note("cannot include \"" + std::string(path) + "\"");
      out += line.substr(end);
    } else {
      out += line;
    }
    if (stop == std::string_view::npos) break;
    out += text[stop];
    start = stop + 1;
  }
  return out;
}

std::wstring ScriptEngine::resolve(std::string_view name) const {
  std::wstring path = desktop::from_utf8(name);
  bool absolute = (path.size() >= 2 && path[1] == L':') || (!path.empty() && path[0] == L'\\');
  return absolute ? path : user_folder_ + L"\\" + path;
}

}  // namespace orvenna
