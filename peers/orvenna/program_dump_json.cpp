// The probe as a JSON object: what a scenario's dump file shows of the planetarium.
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "peers/orvenna/probe_names.h"
#include "peers/orvenna/program_probe.h"
#include "peers/orvenna/sky_date.h"
#include "platform/desktop/json_text.h"

namespace orvenna {

namespace {

using desktop::json_text;

// JSON has no infinities: a number that is not finite is null.
std::string json_number(double value) {
  if (!std::isfinite(value)) return "null";
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

std::string json_hex(std::uintptr_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "\"0x%llx\"", static_cast<unsigned long long>(value));
  return text;
}

std::string json_handle(const void* handle) {
  return json_hex(reinterpret_cast<std::uintptr_t>(handle));
}

std::string json_bool(bool value) {
  return value ? "true" : "false";
}

// Joins the items made by each into a JSON array.
template <typename Items, typename Each>
std::string json_array(const Items& items, Each each) {
  std::string out = "[";
  for (const auto& item : items)
    out += (out.size() > 1 ? ", " : "") + each(item);
  return out + "]";
}

std::string json_state(const SkyState& sky) {
  const ObserverLocation& where = sky.observer();
  return "{\"utc\": " + json_text(format_date(sky.utc_seconds())) +
         ", \"rate\": " + json_number(sky.time_rate()) + ", \"paused\": " + json_bool(sky.time_paused()) +
         ", \"fov\": " + json_number(sky.fov) + ", \"view\": {\"azimuth\": " + json_number(sky.view.azimuth) +
         ", \"altitude\": " + json_number(sky.view.altitude) +
         "}, \"place\": {\"planet\": " + json_text(where.planet) +
         ", \"longitude\": " + json_number(where.longitude) +
         ", \"latitude\": " + json_number(where.latitude) + ", \"altitude\": " + json_number(where.altitude) +
         ", \"name\": " + json_text(where.name) + "}, \"landscape\": " + json_text(sky.landscape()) +
         ", \"sky_culture\": " + json_text(sky.sky_culture()) +
         ", \"selection\": " + json_text(sky.selection()) + ", \"projection\": " + json_text(sky.projection) +
         ", \"isolated\": " +
         json_array(sky.isolated_constellations(), [](const std::string& name) { return json_text(name); }) +
         ", \"on\": " + json_array(flags_on(sky), [](const char* name) { return json_text(name); }) +
         ", \"labels\": " +
         json_array(sky.labels(),
                    [](const ScreenLabel& label) {
                      return "{\"id\": " + std::to_string(label.id) + ", \"text\": " + json_text(label.text) +
                             ", \"object\": " + json_text(label.object) + ", \"x\": " + json_number(label.x) +
                             ", \"y\": " + json_number(label.y) +
                             ", \"visible\": " + json_bool(label.visible) + "}";
                    }) +
         "}";
}

std::string json_message(const ReceivedMessage& m) {
  return "{\"window\": " + json_handle(m.window) + ", \"message\": " + json_text(message_name(m.message)) +
         ", \"wParam\": " + json_hex(m.wParam) +
         ", \"lParam\": " + json_hex(static_cast<std::uintptr_t>(m.lParam)) +
         ", \"origin\": " + json_text(origin_name(m.origin)) + "}";
}

}  // namespace

std::string ProgramProbe::dump_json() const {
  const ProgramWindows shown = windows();
  const std::optional<SkyState> sky = state();
  return "{\"starts\": " + std::to_string(starts()) + ", \"windows\": {\"main\": " + json_handle(shown.main) +
         ", \"render\": " + json_handle(shown.render) + "}, \"full_screen\": " + json_bool(full_screen()) +
         ", \"state\": " + (sky ? json_state(*sky) : "null") +
         ",\n\"messages\": " + json_array(messages(), json_message) + ",\n\"scripts\": " +
         json_array(scripts(),
                    [](const ScriptRun& run) {
                      return "{\"name\": " + json_text(run.name) + ", \"text\": " + json_text(run.text) + "}";
                    }) +
         ",\n\"log\": " +
         json_array(log(),
                    [](const ScriptLogEntry& entry) {
                      return "{\"script\": " + json_text(entry.script) +
                             ", \"message\": " + json_text(entry.message) + "}";
                    }) +
         "}";
}

}  // namespace orvenna
