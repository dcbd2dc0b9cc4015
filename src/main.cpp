// The console program's entry as the host starts it: it brings up the embedded desktop with
// its shell, on the machine kept in --data DIR, starts the console in it, keeps it running for
// --seconds N, and shuts it down. With --scenario FILE the desktop runs headless on the virtual
// clock, plays the file's steps and exits 0 when every step ran, else 1 with FILE:LINE: reason.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "platform/desktop/desktop.h"
#include "platform/driver/scenario.h"
#include "src/sample_dialog.h"

namespace {

struct Options {
  std::optional<int> seconds;
  std::filesystem::path data_folder;
  std::optional<std::filesystem::path> scenario;
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
    } else if (std::strcmp(argv[i], "--scenario") == 0 && i + 1 < argc) {
      options.scenario = argv[++i];
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

int play_scenario(const Options& options) {
  std::ifstream file(*options.scenario, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  if (!file) {
    std::fprintf(stderr, "%s: cannot read the scenario file\n", options.scenario->c_str());
    return 1;
  }
  desktop::DesktopConfig config;
  config.start_shell = true;
  config.data_folder = options.data_folder;
  desktop::Desktop machine(config);
  machine.attach(L"scenario.exe");
  desktop::Launch console = start_sample_program(machine);
  driver::DesktopUser user(machine);
  driver::ScenarioResult result = console.error == 0
                                      ? driver::ScenarioRunner(user).run(text.str())
                                      : driver::ScenarioResult{false, 0, "the console does not start"};
  machine.end_other_threads();
  machine.detach();
  if (result) return 0;
  std::fprintf(stderr, "%s:%d: %s\n", options.scenario->c_str(), result.line, result.reason.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  auto options = parse(argc, argv);
  if (!options) {
    std::fprintf(stderr, "usage: orvenna-console [--data DIR] [--seconds N] [--scenario FILE]\n");
    return 2;
  }
  if (options->scenario) return play_scenario(*options);
  desktop::DesktopConfig config;
  config.clock = desktop::ClockKind::Real;
  use_host_time(config);
  config.start_shell = true;
  config.data_folder = options->data_folder;
  desktop::Desktop machine(config);
  std::printf("Embedded desktop started (%ldx%ld).\n", static_cast<long>(machine.screen().right),
              static_cast<long>(machine.screen().bottom));
  machine.call_from_outside([&machine] { start_sample_program(machine); });
  if (options->seconds) std::this_thread::sleep_for(std::chrono::seconds(*options->seconds));
  std::printf("Embedded desktop stopped.\n");
  return 0;
}
