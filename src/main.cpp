// The console program's entry as the host starts it: it brings up the embedded desktop with
// its shell, on the machine kept in --data DIR, and shows it in a window, or runs it headless
// when there is no display; --screenshot FILE writes one picture of it instead, and
// --scenario FILE plays the file's steps on the virtual clock and exits 0 when every step ran,
// else 1 with FILE:LINE: reason.
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <future>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>

#include "peers/media/sample_media.h"
#include "peers/media_player/media_player.h"
#include "peers/mpv/mpv_program.h"
#include "peers/orvenna/install/installer.h"
#include "peers/orvenna/orvenna_program.h"
#include "peers/pdf_reader/pdf_reader.h"
#include "platform/desktop/desktop.h"
#include "platform/driver/scenario.h"
#include "platform/view/desktop_screenshot.h"
#include "platform/view/headless_backend.h"
#include "platform/view/sdl_backend.h"
#include "platform/view/view.h"
#include "src/app/orvenna_console_app.h"
#include "src/controls_sample_program.h"
#include "src/layout_verb.h"
#include "src/options.h"
#include "src/scenario_invariants.h"

namespace {

constexpr wchar_t kConsoleFolder[] = L"C:\\Program Files\\Orvenna Console\\";
constexpr wchar_t kConsoleExecutable[] = L"OrvennaConsole.exe";

// Desktop time a screenshot waits for the programs to start and paint.
constexpr desktop::Tick kScreenshotSettleMs = 2000;

std::atomic<bool> interrupted = false;

void on_signal(int) {
  interrupted = true;
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

bool has_display() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* value = std::getenv(name); value != nullptr && *value != '\0') return true;
  return false;
}

// The desktop in a window; the backend goes after the view that uses it.
struct WindowView {
  std::unique_ptr<view::ViewBackend> backend;
  std::unique_ptr<view::View> shown;
};

// A window on the display when there is one that SDL can open; else none.
std::optional<WindowView> open_window(desktop::Desktop& machine) {
  if (!has_display()) {
    std::printf("No display: running headless.\n");
    return std::nullopt;
  }
  WindowView window{view::make_sdl_backend(), nullptr};
  window.shown = std::make_unique<view::View>(machine, *window.backend);
  if (view::ViewResult opened = window.shown->open(); !opened) {
    std::fprintf(stderr, "orvenna-console: no window, running headless: %s\n", opened.failure.c_str());
    return std::nullopt;
  }
  return window;
}

// The media player and PDF reader controls, as Windows and the reader's installer leave them.
// Their installers write the registry through the Win32 calls, which want a desktop thread: a
// scenario's main thread is one; otherwise they run as a program of their own, as regsvr32.
void install_controls(desktop::Desktop& machine) {
  media_player::register_media_player(machine);
  pdf_reader::register_pdf_reader(machine);
  const auto install = [] {
    for (const auto& [name, installer] : {std::pair{"media player", &media_player::install_media_player},
                                          std::pair{"PDF reader", &pdf_reader::install_pdf_reader}})
      if (LSTATUS status = installer(); status != 0)
        std::fprintf(stderr, "The %s control could not be installed (error %ld).\n", name,
                     static_cast<long>(status));
  };
  if (desktop::current_thread() != nullptr) {
    install();
    return;
  }
  std::promise<void> installed;
  machine.call_from_outside([&] {
    machine.start_thread(machine.create_process(L"regsvr32.exe"), [&] {
      install();
      installed.set_value();
      return DWORD{0};
    });
  });
  installed.get_future().wait();
}

// What the desktop's machine gets before anyone looks at it: the stand-in Orvenna installed on a
// fresh machine, with a folder of sample media, and the console installed beside it with mpv and
// the controls its players use, as on a presenter's machine.
bool install_programs(desktop::Desktop& machine) {
  orvenna::register_orvenna_program(machine);
  mpv::register_mpv_program(machine);
  install_controls(machine);
  if (!orvenna::install_on_first_run(machine)) {
    std::fprintf(stderr, "The stand-in Orvenna could not be installed.\n");
    return false;
  }
  if (std::string why = media::install_sample_media(machine); !why.empty())
    std::fprintf(stderr, "The sample media were not made: %s\n", why.c_str());
  if (DWORD installed = mpv::install_mpv(machine, kConsoleFolder); installed != 0)
    std::fprintf(stderr, "mpv could not be installed (error %lu).\n", static_cast<unsigned long>(installed));
  machine.register_program(kConsoleExecutable, OrvennaConsoleMain);
  bool installed = false;
  machine.call_from_outside([&machine, &installed] {
    const std::wstring path = std::wstring(kConsoleFolder) + kConsoleExecutable;
    const DWORD error = machine.install_program(path);
    if (error != 0)
      std::fprintf(stderr, "The console could not be installed (error %lu).\n",
                   static_cast<unsigned long>(error));
    installed = error == 0;
  });
  return installed;
}

// The console started, as a presenter starts it before a show (it makes sure Orvenna runs), and
// the controls kit's sample when the options ask for it.
void start_programs(desktop::Desktop& machine, const Options& options) {
  machine.call_from_outside([&machine] {
    desktop::LaunchRequest request;
    request.path = std::wstring(kConsoleFolder) + kConsoleExecutable;
    if (desktop::Launch started = machine.launch_program(request); started.error != 0)
      std::fprintf(stderr, "The console did not start (error %lu).\n",
                   static_cast<unsigned long>(started.error));
  });
  if (options.controls_sample && !start_controls_sample(machine))
    std::fprintf(stderr, "The controls sample did not start.\n");
}

void prepare_for(desktop::Desktop& machine, const Options& options) {
  if (install_programs(machine)) start_programs(machine, options);
}

// Plays a scenario file against a fresh desktop on the virtual clock.
int play_scenario(desktop::DesktopConfig config, const Options& options) {
  const std::filesystem::path& file = *options.scenario;
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  if (!in) {
    std::fprintf(stderr, "%s: cannot read the scenario file\n", file.string().c_str());
    return 1;
  }
  config.clock = desktop::ClockKind::Virtual;
  desktop::Desktop machine(std::move(config));
  machine.attach(L"scenario.exe");
  const bool installed = install_programs(machine);
  driver::DesktopUser user(machine);
  driver::ScenarioRunner runner(user);
  AddLayoutVerb(runner);
  if (options.invariants) AddConsoleInvariants(runner);
  // The steps that prepare the machine come before the programs start.
  runner.start_programs_with([&machine, &options, installed] {
    if (installed) start_programs(machine, options);
    machine.run_until_idle();
  });
  driver::ScenarioResult result = runner.run(text.str());
  machine.end_other_threads();
  machine.detach();
  if (result) return 0;
  std::fprintf(stderr, "%s:%d: %s\n", file.string().c_str(), result.line, result.reason.c_str());
  return 1;
}

int take_screenshot(desktop::DesktopConfig config, const Options& options) {
  const std::filesystem::path& file = *options.screenshot;
  view::ViewResult written = view::screenshot_of_new_desktop(
      std::move(config), kScreenshotSettleMs, file,
      [&options](desktop::Desktop& machine) { prepare_for(machine, options); });
  if (!written) {
    std::fprintf(stderr, "orvenna-console: no screenshot: %s\n", written.failure.c_str());
    return 1;
  }
  std::printf("Screenshot written to %s.\n", file.string().c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  auto parsed = parse_options(argc, argv);
  if (const auto* problem = std::get_if<std::string>(&parsed)) {
    std::fprintf(stderr, "orvenna-console: %s\n%s\n", problem->c_str(), kUsage);
    return 2;
  }
  const Options& options = std::get<Options>(parsed);
  desktop::DesktopConfig config;
  use_host_time(config);
  config.start_shell = true;
  config.data_folder = options.data_folder;
  if (options.monitors == 2) config.monitors.push_back({RECT{1920, 0, 3840, 1080}});
  if (options.screenshot) return take_screenshot(config, options);
  if (options.scenario) return play_scenario(config, options);

  config.clock = desktop::ClockKind::Real;
  std::signal(SIGINT, on_signal);
  std::signal(SIGTERM, on_signal);
  desktop::Desktop machine(config);
  prepare_for(machine, options);
  std::printf("Embedded desktop started (%ldx%ld).\n", static_cast<long>(machine.screen().right),
              static_cast<long>(machine.screen().bottom));
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(options.seconds.value_or(0));
  auto keep_going = [&] {
    return !interrupted && (!options.seconds || std::chrono::steady_clock::now() < until);
  };

  std::optional<WindowView> window = options.headless ? std::nullopt : open_window(machine);
  if (window) {
    window->shown->run(keep_going);
  } else {
    while (keep_going())
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  std::printf("Embedded desktop stopped.\n");
  return 0;
}
