// The probe as text: what a scenario's dump shows of the planetarium.
#include <cstdio>

#include "peers/orvenna/probe_names.h"
#include "peers/orvenna/program_probe.h"
#include "peers/orvenna/sky_date.h"
#include "platform/win/win32.h"

namespace orvenna {

namespace {

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
  text += "isolated:";
  for (const std::string& name : sky.isolated_constellations())
    text += " \"" + name + "\"";
  text += "\non:";
  for (const char* name : flags_on(sky))
    text += std::string(" ") + name;
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
    text += format("message %p %s %#llx %#llx %s\n", static_cast<void*>(m.window),
                   message_name(m.message).c_str(), static_cast<unsigned long long>(m.wParam),
                   static_cast<unsigned long long>(m.lParam), origin_name(m.origin));
  for (const ScriptRun& run : scripts())
    text +=
        "script " + run.name + ":\n" + run.text + (run.text.ends_with('\n') ? "" : "\n") + "end of script\n";
  for (const ScriptLogEntry& entry : log())
    text += "log " + entry.script + ": " + entry.message + "\n";
  return text;
}

}  // namespace orvenna
