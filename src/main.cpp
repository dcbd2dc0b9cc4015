// The console program's entry as the host starts it: it brings up the embedded desktop with
// its shell, keeps it running for --seconds N, and shuts it down.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

#include "platform/desktop/desktop.h"

namespace {

struct Options {
  std::optional<int> seconds;
};

std::optional<Options> parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
      char* end = nullptr;
      long value = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || value < 0 || value > 86400) return std::nullopt;
      options.seconds = static_cast<int>(value);
    } else {
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  auto options = parse(argc, argv);
  if (!options) {
    std::fprintf(stderr, "usage: orvenna-console [--seconds N]\n");
    return 2;
  }
  desktop::DesktopConfig config;
  config.clock = desktop::ClockKind::Real;
  config.start_shell = true;
  desktop::Desktop machine(config);
  std::printf("Embedded desktop started (%ldx%ld).\n", static_cast<long>(machine.screen().right),
              static_cast<long>(machine.screen().bottom));
  if (options->seconds) std::this_thread::sleep_for(std::chrono::seconds(*options->seconds));
  std::printf("Embedded desktop stopped.\n");
  return 0;
}
