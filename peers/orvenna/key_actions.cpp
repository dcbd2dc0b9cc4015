#include "peers/orvenna/key_actions.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "peers/orvenna/sky_ephemeris.h"
#include "platform/win/win32.h"

namespace orvenna {

namespace {

// The big and the small rate steps: three small ones double the rate twice, one big one makes it
// nearly ten times, as the console's speed buttons count on.
constexpr double kBigRateStep = 9.88;
constexpr double kSmallRateStep = 2;

// What the compass keys look at: a little below the zenith, toward the named horizon.
constexpr double kCompassAltitude = 87.9;

constexpr double kZoomPerSecond = 2.5;
constexpr double kPanDegreesPerSecond = 30;
constexpr double kNarrowestFov = 0.001;

constexpr KeyPress key(wchar_t character) {
  return KeyPress{0, character};
}
constexpr KeyPress ctrl(wchar_t character) {
  return KeyPress{0, character, true, false};
}
constexpr KeyPress alt(wchar_t character) {
  return KeyPress{0, character, false, true};
}
constexpr KeyPress virtual_key(BYTE vk) {
  return KeyPress{vk};
}

constexpr std::array kBindings = {
    KeyBinding{key(L'a'), KeyAction::toggle, SkyFlag::atmosphere, "atmosphere"},
    KeyBinding{key(L'f'), KeyAction::toggle, SkyFlag::fog, "fog"},
    KeyBinding{key(L'b'), KeyAction::toggle, SkyFlag::constellation_boundaries, "constellation boundaries"},
    KeyBinding{key(L'c'), KeyAction::toggle, SkyFlag::constellation_lines, "constellation lines"},
    KeyBinding{key(L'r'), KeyAction::toggle, SkyFlag::constellation_art, "constellation art"},
    KeyBinding{key(L'v'), KeyAction::toggle, SkyFlag::constellation_names, "constellation names"},
    KeyBinding{key(L'g'), KeyAction::toggle, SkyFlag::landscape, "ground"},
    KeyBinding{key(L'q'), KeyAction::toggle, SkyFlag::cardinal_points, "cardinal points"},
    KeyBinding{key(L'e'), KeyAction::toggle, SkyFlag::equator_grid, "equatorial grid"},
    KeyBinding{key(L'.'), KeyAction::toggle, SkyFlag::equator_line, "equator line"},
    KeyBinding{key(L'z'), KeyAction::toggle, SkyFlag::azimuthal_grid, "azimuthal grid"},
    KeyBinding{key(L','), KeyAction::toggle, SkyFlag::ecliptic_line, "ecliptic line"},
    KeyBinding{key(L';'), KeyAction::toggle, SkyFlag::meridian_line, "meridian line"},
    KeyBinding{key(L'o'), KeyAction::toggle, SkyFlag::planet_orbits, "planet orbits"},
    KeyBinding{key(L'T'), KeyAction::toggle, SkyFlag::planet_trails, "planet trails"},
    KeyBinding{alt(L's'), KeyAction::toggle, SkyFlag::star_names, "star labels"},
    KeyBinding{alt(L'p'), KeyAction::toggle, SkyFlag::planet_names, "planet labels"},
    KeyBinding{ctrl(L'm'), KeyAction::toggle, SkyFlag::equatorial_mount, "equatorial mount"},
    KeyBinding{key(L'7'), KeyAction::pause_time, SkyFlag::count, "pause time"},
    KeyBinding{key(L'k'), KeyAction::normal_rate, SkyFlag::count, "normal time rate"},
    KeyBinding{key(L'8'), KeyAction::time_now, SkyFlag::count, "time now"},
    KeyBinding{key(L'l'), KeyAction::faster, SkyFlag::count, "faster"},
    KeyBinding{key(L'L'), KeyAction::faster_a_little, SkyFlag::count, "a little faster"},
    KeyBinding{key(L'j'), KeyAction::slower, SkyFlag::count, "slower"},
    KeyBinding{key(L'J'), KeyAction::slower_a_little, SkyFlag::count, "a little slower"},
    KeyBinding{key(L' '), KeyAction::centre_on_selection, SkyFlag::count, "centre on the selection"},
    KeyBinding{key(L'E'), KeyAction::look_east, SkyFlag::count, "look east"},
    KeyBinding{key(L'W'), KeyAction::look_west, SkyFlag::count, "look west"},
    KeyBinding{key(L'N'), KeyAction::look_north, SkyFlag::count, "look north"},
    KeyBinding{key(L'S'), KeyAction::look_south, SkyFlag::count, "look south"},
    KeyBinding{alt(L'N'), KeyAction::look_north_pole, SkyFlag::count, "look at the north celestial pole"},
    KeyBinding{alt(L'S'), KeyAction::look_south_pole, SkyFlag::count, "look at the south celestial pole"},
    KeyBinding{key(L'\\'), KeyAction::auto_zoom_out, SkyFlag::count, "zoom out to the initial view"},
    KeyBinding{virtual_key(VK_F11), KeyAction::full_screen, SkyFlag::count, "full screen"},
    KeyBinding{virtual_key(VK_F2), KeyAction::open_settings, SkyFlag::count, "settings"},
    KeyBinding{virtual_key(VK_ESCAPE), KeyAction::close_panel, SkyFlag::count, "close the panel"},
    KeyBinding{virtual_key(VK_PRIOR), KeyAction::zoom_in, SkyFlag::count, "zoom in"},
    KeyBinding{virtual_key(VK_NEXT), KeyAction::zoom_out, SkyFlag::count, "zoom out"},
    KeyBinding{virtual_key(VK_LEFT), KeyAction::pan_left, SkyFlag::count, "pan left"},
    KeyBinding{virtual_key(VK_RIGHT), KeyAction::pan_right, SkyFlag::count, "pan right"},
    KeyBinding{virtual_key(VK_UP), KeyAction::pan_up, SkyFlag::count, "pan up"},
    KeyBinding{virtual_key(VK_DOWN), KeyAction::pan_down, SkyFlag::count, "pan down"},
};

struct RateStep {
  KeyAction action;
  double factor;
  int direction;
};

constexpr std::array kRateSteps = {
    RateStep{KeyAction::faster, kBigRateStep, 1},
    RateStep{KeyAction::faster_a_little, kSmallRateStep, 1},
    RateStep{KeyAction::slower, kBigRateStep, -1},
    RateStep{KeyAction::slower_a_little, kSmallRateStep, -1},
};

// Where the compass keys look; the pole keys look as high as the observer's latitude.
struct Look {
  KeyAction action;
  double azimuth;
  bool at_pole;
};

constexpr std::array kLooks = {
    Look{KeyAction::look_east, 90, false},     Look{KeyAction::look_west, 270, false},
    Look{KeyAction::look_north, 0, false},     Look{KeyAction::look_south, 180, false},
    Look{KeyAction::look_north_pole, 0, true}, Look{KeyAction::look_south_pole, 180, true},
};

template <typename Table>
auto find_row(const Table& table, KeyAction action) {
  auto found =
      std::find_if(table.begin(), table.end(), [&](const auto& row) { return row.action == action; });
  return found == table.end() ? nullptr : &*found;
}

}  // namespace

std::span<const KeyBinding> key_bindings() {
  return kBindings;
}

const KeyBinding* find_key_binding(const KeyPress& pressed) {
  auto found = std::find_if(kBindings.begin(), kBindings.end(),
                            [&](const KeyBinding& binding) { return is_shortcut(binding.key, pressed); });
  return found == kBindings.end() ? nullptr : &*found;
}

bool is_held(KeyAction action) {
  return action >= KeyAction::zoom_in;
}

double step_time_rate(double rate, double factor, int direction) {
  if (rate == 0) return direction;
  if ((rate > 0) == (direction > 0)) return rate * factor;
  if (std::abs(rate) <= 1) return 0;
  return rate / factor;
}

bool apply_key_to_sky(const KeyBinding& binding, SkyState& sky, double wall_clock_seconds) {
  if (const RateStep* step = find_row(kRateSteps, binding.action)) {
    sky.set_time_rate(step_time_rate(sky.time_rate(), step->factor, step->direction));
    return true;
  }
  if (const Look* look = find_row(kLooks, binding.action)) {
    const double altitude = look->at_pole ? std::abs(sky.observer().latitude) : kCompassAltitude;
    sky.view = {look->azimuth, altitude};
    sky.set_flag(SkyFlag::tracking, false);
    return true;
  }
  switch (binding.action) {
    case KeyAction::toggle:
      sky.set_flag(binding.flag, !sky.flag(binding.flag));
      return true;
    case KeyAction::pause_time:
      sky.set_time_rate(0);
      return true;
    case KeyAction::normal_rate:
      sky.set_time_rate(1);
      return true;
    case KeyAction::time_now:
      sky.set_utc_seconds(wall_clock_seconds);
      return true;
    case KeyAction::centre_on_selection:
      centre_on_selection(sky);
      return true;
    case KeyAction::auto_zoom_out:
      sky.fov = sky.init_fov;
      if (sky.flag(SkyFlag::auto_zoom_out_resets_direction)) sky.view = sky.init_view;
      sky.set_flag(SkyFlag::tracking, false);
      return true;
    default:
      return false;
  }
}

void move_view(KeyAction held, SkyState& sky, double milliseconds) {
  const double seconds = milliseconds / 1000;
  const double zoom = std::pow(kZoomPerSecond, seconds);
  const double pan = kPanDegreesPerSecond * seconds * std::min(1.0, sky.fov / 60);
  switch (held) {
    case KeyAction::zoom_in:
      sky.fov = std::max(kNarrowestFov, sky.fov / zoom);
      break;
    case KeyAction::zoom_out:
      sky.fov = std::min(kWidestFov, sky.fov * zoom);
      break;
    case KeyAction::pan_left:
      sky.view.azimuth = std::fmod(sky.view.azimuth - pan + 360, 360);
      break;
    case KeyAction::pan_right:
      sky.view.azimuth = std::fmod(sky.view.azimuth + pan, 360);
      break;
    case KeyAction::pan_up:
      sky.view.altitude = std::min(90.0, sky.view.altitude + pan);
      break;
    case KeyAction::pan_down:
      sky.view.altitude = std::max(-90.0, sky.view.altitude - pan);
      break;
    default:
      break;
  }
}

}  // namespace orvenna
