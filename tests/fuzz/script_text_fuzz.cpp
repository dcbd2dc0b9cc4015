// Feeds arbitrary UTF-16LE text to every script the console builds from a name, a place, a
// ground, a sky culture, a memo, a date or a welcome text. Each script, written in UTF-8 as the
// console writes its script files, must compile in the stand-in's script engine, and a literal of
// the text must give the text itself back.
#include <string>
#include <vector>

#include "peers/orvenna/script_syntax.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/place/location_scripts.h"
#include "src/app/planets/find_object_script.h"
#include "src/app/show/event_script.h"
#include "src/app/sky/ground_statement.h"
#include "src/app/sky/start_state_script.h"
#include "src/link/script_literal.h"
#include "src/util/text_conversion.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr SYSTEMTIME kNow{2026, 12, 5, 11, 21, 30, 15, 0};

std::string utf8(const std::wstring& text) {
  std::string bytes;
  ToNarrowText(Utf8CodePage, text, bytes);
  return bytes;
}

EventScene event_with(const std::wstring& text) {
  EventScene scene;
  scene.memo = text;
  scene.body = text;
  scene.longitude = L"12.4964";
  scene.latitude = L"41.9028";
  scene.defaultGround = text;
  scene.target = EventTargetShown{text, ConstellationDisplayLines(true, 15), true};
  return scene;
}

StartStateValues start_state_with(const std::wstring& text) {
  StartStateValues values;
  values.dateStatement = StartDateStatement(text, text, kNow);
  values.skyCulture = text;
  values.ground = text;
  values.home = text;
  return values;
}

std::vector<std::wstring> scripts_with(const std::wstring& text) {
  const StartStateValues values = start_state_with(text);
  return {
      BuildWelcomeScript(WelcomeMessage{text, 10, 20, L"FFFFFF"}, kScreenWidth, kScreenHeight),
      HomePlaceScript(false, text, text),
      PoleScript(NorthPoleCommand, PoleBodies[3], false, text),
      BuildStartStateScript(values, StartStateScriptUse::Reset),
      BuildStartStateScript(values, StartStateScriptUse::RecordingHeader),
      EventPlaceScript(event_with(text)),
      SkyCultureLine(false, text),
      LandscapeUnlessCurrent(text),
  };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_desktop();
  const std::wstring text = wide_text_of(data, size);
  require(orvenna::string_literal_value(utf8(ScriptStringLiteral(text))) == utf8(text));
  for (const std::wstring& script : scripts_with(text))
    require(!orvenna::script_syntax_error(utf8(script)));
  return 0;
}
