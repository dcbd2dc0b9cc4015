#include "src/app/sky/start_state_script.h"

#include <cwchar>
#include <vector>

#include "src/link/script_literal.h"
#include "src/util/calendar.h"
#include "src/util/compare_no_case.h"
#include "src/util/split_string.h"

namespace {

constexpr wchar_t NoonTime[] = L"12:00:00";
constexpr std::size_t LongestNumberPiece = 5;

template <typename... Args>
std::wstring Format(const wchar_t* format, Args... args) {
  wchar_t text[128];
  const int length = std::swprintf(text, std::size(text), format, args...);
  return std::wstring(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::wstring Switch(const wchar_t* call, bool on) {
  return std::wstring(call) + (on ? L"(true);\r" : L"(false);\r");
}

std::wstring ZoomTo(int fieldOfView, const wchar_t* seconds) {
  return Format(L"OrvMovementMgr.zoomTo(%d,%ls);\r", fieldOfView, seconds);
}

std::wstring MoveToStartAzimuth(int azimuth, const wchar_t* seconds) {
  return Format(L"core.moveToAltAzi(89.7,%.2f,%ls);\r", static_cast<double>(azimuth), seconds);
}

std::wstring MeteorShowerLabels(const StartStateValues& values) {
  return values.meteorPlugin ? L"MeteorShowers.setEnableLabels(true);\rMeteorShowers.setEnableMarker(true);\r"
                             : L"";
}

std::wstring StarScales(const StartStateValues& values) {
  const float absolute = static_cast<float>(values.absoluteMagnitude) / 100.0F;
  const float relative = static_cast<float>(values.relativeMagnitude) / 100.0F;
  return Format(L"OrvSkyDrawer.setAbsoluteStarScale(%f);\rOrvSkyDrawer.setRelativeStarScale(%f);\r",
                static_cast<double>(absolute), static_cast<double>(relative));
}

// From the tracking switch to the start date: the sky's bodies, projection and time.
std::wstring SkyAndTime(const StartStateValues& values) {
  return L"OrvMovementMgr.setFlagTracking(false);\r"
         L"SolarSystem.setFlagPlanets(true);\rSolarSystem.setFlagLabels(true);\r"
         L"StarMgr.setFlagStars(true);\r" +
         Switch(L"MilkyWay.setFlagShow", values.milkyWay) +
         L"core.setProjectionMode(\"ProjectionFisheye\");\r"
         L"core.setFlagGravityLabels(true);\r"
         L"core.setTimeRate(1);\r" +
         values.dateStatement;
}

std::wstring StarLabels(const StartStateValues& values) {
  return Switch(L"StarMgr.setFlagLabels", values.showStarNames);
}

// From the boundary colour to the cardinal points: the display, the ground and the place.
std::wstring DisplayGroundAndPlace(const StartStateValues& values) {
  std::wstring script =
      values.boundariesColor
          ? Format(L"var v = Vec3f(%ls,%ls,%ls);\r", (*values.boundariesColor)[0].c_str(),
                   (*values.boundariesColor)[1].c_str(), (*values.boundariesColor)[2].c_str())
          : L"var v = Vec3f(1,1,1);\r";
  script += L"ConstellationMgr.setBoundariesColor(v);\r";
  script += Format(L"LandscapeMgr.setAtmosphereFadeDuration(%d);\r", values.fadingDuration);
  script += Switch(L"LandscapeMgr.setFlagAtmosphere", values.atmosphere);
  script += Switch(L"LandscapeMgr.setFlagFog", values.fog);
  script +=
      L"ConstellationMgr.setFlagBoundaries(false);\r"
      L"ConstellationMgr.setFlagArt(false);\r"
      L"core.setDiskViewport(true);\r"
      L"ConstellationMgr.setFlagLabels(false);\r";
  script += L"LandscapeMgr.setCurrentLandscapeName(" + ScriptStringLiteral(values.ground) + L",false);\r";
  script += L"ConstellationMgr.setFlagLines(false);\r";
  script += L"core.setObserverLocation(" + ScriptStringLiteral(values.home) + L",3.0);\r";
  script += Switch(L"SolarSystem.setFlagMoonScale", values.moonScale);
  script += L"core.wait(3);\rLandscapeMgr.setFlagCardinalsPoints(true);\r";
  return script;
}

std::wstring SkyCulture(const StartStateValues& values) {
  if (IsWesternSkyCulture(values.skyCulture))
    return L"core.setSkyCulture(\"inuit\");\rcore.setSkyCulture(\"western\");\r";
  return L"core.setSkyCulture(\"western\");\rcore.setSkyCulture(" + ScriptStringLiteral(values.skyCulture) +
         L");\rcore.wait(0.9);\r";
}

// From hiding the interface to the sporadic meteors: the view kept, the culture and the fades.
std::wstring CultureAndFades(const StartStateValues& values) {
  return L"core.setGuiVisible(false);\r"
         L"OrvMovementMgr.setInitViewDirectionToCurrent();\r"
         L"core.selectObjectByName(\"\", true);\r" +
         SkyCulture(values) + L"OrvMovementMgr.setAutoMoveDuration(6);\r" +
         Format(L"ConstellationMgr.setArtFadeDuration(%d);\r", values.fadingDuration) +
         L"SporadicMeteorMgr.setFlagShow(false);\r";
}

std::wstring InitialFov(int fieldOfView) {
  return Format(L"OrvMovementMgr.setInitFov(%d);\r", fieldOfView);
}

constexpr wchar_t AutoZoomOut[] =
    L"OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\rOrvMovementMgr.autoZoomOut(1,true);\r";

std::wstring ResetScript(const StartStateValues& values) {
  std::wstring script =
      L"core.clear(\"natural\");\rLabelMgr.deleteAllLabels();\rGridLinesMgr.setFlagPrecessionCircles(false);"
      L"\r"
      L"OrvMovementMgr.setEquatorialMount(false);\r"
      L"core.setGuiVisible(false);\r";
  if (values.planetLabelsByFog) script += Switch(L"SolarSystem.setFlagLabels", *values.planetLabelsByFog);
  script +=
      MeteorShowerLabels(values) + StarScales(values) + SkyAndTime(values) + DisplayGroundAndPlace(values);
  script += ZoomTo(values.fieldOfView, L"2.9") + MoveToStartAzimuth(values.initialAzimuth, L"2.9");
  script += L"core.wait(3.0);\r" + CultureAndFades(values);
  script += L"core.selectObjectByName(\"\", true);\r" + ZoomTo(values.fieldOfView, L"3") +
            MoveToStartAzimuth(values.initialAzimuth, L"3") + L"core.wait(3);\r";
  script += StarLabels(values) + InitialFov(values.fieldOfView) + AutoZoomOut;
  return script;
}

std::wstring RecordingHeader(const StartStateValues& values) {
  std::wstring script =
      L"core.clear(\"natural\");\rLabelMgr.deleteAllLabels();\r"
      L"core.setGuiVisible(false);\r"
      L"OrvMovementMgr.setEquatorialMount(false);\r";
  script += MeteorShowerLabels(values) + StarScales(values) + SkyAndTime(values) + StarLabels(values) +
            DisplayGroundAndPlace(values);
  script += ZoomTo(values.fieldOfView, L"3") + MoveToStartAzimuth(values.initialAzimuth, L"3");
  script += L"core.wait(3.2);\r" + CultureAndFades(values);
  script += InitialFov(values.fieldOfView) + L"core.selectObjectByName(\"\", true);\r" +
            ZoomTo(values.fieldOfView, L"3") + MoveToStartAzimuth(values.initialAzimuth, L"1");
  script += std::wstring(AutoZoomOut) + L"core.wait(3.5);\r";
  return script;
}

// A whole number of one to five digits.
std::optional<int> SmallNumber(std::wstring_view text) {
  if (text.empty() || text.size() > LongestNumberPiece) return std::nullopt;
  int value = 0;
  for (wchar_t digit : text) {
    if (digit < L'0' || digit > L'9') return std::nullopt;
    value = value * 10 + (digit - L'0');
  }
  return value;
}

// H:MM or H:MM:SS of a day, as "HH:MM:SS".
std::optional<std::wstring> TimeOfDay(std::wstring_view text) {
  std::vector<std::wstring> pieces;
  const int count = SplitString(text, L":", pieces);
  if (count < 2 || count > 3 || text.back() == L':') return std::nullopt;
  std::optional<int> hour = SmallNumber(pieces[0]);
  std::optional<int> minute = SmallNumber(pieces[1]);
  std::optional<int> second = count == 3 ? SmallNumber(pieces[2]) : 0;
  if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
  return Format(L"%02d:%02d:%02d", *hour, *minute, *second);
}

struct YearMonthDay {
  int year;
  int month;
  int day;
};

// Year/month/day (or with dashes) of a calendar date.
std::optional<YearMonthDay> CalendarDay(std::wstring_view text) {
  std::vector<std::wstring> pieces;
  if (SplitString(text, L"/-", pieces) != 3) return std::nullopt;
  std::optional<int> year = SmallNumber(pieces[0]);
  std::optional<int> month = SmallNumber(pieces[1]);
  std::optional<int> day = SmallNumber(pieces[2]);
  if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1 ||
      *day > DaysInMonth(*year, *month))
    return std::nullopt;
  return YearMonthDay{*year, *month, *day};
}

}  // namespace

std::wstring ZoomOutResetScript(int fieldOfView, int initialAzimuth) {
  return ZoomTo(fieldOfView, L"0.5") + MoveToStartAzimuth(initialAzimuth, L"0.5") + InitialFov(fieldOfView) +
         AutoZoomOut + L"OrvMovementMgr.setInitViewDirectionToCurrent();\rcore.wait(1);\r";
}

bool IsWesternSkyCulture(std::wstring_view culture) {
  return culture.find_first_not_of(L" \t") == std::wstring_view::npos ||
         CompareTextNoCase(culture, L"western") == 0;
}

std::wstring BuildStartStateScript(const StartStateValues& values, StartStateScriptUse use) {
  return use == StartStateScriptUse::Reset ? ResetScript(values) : RecordingHeader(values);
}

std::wstring StartDateStatement(std::wstring_view date, std::wstring_view time, const SYSTEMTIME& now) {
  const bool atNow = CompareTextNoCase(time, L"now") == 0;
  const std::wstring timeText = atNow ? Format(L"%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond)
                                      : TimeOfDay(time).value_or(NoonTime);
  std::optional<YearMonthDay> day = CompareTextNoCase(date, L"today") == 0 ? std::nullopt : CalendarDay(date);
  if (!day) {
    if (atNow) return L"core.setDate(\"now\");\r";
    day = YearMonthDay{now.wYear, now.wMonth, now.wDay};
  }
  const std::wstring dateTime =
      Format(L"%05d-%02d-%02dT%ls", day->year, day->month, day->day, timeText.c_str());
  return L"core.setDate(" + ScriptStringLiteral(dateTime) + L");\r";
}
