#include "src/app/show/event_script.h"

#include <cstdlib>
#include <string_view>

#include "src/app/sky/ground_statement.h"
#include "src/link/script_literal.h"
#include "src/util/format_text.h"

namespace {

// The ground each planet's surface gets; Earth takes the default ground, every other body the Moon's.
struct BodyGround {
  std::wstring_view body;
  std::wstring_view landscape;
};
constexpr BodyGround BodyGrounds[] = {
    {L"Mars", L"Mars"},  {L"Saturn", L"Saturn"},   {L"Jupiter", L"Jupiter"}, {L"Uranus", L"Uranus"},
    {L"Pluto", L"Moon"}, {L"Neptune", L"Neptune"}, {L"Venus", L"Neptune"},
};
constexpr std::wstring_view Earth = L"Earth";
constexpr std::wstring_view OtherBodiesGround = L"Moon";

constexpr int BaseRunMs = 11000;
constexpr int TargetRunMs = 15000;
constexpr int AutoZoomExtraMs = 8000;

std::wstring Flag(std::wstring_view setter, bool on) {
  return std::wstring(setter) + (on ? L"(true);\r" : L"(false);\r");
}

// The ground switched only when it differs, for Earth and the planets with a ground of their own.
std::wstring GroundLines(std::wstring_view body, std::wstring_view defaultGround) {
  if (body == Earth) return LandscapeUnlessCurrent(defaultGround);
  for (const BodyGround& row : BodyGrounds)
    if (row.body == body) return LandscapeUnlessCurrent(row.landscape);
  return {};
}

bool HasGroundOfItsOwn(std::wstring_view body) {
  if (body == Earth) return true;
  for (const BodyGround& row : BodyGrounds)
    if (row.body == body) return true;
  return false;
}

std::wstring TargetLines(const EventTargetShown& target, bool autoZoom) {
  std::wstring lines = target.displayLines;
  lines += Flag(L"LandscapeMgr.setFlagLandscape", target.ground);
  lines += L"core.wait(4.0);\rOrvMovementMgr.setFlagTracking(false);\r";
  const std::wstring name = ScriptStringLiteral(target.selection);
  if (!autoZoom) return lines + L"core.selectObjectByName(" + name + L", true);\r";
  return lines + L"core.selectObjectByName(" + name + L", false);\rOrvMovementMgr.autoZoomIn(8.0, 0);\r" +
         L"core.selectObjectByName(" + name + L",false);\rOrvMovementMgr.setFlagTracking(true);\r";
}

long long PartValue(const std::wstring& text) {
  return std::wcstoll(text.c_str(), nullptr, 10);
}

}  // namespace

std::wstring EventCoordinateText(const CoordinateParts& parts, bool isLongitude) {
  // In whole seconds, so the four decimals are truncated exactly.
  const long long seconds =
      PartValue(parts.degrees) * 3600 + PartValue(parts.minutes) * 60 + PartValue(parts.seconds);
  const long long tenThousandths = seconds * 10000 / 3600;
  const bool positive = parts.hemisphere == (isLongitude ? L"E" : L"N");
  const bool negative = !positive && tenThousandths != 0;
  return FormatText(L"%s%lld.%04lld", negative ? L"-" : L"", tenThousandths / 10000, tenThousandths % 10000);
}

std::wstring EventPlaceScript(const EventScene& scene) {
  std::wstring script =
      L"core.setTimeRate(1);\rOrvMovementMgr.setFlagTracking(false);\r"
      L"OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\rOrvMovementMgr.autoZoomOut(2,true);\r"
      L"core.wait(1);\r";
  script += GroundLines(scene.body, scene.defaultGround);
  script += L"core.setObserverLocation(" + scene.longitude + L"," + scene.latitude + L",0.0,5.8," +
            ScriptStringLiteral(FormatText(L"#%d: %s", scene.slot + 1, scene.memo.c_str())) + L"," +
            ScriptStringLiteral(scene.body) + L");\r";
  script += L"core.wait(6.0);\r";
  script += FormatText(L"core.moveToAltAzi(89.7,%.2f,1);\r", static_cast<double>(scene.initialAzimuth));
  script += L"core.wait(1);\r";
  script += FormatText(L"OrvMovementMgr.zoomTo(%d,1.8);\r", scene.fieldOfView);
  script += L"core.wait(2);\r";
  script += FormatText(L"LandscapeMgr.setAtmosphereFadeDuration(%d);\r", scene.fadingDuration);
  script += L"OrvMovementMgr.setFlagTracking(false);\r";
  script += Flag(L"LandscapeMgr.setFlagAtmosphere", scene.view.atmosphere);
  script += Flag(L"LandscapeMgr.setFlagFog", scene.view.fog);
  if (!HasGroundOfItsOwn(scene.body))
    script +=
        L"LandscapeMgr.setCurrentLandscapeName(" + ScriptStringLiteral(OtherBodiesGround) + L",false);\r";
  script += L"ConstellationMgr.setFlagLabels(false);\rSolarSystem.setFlagPlanets(true);\rcore.wait(1.0);\r";
  if (scene.view.moonScale)
    script += L"var zoom4x = SolarSystem.getFlagMoonScale();\rSolarSystem.setFlagMoonScale(false);\r";
  if (scene.target) script += TargetLines(*scene.target, scene.view.autoZoom);
  if (scene.view.autoZoom) script += L"core.wait(8);\r";
  return script;
}

int EventPlaceRunMs(bool hasTarget, bool autoZoom) {
  return (hasTarget ? TargetRunMs : BaseRunMs) + (autoZoom ? AutoZoomExtraMs : 0);
}
