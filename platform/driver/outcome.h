// What a step of the desktop's user gives: done, or why not.
#pragma once

#include <string>

namespace driver {

struct Outcome {
  bool ok = true;
  std::string reason;

  explicit operator bool() const { return ok; }
  static Outcome done() { return {}; }
  static Outcome failure(std::string why) { return {false, std::move(why)}; }
};

}  // namespace driver
