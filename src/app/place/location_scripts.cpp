// The observer's moves as Orvenna's script statements.
#include "src/app/place/location_scripts.h"

#include "src/app/sky/ground_statement.h"
#include "src/link/script_literal.h"
#include "src/settings/ini_files.h"
#include "src/util/compare_no_case.h"
#include "src/util/format_text.h"

namespace {

constexpr wchar_t BehaviorSection[] = L"behavior";
constexpr wchar_t KeepGroundKey[] = L"JustDoTheMovementOnPole";
constexpr wchar_t AirOff[] = L"LandscapeMgr.setFlagAtmosphere(false);\rLandscapeMgr.setFlagFog(false);\r";
constexpr wchar_t AirOn[] = L"LandscapeMgr.setFlagAtmosphere(true);\rLandscapeMgr.setFlagFog(true);\r";

const wchar_t* PoleStatement(UINT command) {
  switch (command) {
    case NorthPoleCommand:
      return L"core.setObserverLocation(items[\"longitude\"],90.0,0,8.7,\"North Pole\",%s);\r";
    case SouthPoleCommand:
      return L"core.setObserverLocation(items[\"longitude\"],-90.0,0,8.7,\"South Pole\",%s);\r";
    default:
      return L"core.setObserverLocation(items[\"longitude\"],0.0,0,8.7,\"Equatorial Line\",%s);\r";
  }
}

std::wstring SelectBody(const wchar_t* englishName) {
  return L"core.selectObjectByName(" + ScriptStringLiteral(englishName) + L", true);\r";
}

std::wstring MoveToPlace(const std::wstring& place, const wchar_t* seconds) {
  return L"core.setObserverLocation(" + ScriptStringLiteral(place) + L"," + seconds + L");\r";
}

}  // namespace

const PoleBody* FindPoleBody(int index) {
  return index >= 0 && index < static_cast<int>(PoleBodies.size()) ? &PoleBodies[index] : nullptr;
}

const FromHereBody* FindFromHereBody(int code) {
  return code >= 0 && code < static_cast<int>(FromHereBodies.size()) ? &FromHereBodies[code] : nullptr;
}

bool ReadKeepGround() {
  const std::optional<std::wstring> value = ReadIniEntry(ConsoleIniFile, BehaviorSection, KeepGroundKey);
  return value && (CompareTextNoCase(*value, L"true") == 0 || CompareTextNoCase(*value, L"on") == 0);
}

std::wstring PoleScript(UINT command, const PoleBody& body, bool keepGround, const std::wstring& ground) {
  std::wstring script =
      L"core.selectObjectByName(\"\", true);OrvMovementMgr.setFlagTracking(false);core.setTimeRate(1);\r"
      L"OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\r"
      L"OrvMovementMgr.autoZoomOut(1.0, false);\rcore.wait(1.05);\r";
  if (*body.landscape != L'\0') script += LandscapeUnlessCurrent(body.landscape);
  script +=
      L"LandscapeMgr.setFlagCardinalsPoints(true);\rcore.selectObjectByName(\"\", false);\r"
      L"OrvMovementMgr.setFlagTracking(false);\rvar items = core.getObserverLocationInfo();\r";
  script += FormatText(PoleStatement(command), ScriptStringLiteral(body.englishName).c_str());
  script +=
      L"OrvMovementMgr.setFlagTracking(false);\rcore.selectObjectByName(\"\", true);\rcore.wait(8.85);\r";
  if (&body != &PoleBodies[PoleEarthIndex])
    script += AirOff;
  else if (!keepGround)
    script += LandscapeUnlessCurrent(ground) + AirOn;
  return script;
}

std::wstring HomePlaceScript(bool keepGround, const std::wstring& ground, const std::wstring& home) {
  std::wstring script =
      L"core.setTimeRate(1);\rOrvMovementMgr.setFlagTracking(false);\rcore.selectObjectByName(\"\", true);\r"
      L"OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\r"
      L"OrvMovementMgr.autoZoomOut(1.0, false);\rcore.wait(1.09);\r";
  if (!keepGround)
    script +=
        L"var items = core.getObserverLocationInfo();\rif (items[\"planet\"] != \"Earth\")\r{\r"
        L"   LandscapeMgr.setFlagAtmosphere(true);\r LandscapeMgr.setFlagFog(true);\r}\r";
  const std::wstring groundName = ScriptStringLiteral(ground);
  script += L"if (LandscapeMgr.getCurrentLandscapeName() != " + groundName + L") \r   " +
            L"LandscapeMgr.setCurrentLandscapeName(" + groundName + L",false);\r";
  script +=
      L"LandscapeMgr.setFlagLandscape(true);\rOrvMovementMgr.setFlagTracking(false);\r"
      L"core.selectObjectByName(\"\", true);\rOrvMovementMgr.setFlagTracking(false);\r"
      L"var items = core.getObserverLocationInfo();\r"
      L"if (items[\"planet\"] != \"Earth\") {\r   core.setObserverLocation(items[\"longitude\"],"
      L"items[\"latitude\"],items[\"altitude\"],  1.0, \"toEarth\", \"Earth\");\rcore.wait(1.1);}\r";
  script += MoveToPlace(home, L"6.0");
  script += L"core.wait(6.1);\r";
  return script;
}

TimedScript FromHereScript(const FromHereBody& body, int fadingDuration, const std::wstring& ground,
                           const std::wstring& home) {
  const bool earth = body.ground == nullptr;
  TimedScript script;
  script.text = FormatText(L"LandscapeMgr.setAtmosphereFadeDuration(%d);\r", fadingDuration) +
                L"OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\rcore.wait(1);\r" +
                SelectBody(body.englishName);
  script.seconds = 1;
  if (earth) {
    script.text += AirOn +
                   (L"LandscapeMgr.setCurrentLandscapeName(" + ScriptStringLiteral(ground) + L",false);\r") +
                   MoveToPlace(home, L"3.0") + L"core.wait(3);\r";
    script.seconds = 4;
  } else if (*body.ground != L'\0') {
    script.text += std::wstring(AirOff) + body.ground;
  }
  const std::wstring bodyName = ScriptStringLiteral(body.englishName);
  script.text += FormatText(L"core.setObserverLocation(45,45,-2000, 0, %s, %s);\rcore.wait(2);\r",
                            bodyName.c_str(), bodyName.c_str());
  script.seconds += 2;
  if (earth) {
    script.text += MoveToPlace(home, L"4.0") + L"core.wait(4);\r";
    script.seconds += 4;
  }
  return script;
}
