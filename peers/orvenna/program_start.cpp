// What the program knows when it starts: the machine's date and time, its install folder's
// landscapes, sky cultures and stars, the user folder's places, and config.ini's shortcuts,
// field of view, place, landscape and display flags.
#include <array>
#include <cstdlib>

#include "peers/orvenna/config_ini.h"
#include "peers/orvenna/desktop_files.h"
#include "peers/orvenna/installed_sky.h"
#include "peers/orvenna/place_list.h"
#include "peers/orvenna/program.h"
#include "platform/win/win32.h"

namespace orvenna {

namespace {

// Where the program stands when config.ini names no place it knows and its landscape does not
// say where it is.
const ObserverLocation kHome{"Earth", 4.7736, 46.1031, 172, "Guereins"};
constexpr std::string_view kHomeLandscape = "guereins";

struct StartFlag {
  const char* key;
  SkyFlag flag;
};

// config.ini [landscape] as the program writes it.
constexpr std::array kLandscapeFlags = {
    StartFlag{"flag_atmosphere", SkyFlag::atmosphere},
    StartFlag{"flag_fog", SkyFlag::fog},
    StartFlag{"flag_landscape", SkyFlag::landscape},
};

// The folder orvenna.exe runs from, ending in a backslash.
std::wstring program_folder() {
  wchar_t path[MAX_PATH]{};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring whole(path, length < MAX_PATH ? length : 0);
  return whole.substr(0, whole.rfind(L'\\') + 1);
}

std::optional<bool> truth_of(const std::string& text) {
  if (same_name(text, "true")) return true;
  if (same_name(text, "false")) return false;
  return std::nullopt;
}

}  // namespace

void Program::prepare_sky() {
  sky_.set_utc_seconds(engine_.wall_clock_seconds());
  sky_.set_time_rate(1);
  read_install();
  read_config();
}

void Program::read_install() {
  // The built-in lists stay for whatever part of the install is missing.
  InstalledSky installed = read_installed_sky(program_folder());
  if (installed.landscapes.empty())
    probe_->note({}, "no landscapes in the install folder: the built-in ones are used");
  else
    sky_.set_landscapes(std::move(installed.landscapes));
  if (!installed.sky_cultures.empty()) sky_.set_sky_cultures(std::move(installed.sky_cultures));
  if (installed.stars.empty())
    probe_->note({}, "no star names in the install folder: the built-in ones are used");
  else
    sky_.set_stars(std::move(installed.stars));
  sky_.set_figures(std::move(installed.figures));
  if (std::optional<std::string> places = read_desktop_file(user_folder_ + L"\\base_locations.txt"))
    sky_.set_places(read_place_list(*places));
  else
    probe_->note({}, "cannot read base_locations.txt: no places by name");
}

void Program::read_config() {
  std::optional<std::string> text = read_desktop_file(user_folder_ + L"\\config.ini");
  if (!text) probe_->note({}, "cannot read config.ini: no script shortcuts");
  const std::vector<IniEntry> config = text ? read_ini(*text) : std::vector<IniEntry>{};
  shortcuts_ = read_script_shortcuts(config);
  if (std::optional<std::string> fov = ini_value(config, "navigation", "init_fov")) {
    char* end = nullptr;
    const double degrees = std::strtod(fov->c_str(), &end);
    if (end != fov->c_str() && *end == '\0' && degrees > 0 && degrees <= kWidestFov)
      sky_.init_fov = sky_.fov = degrees;
  }
  for (const StartFlag& start : kLandscapeFlags)
    if (std::optional<std::string> value = ini_value(config, "landscape", start.key))
      if (std::optional<bool> on = truth_of(*value)) sky_.set_flag(start.flag, *on);
  start_landscape(config);
  start_place(config);
}

void Program::start_landscape(const std::vector<IniEntry>& config) {
  std::optional<std::string> name = ini_value(config, "init_location", "landscape_name");
  if (!name) name = ini_value(config, "landscape", "landscape_name");
  if (name && sky_.set_landscape(*name)) return;
  if (name) probe_->note({}, "config.ini names an unknown landscape \"" + *name + "\"");
  if (!sky_.set_landscape(kHomeLandscape)) sky_.set_landscape(sky_.landscapes().front().name);
}

// The place config.ini names, else where the landscape stands, else home.
void Program::start_place(const std::vector<IniEntry>& config) {
  std::optional<std::string> place = ini_value(config, "init_location", "location");
  if (place && sky_.move_to_place(*place)) return;
  if (place) probe_->note({}, "config.ini names an unknown place \"" + *place + "\"");
  const Landscape* ground = sky_.find_landscape(sky_.landscape());
  if (ground != nullptr && ground->location && sky_.set_observer(*ground->location)) return;
  sky_.set_observer(kHome);
}

}  // namespace orvenna
