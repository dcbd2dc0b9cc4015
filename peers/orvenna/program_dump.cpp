// The probe as text: what a scenario's dump shows of the planetarium.
#include <array>
#include <cstdio>

#include "peers/orvenna/program_probe.h"
#include "peers/orvenna/sky_date.h"
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

std::string message_name(UINT message) {
  for (const MessageName& named : kMessageNames)
    if (named.message == message) return named.name;
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%04X", message);
  return hex;
}

std::string format(const char* pattern, auto... values) {
  char line[512];
  std::snprintf(line, sizeof line, pattern, values...);
  return line;
}

std::string state_lines(const SkyState& sky) {
  const ObserverLocation& where = sky.observer();
  std::string text = format("state: %s UTC, rate %g, fov %g, view azimuth %g altitude %g\n",
                            format_date(sky.utc_seconds()).c_str(), sky.time_rate(), sky.fov,
                            sky.view.azimuth, sky.view.altitude);
  text += format(
      "place: %s, longitude %g, latitude %g, altitude %g, \"%s\"; landscape %s; sky culture %s; "
      "selection \"%s\"\n",
      where.planet.c_str(), where.longitude, where.latitude, where.altitude, where.name.c_str(),
      sky.landscape().c_str(), sky.sky_culture().c_str(), sky.selection().c_str());
  text += "on:";
  for (std::size_t i = 0; i < kFlagNames.size(); ++i)
    if (sky.flag(static_cast<SkyFlag>(i))) text += std::string(" ") + kFlagNames[i];
  text += "\n";
  for (const ScreenLabel& label : sky.labels())
    text += format("label %d \"%s\" at %g, %g%s\n", label.id, label.text.c_str(), label.x, label.y,
                   label.visible ? "" : " hidden");
  return text;
}

}  // namespace

std::string ProgramProbe::dump() const {
  const ProgramWindows shown = windows();
  std::string text = format("orvenna: started %d times; main window %p, render window %p, %s\n", starts(),
                            static_cast<void*>(shown.main), static_cast<void*>(shown.render),
                            full_screen() ? "full screen" : "windowed");
  if (std::optional<SkyState> sky = state()) text += state_lines(*sky);
  for (const ReceivedMessage& m : messages())
    text +=
        format("message %p %s %#llx %#llx %s\n", static_cast<void*>(m.window),
               message_name(m.message).c_str(), static_cast<unsigned long long>(m.wParam),
               static_cast<unsigned long long>(m.lParam), kOriginNames[static_cast<std::size_t>(m.origin)]);
  for (const ScriptRun& run : scripts())
    text +=
        "script " + run.name + ":\n" + run.text + (run.text.ends_with('\n') ? "" : "\n") + "end of script\n";
  for (const ScriptLogEntry& entry : log())
    text += "log " + entry.script + ": " + entry.message + "\n";
  return text;
}

}  // namespace orvenna
