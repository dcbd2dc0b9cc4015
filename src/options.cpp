#include "src/options.h"

#include <cstdlib>
#include <cstring>

namespace {

// Where the machine is kept between runs when --data does not say.
std::filesystem::path default_data_folder() {
  if (const char* data_home = std::getenv("XDG_DATA_HOME"); data_home != nullptr && *data_home != '\0')
    return std::filesystem::path(data_home) / "orvenna-console";
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    return std::filesystem::path(home) / ".local" / "share" / "orvenna-console";
  return std::filesystem::current_path() / "orvenna-console-data";
}

std::optional<int> seconds_of(const char* text) {
  char* end = nullptr;
  long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 0 || value > 86400) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

std::variant<Options, std::string> parse_options(int argc, char** argv) {
  Options options;
  options.data_folder = default_data_folder();
  for (int i = 1; i < argc; ++i) {
    const char* option = argv[i];
    const bool has_value = i + 1 < argc;
    if (std::strcmp(option, "--headless") == 0) {
      options.headless = true;
    } else if (std::strcmp(option, "--seconds") == 0 && has_value) {
      options.seconds = seconds_of(argv[++i]);
      if (!options.seconds) return std::string("--seconds takes a whole number from 0 to 86400");
    } else if (std::strcmp(option, "--data") == 0 && has_value) {
      options.data_folder = argv[++i];
    } else if (std::strcmp(option, "--monitors") == 0 && has_value) {
      const char* count = argv[++i];
      if (std::strcmp(count, "1") != 0 && std::strcmp(count, "2") != 0)
        return std::string("--monitors takes 1 or 2");
      options.monitors = count[0] - '0';
    } else if (std::strcmp(option, "--controls-sample") == 0) {
      options.controls_sample = true;
    } else if (std::strcmp(option, "--invariants") == 0) {
      options.invariants = true;
    } else if (std::strcmp(option, "--screenshot") == 0 && has_value) {
      options.screenshot = argv[++i];
    } else if (std::strcmp(option, "--scenario") == 0 && has_value) {
      options.scenario = argv[++i];
    } else {
      return std::string("unknown option or missing value: ") + option;
    }
  }
  if (options.screenshot || options.scenario) options.headless = true;  // neither needs a window
  return options;
}
