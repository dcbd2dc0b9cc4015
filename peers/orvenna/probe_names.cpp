#include "peers/orvenna/probe_names.h"

#include <array>
#include <cstdio>

#include "platform/win/win32.h"

namespace orvenna {

namespace {

struct MessageName {
  UINT message;
  const char* name;
};

// The messages the console sends, posts or types into the planetarium.
constexpr std::array kMessageNames = {
    MessageName{WM_KEYDOWN, "WM_KEYDOWN"},
    MessageName{WM_KEYUP, "WM_KEYUP"},
    MessageName{WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
    MessageName{WM_SYSKEYUP, "WM_SYSKEYUP"},
    MessageName{WM_SETFOCUS, "WM_SETFOCUS"},
    MessageName{WM_KILLFOCUS, "WM_KILLFOCUS"},
    MessageName{WM_SETCURSOR, "WM_SETCURSOR"},
    MessageName{WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
    MessageName{WM_NCACTIVATE, "WM_NCACTIVATE"},
    MessageName{WM_ACTIVATE, "WM_ACTIVATE"},
    MessageName{WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
    MessageName{WM_IME_SETCONTEXT, "WM_IME_SETCONTEXT"},
    MessageName{WM_IME_NOTIFY, "WM_IME_NOTIFY"},
    MessageName{WM_MOUSEMOVE, "WM_MOUSEMOVE"},
    MessageName{WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
    MessageName{WM_RBUTTONUP, "WM_RBUTTONUP"},
    MessageName{WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
    MessageName{WM_CLOSE, "WM_CLOSE"},
};

constexpr std::array<const char*, static_cast<std::size_t>(SkyFlag::count)> kFlagNames = {
    "atmosphere",
    "fog",
    "landscape",
    "cardinal_points",
    "constellation_art",
    "constellation_lines",
    "constellation_boundaries",
    "constellation_names",
    "isolate_selected",
    "equator_grid",
    "equator_line",
    "azimuthal_grid",
    "ecliptic_line",
    "meridian_line",
    "precession_circles",
    "longitude_line",
    "galactic_grid",
    "celestial_poles",
    "circumpolar_circles",
    "galactic_equator_line",
    "stars",
    "star_names",
    "planets",
    "planet_names",
    "planet_orbits",
    "planet_trails",
    "moon_scale",
    "milky_way",
    "tracking",
    "equatorial_mount",
    "auto_zoom_out_resets_direction",
    "meteor_labels",
    "meteor_markers",
    "sporadic_meteors",
    "gravity_labels",
    "gui_visible",
    "disk_viewport",
};

constexpr std::array kOriginNames = {"sent", "posted", "injected", "device"};

}  // namespace

std::string message_name(UINT message) {
  for (const MessageName& named : kMessageNames)
    if (named.message == message) return named.name;
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%04X", message);
  return hex;
}

const char* origin_name(MessageOrigin origin) {
  return kOriginNames[static_cast<std::size_t>(origin)];
}

std::vector<const char*> flags_on(const SkyState& sky) {
  std::vector<const char*> names;
  for (std::size_t i = 0; i < kFlagNames.size(); ++i)
    if (sky.flag(static_cast<SkyFlag>(i))) names.push_back(kFlagNames[i]);
  return names;
}

}  // namespace orvenna
