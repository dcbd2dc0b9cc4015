#include "peers/media/media_log.h"

#include <cstdio>
#include <mutex>

extern "C" {
#include <libavutil/log.h>
}

namespace media {
namespace {

thread_local MediaLog* current_log = nullptr;

void to_current_log(void* context, int level, const char* format, va_list arguments) {
  if (current_log == nullptr || level > AV_LOG_WARNING) return;
  char line[512];
  int prefix = 1;
  av_log_format_line2(context, level, format, arguments, line, sizeof line, &prefix);
  std::string text(line);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
    text.pop_back();
  if (!text.empty()) current_log->add(std::move(text));
}

void route_libav_log() {
  static std::once_flag once;
  std::call_once(once, [] { av_log_set_callback(to_current_log); });
}

}  // namespace

LogScope::LogScope(MediaLog& log) : previous_(current_log) {
  route_libav_log();
  current_log = &log;
}

LogScope::~LogScope() {
  current_log = previous_;
}

}  // namespace media
