// The planetarium's display, view and time keys: one table from key to action, and what each
// action does to the sky. The window's own keys (full screen, panels, held motion) are in the
// table too, and the program carries them out.
#pragma once

#include <span>

#include "peers/orvenna/key_press.h"
#include "peers/orvenna/sky_state.h"

namespace orvenna {

// The widest field of view the view opens to, in degrees.
inline constexpr double kWidestFov = 360;

enum class KeyAction {
  toggle,  // flips the binding's flag
  pause_time,
  normal_rate,
  time_now,
  faster,
  faster_a_little,
  slower,
  slower_a_little,
  centre_on_selection,
  look_east,
  look_west,
  look_north,
  look_south,
  look_north_pole,
  look_south_pole,
  auto_zoom_out,
  full_screen,
  open_settings,
  close_panel,
  // Held keys: they act for as long as the key is down.
  zoom_in,
  zoom_out,
  pan_left,
  pan_right,
  pan_up,
  pan_down,
};

struct KeyBinding {
  KeyPress key;
  KeyAction action;
  SkyFlag flag = SkyFlag::count;
  const char* name;
};

std::span<const KeyBinding> key_bindings();
const KeyBinding* find_key_binding(const KeyPress& pressed);
bool is_held(KeyAction action);

// Does what the key does to the sky; false for the actions the window carries out.
bool apply_key_to_sky(const KeyBinding& binding, SkyState& sky, double wall_clock_seconds);
// One step of the rate keys: away from zero by factor in the direction's sense, through 0 and
// 1 (or -1) when the rate runs the other way.
double step_time_rate(double rate, double factor, int direction);
// One step of a held key, for the given milliseconds.
void move_view(KeyAction held, SkyState& sky, double milliseconds);

}  // namespace orvenna
