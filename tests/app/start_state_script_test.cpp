// The start-state script and its recording header, from the values the settings give.
#include <gtest/gtest.h>

#include "src/app/sky/start_state_script.h"
#include "tests/app/start_state_expected.h"

namespace {

StartStateValues WesternMachine() {
  StartStateValues values;
  values.dateStatement = L"core.setDate(\"now\");\r";
  values.skyCulture = L"western";
  values.ground = L"Guereins";
  values.home = L"Roma, Italy";
  values.meteorPlugin = true;
  values.planetLabelsByFog = false;
  return values;
}

TEST(StartStateScriptTest, TheResetOfAWesternMachineStatementByStatement) {
  EXPECT_EQ(BuildStartStateScript(WesternMachine(), StartStateScriptUse::Reset), WesternResetScript);
}

TEST(StartStateScriptTest, TheRecordingHeaderHasItsOwnOrderAndTimings) {
  StartStateValues values = WesternMachine();
  values.meteorPlugin = false;
  values.showStarNames = false;
  values.fieldOfView = 150;
  values.initialAzimuth = 90;
  EXPECT_EQ(BuildStartStateScript(values, StartStateScriptUse::RecordingHeader),
            L"core.clear(\"natural\");\rLabelMgr.deleteAllLabels();\r"
            L"core.setGuiVisible(false);\r"
            L"OrvMovementMgr.setEquatorialMount(false);\r"
            L"OrvSkyDrawer.setAbsoluteStarScale(1.000000);\rOrvSkyDrawer.setRelativeStarScale(1.100000);\r"
            L"OrvMovementMgr.setFlagTracking(false);\r"
            L"SolarSystem.setFlagPlanets(true);\rSolarSystem.setFlagLabels(true);\r"
            L"StarMgr.setFlagStars(true);\r"
            L"MilkyWay.setFlagShow(true);\r"
            L"core.setProjectionMode(\"ProjectionFisheye\");\r"
            L"core.setFlagGravityLabels(true);\r"
            L"core.setTimeRate(1);\r"
            L"core.setDate(\"now\");\r"
            L"StarMgr.setFlagLabels(false);\r"
            L"var v = Vec3f(1,1,1);\r"
            L"ConstellationMgr.setBoundariesColor(v);\r"
            L"LandscapeMgr.setAtmosphereFadeDuration(4);\r"
            L"LandscapeMgr.setFlagAtmosphere(true);\r"
            L"LandscapeMgr.setFlagFog(true);\r"
            L"ConstellationMgr.setFlagBoundaries(false);\r"
            L"ConstellationMgr.setFlagArt(false);\r"
            L"core.setDiskViewport(true);\r"
            L"ConstellationMgr.setFlagLabels(false);\r"
            L"LandscapeMgr.setCurrentLandscapeName(\"Guereins\",false);\r"
            L"ConstellationMgr.setFlagLines(false);\r"
            L"core.setObserverLocation(\"Roma, Italy\",3.0);\r"
            L"SolarSystem.setFlagMoonScale(false);\r"
            L"core.wait(3);\r"
            L"LandscapeMgr.setFlagCardinalsPoints(true);\r"
            L"OrvMovementMgr.zoomTo(150,3);\r"
            L"core.moveToAltAzi(89.7,90.00,3);\r"
            L"core.wait(3.2);\r"
            L"core.setGuiVisible(false);\r"
            L"OrvMovementMgr.setInitViewDirectionToCurrent();\r"
            L"core.selectObjectByName(\"\", true);\r"
            L"core.setSkyCulture(\"inuit\");\rcore.setSkyCulture(\"western\");\r"
            L"OrvMovementMgr.setAutoMoveDuration(6);\r"
            L"ConstellationMgr.setArtFadeDuration(4);\r"
            L"SporadicMeteorMgr.setFlagShow(false);\r"
            L"OrvMovementMgr.setInitFov(150);\r"
            L"core.selectObjectByName(\"\", true);\r"
            L"OrvMovementMgr.zoomTo(150,3);\r"
            L"core.moveToAltAzi(89.7,90.00,1);\r"
            L"OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\r"
            L"OrvMovementMgr.autoZoomOut(1,true);\r"
            L"core.wait(3.5);\r");
}

struct VariantCase {
  const char* what;
  void (*change)(StartStateValues&);
  std::vector<std::wstring> present;
  std::vector<std::wstring> absent;
};

TEST(StartStateScriptTest, EachSettingChangesItsStatements) {
  const VariantCase cases[] = {
      {"another culture, quoted as a literal",
       [](StartStateValues& v) { v.skyCulture = L"my \"sky\""; },
       {L"core.setSkyCulture(\"western\");\rcore.setSkyCulture(\"my \\\"sky\\\"\");\rcore.wait(0.9);\r"},
       {L"inuit"}},
      {"a blank culture is the western one",
       [](StartStateValues& v) { v.skyCulture = L" "; },
       {L"core.setSkyCulture(\"inuit\");\rcore.setSkyCulture(\"western\");\r"},
       {L"core.setSkyCulture(\" \")", L"core.setSkyCulture(\"\")"}},
      {"switches off, moon scale on, no meteor plug-in, no fog entry",
       [](StartStateValues& v) {
         v.atmosphere = v.fog = v.milkyWay = false;
         v.moonScale = true;
         v.meteorPlugin = false;
         v.planetLabelsByFog.reset();
       },
       {L"LandscapeMgr.setFlagAtmosphere(false);\r", L"LandscapeMgr.setFlagFog(false);\r",
        L"MilkyWay.setFlagShow(false);\r", L"SolarSystem.setFlagMoonScale(true);\r",
        L"core.setGuiVisible(false);\rOrvSkyDrawer.setAbsoluteStarScale"},
       {L"MeteorShowers", L"setFlagAtmosphere(true)"}},
      {"magnitudes, colour, fades, view and names as texts",
       [](StartStateValues& v) {
         v.absoluteMagnitude = 250;
         v.relativeMagnitude = 1;
         v.boundariesColor = std::array<std::wstring, 3>{L"0.5", L"0.25", L"1.0"};
         v.fadingDuration = 7;
         v.fieldOfView = 140;
         v.initialAzimuth = 0;
         v.ground = L"Moon \\ \"x\"";
         v.home = L"L'Aquila";
       },
       {L"setAbsoluteStarScale(2.500000);\rOrvSkyDrawer.setRelativeStarScale(0.010000);\r",
        L"var v = Vec3f(0.5,0.25,1.0);\r", L"setAtmosphereFadeDuration(7);\r", L"setArtFadeDuration(7);\r",
        L"zoomTo(140,2.9);\rcore.moveToAltAzi(89.7,0.00,2.9);\r", L"setInitFov(140);\r",
        L"LandscapeMgr.setCurrentLandscapeName(\"Moon \\\\ \\\"x\\\"\",false);\r",
        L"core.setObserverLocation(\"L'Aquila\",3.0);\r"},
       {}},
  };
  for (const VariantCase& variant : cases) {
    StartStateValues values = WesternMachine();
    variant.change(values);
    const std::wstring script = BuildStartStateScript(values, StartStateScriptUse::Reset);
    for (const std::wstring& statement : variant.present)
      EXPECT_NE(script.find(statement), std::wstring::npos)
          << variant.what << ": " << std::string(statement.begin(), statement.end());
    for (const std::wstring& statement : variant.absent)
      EXPECT_EQ(script.find(statement), std::wstring::npos) << variant.what;
  }
}

struct DateCase {
  const wchar_t* date;
  const wchar_t* time;
  const wchar_t* statement;
};

TEST(StartStateScriptTest, TheStartDateStatement) {
  const SYSTEMTIME now{2025, 3, 5, 14, 8, 5, 9, 0};
  const DateCase cases[] = {
      {L"today", L"now", L"core.setDate(\"now\");\r"},
      {L"TODAY", L"Now", L"core.setDate(\"now\");\r"},
      {L"today", L"21:30:00", L"core.setDate(\"02025-03-14T21:30:00\");\r"},
      {L"2018/3/5", L"now", L"core.setDate(\"02018-03-05T08:05:09\");\r"},
      {L"2018/3/5", L"21:30:00", L"core.setDate(\"02018-03-05T21:30:00\");\r"},
      {L"2024/02/29", L"7:05", L"core.setDate(\"02024-02-29T07:05:00\");\r"},
      {L"today", L"25:00:00", L"core.setDate(\"02025-03-14T12:00:00\");\r"},
      {L"today", L"12.30", L"core.setDate(\"02025-03-14T12:00:00\");\r"},
      {L"today", L"1:2:3\");x(\"", L"core.setDate(\"02025-03-14T12:00:00\");\r"},
      {L"2023/2/29", L"now", L"core.setDate(\"now\");\r"},
      {L"someday", L"21:30:00", L"core.setDate(\"02025-03-14T21:30:00\");\r"},
  };
  for (const DateCase& date : cases)
    EXPECT_EQ(StartDateStatement(date.date, date.time, now), date.statement)
        << std::wstring(date.date).size() << " " << std::wstring(date.time).size();
}

TEST(StartStateScriptTest, TheZoomOutAfterTheReset) {
  EXPECT_EQ(ZoomOutResetScript(165, 45),
            L"OrvMovementMgr.zoomTo(165,0.5);\r"
            L"core.moveToAltAzi(89.7,45.00,0.5);\r"
            L"OrvMovementMgr.setInitFov(165);\r"
            L"OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\r"
            L"OrvMovementMgr.autoZoomOut(1,true);\r"
            L"OrvMovementMgr.setInitViewDirectionToCurrent();\r"
            L"core.wait(1);\r");
}

}  // namespace
