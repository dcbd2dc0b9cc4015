// The console program's entry as the host starts it: it brings up the embedded desktop with
// its shell, on the machine kept in --data DIR, keeps it running for --seconds N, and shuts
// it down.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <thread>

#include "peers/orvenna/install/installer.h"
#include "platform/desktop/desktop.h"

namespace {

struct Options {
  std::optional<int> seconds;
  std::filesystem::path data_folder;
};

// Where the machine is kept between runs when --data does not say.
std::filesystem::path default_data_folder() {
  if (const char* data_home = std::getenv("XDG_DATA_HOME"); data_home != nullptr && *data_home != '\0')
    return std::filesystem::path(data_home) / "orvenna-console";
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    return std::filesystem::path(home) / ".local" / "share" / "orvenna-console";
  return std::filesystem::current_path() / "orvenna-console-data";
}

std::optional<Options> parse(int argc, char** argv) {
  Options options;
  options.data_folder = default_data_folder();
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
      char* end = nullptr;
      long value = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || value < 0 || value > 86400) return std::nullopt;
      options.seconds = static_cast<int>(value);
    } else if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) {
      options.data_folder = argv[++i];
    } else {
      return std::nullopt;
    }
  }
  return options;
}

// The host's wall clock, and its time zone as a fixed offset from UTC.
void use_host_time(desktop::DesktopConfig& config) {
  using namespace std::chrono;
  config.start_unix_ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  desktop::TimeZone zone;
  zone.bias_minutes = static_cast<LONG>(-local.tm_gmtoff / 60);
  zone.standard_name = zone.daylight_name = L"Host time";
  config.zone = zone;
}

}  // namespace

int main(int argc, char** argv) {
  auto options = parse(argc, argv);
  if (!options) {
    std::fprintf(stderr, "usage: orvenna-console [--data DIR] [--seconds N]\n");
    return 2;
  }
  desktop::DesktopConfig config;
  config.clock = desktop::ClockKind::Real;
  use_host_time(config);
  config.start_shell = true;
  config.data_folder = options->data_folder;
  desktop::Desktop machine(config);
  if (!orvenna::install_on_first_run(machine))
    std::fprintf(stderr, "The stand-in Orvenna could not be installed.\n");
  std::printf("Embedded desktop started (%ldx%ld).\n", static_cast<long>(machine.screen().right),
              static_cast<long>(machine.screen().bottom));
  if (options->seconds) std::this_thread::sleep_for(std::chrono::seconds(*options->seconds));
  std::printf("Embedded desktop stopped.\n");
  return 0;
}
