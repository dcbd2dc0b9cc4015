// What the in-process controls of one class show, for tests and for a dump section: each control
// made, its last view, and a log. Controls update it from their own threads; readers take copies.
#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

#include "platform/desktop/json_text.h"

namespace peers {

template <typename View>
class ControlProbe {
 public:
  // A new control's number.
  int add_control() {
    std::lock_guard lock(mutex_);
    controls_.emplace_back();
    return static_cast<int>(controls_.size()) - 1;
  }
  void update(int control, const View& view) {
    std::lock_guard lock(mutex_);
    controls_.at(static_cast<std::size_t>(control)) = view;
  }
  std::vector<View> controls() const {
    std::lock_guard lock(mutex_);
    return controls_;
  }
  void log(std::string line) {
    std::lock_guard lock(mutex_);
    log_.push_back(std::move(line));
  }
  std::vector<std::string> log_lines() const {
    std::lock_guard lock(mutex_);
    return log_;
  }

 protected:
  // `"controls": [...], "log": [...]`, each view written by json_view.
  std::string controls_and_log_json(std::string (*json_view)(const View&)) const {
    std::lock_guard lock(mutex_);
    std::string out = "\"controls\": [";
    for (std::size_t i = 0; i < controls_.size(); ++i)
      out += (i > 0 ? ", " : "") + json_view(controls_[i]);
    out += "], \"log\": [";
    for (std::size_t i = 0; i < log_.size(); ++i)
      out += (i > 0 ? ", " : "") + desktop::json_text(log_[i]);
    return out + "]";
  }

 private:
  mutable std::mutex mutex_;
  std::vector<View> controls_;
  std::vector<std::string> log_;
};

}  // namespace peers
