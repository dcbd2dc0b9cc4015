// What a resource script's parser gives: the entries, or the first line it refused and why.
#pragma once

#include <optional>
#include <string>

namespace resource_script {

struct ParseError {
  int line = 0;
  std::string reason;
};

template <typename T>
struct Parsed {
  T value{};
  std::optional<ParseError> error;
  explicit operator bool() const { return !error.has_value(); }
};

template <typename T>
Parsed<T> refuse(int line, std::string reason) {
  return {{}, ParseError{line, std::move(reason)}};
}

}  // namespace resource_script
