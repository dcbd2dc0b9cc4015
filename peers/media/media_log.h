// libav's messages go into the log of the player that made the call, not to stderr: while a
// LogScope lives on a thread, av_log lines from that thread land in its log.
#pragma once

#include <string>
#include <vector>

namespace media {

class MediaLog {
 public:
  void add(std::string line) { lines_.push_back(std::move(line)); }
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

class LogScope {
 public:
  explicit LogScope(MediaLog& log);
  ~LogScope();
  LogScope(const LogScope&) = delete;
  LogScope& operator=(const LogScope&) = delete;

 private:
  MediaLog* previous_;
};

}  // namespace media
