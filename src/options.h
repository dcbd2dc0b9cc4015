// The desktop's own command-line options (the console itself has none).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>

struct Options {
  std::optional<int> seconds;  // how long the desktop stays up; until closed when not given
  std::filesystem::path data_folder;
  bool headless = false;
  std::optional<std::filesystem::path> screenshot;  // one picture of the desktop, then exit
  std::optional<std::filesystem::path> scenario;    // steps played on the virtual clock, then exit
  bool controls_sample = false;                     // also start the controls kit's sample
  bool invariants = false;  // a scenario checks what must always hold for a presenter after each step
  int monitors = 1;         // 1, or 2 side by side
};

// The options, or what is wrong with them.
std::variant<Options, std::string> parse_options(int argc, char** argv);

inline constexpr const char* kUsage =
    "usage: orvenna-console [--data DIR] [--seconds N] [--headless [--screenshot FILE]] [--scenario FILE]\n"
    "                        [--monitors 1|2] [--controls-sample] [--invariants]";
