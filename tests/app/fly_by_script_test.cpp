// The fly-by's script for each kind of ending, as the table of bodies and the durations make it.
#include <gtest/gtest.h>

#include <string>

#include "src/app/planets/fly_by_script.h"

namespace {

bool Holds(const std::wstring& script, const std::wstring& part) {
  return script.find(part) != std::wstring::npos;
}

FlyByPlan Plan(std::size_t flyBy, int seconds, AfterFlyBy after) {
  FlyByPlan plan;
  plan.flyBy = flyBy;
  plan.seconds = seconds;
  plan.after = after;
  plan.defaultGround = L"Guereins";
  return plan;
}

TEST(FlyByScriptTest, SaturnStayingIsTheWholeOrbitAndNothingAfter) {
  EXPECT_EQ(
      BuildFlyByScript(Plan(3, 60, AfterFlyBy::Stay)),
      L"ConstellationMgr.setFlagBoundaries(false);\r"
      L"OrvMovementMgr.setFlagTracking(true);\rConstellationMgr.setFlagIsolateSelected(false);\r"
      L"core.setProjectionMode(\"ProjectionFisheye\");\r"
      L"var cardinal = LandscapeMgr.getFlagCardinalsPoints();\rvar land = LandscapeMgr.getFlagLandscape();\r"
      L"var atmo = LandscapeMgr.getFlagAtmosphere();\rvar fog = LandscapeMgr.getFlagFog();\r"
      L"LandscapeMgr.setFlagCardinalsPoints(false);\r"
      L"core.setObserverLocation(16,90,0,10, \"Flyby\", \"OCSaturn\");\r"
      L"core.wait(4);\rcore.selectObjectByName(\"Saturn\", false);\r"
      L"LandscapeMgr.setFlagFog(false);\rLandscapeMgr.setCurrentLandscapeName(\"Moon\");\r"
      L"LandscapeMgr.setFlagLandscape(false);\rLandscapeMgr.setFlagAtmosphere(false);\r"
      L"OrvMovementMgr.setFlagTracking(true);\rOrvMovementMgr.zoomTo(850, 8);\r"
      L"core.wait(2);\rfor(t=10; t<=100; t+=1)\r{\r"
      L"   core.setTimeRate(t);\r   core.wait(0.1);\r}\rcore.wait(13);\rOrvMovementMgr.zoomTo(1700, 12);\r"
      L"core.setTimeRate(100);\rcore.wait(20);\r"
      L"core.wait(2);\rfor (t=100; t>=1; t-=1) {\rcore.setTimeRate(t);\rcore.wait(0.05);\r}\r"
      L"core.setTimeRate(1);\r"
      L"core.selectObjectByName(\"\", true);\r"
      L"LandscapeMgr.setFlagCardinalsPoints(cardinal);\rcore.wait(1);\rLandscapeMgr.setFlagFog(false);\r");
}

struct ScriptCase {
  const char* what;
  FlyByPlan plan;
  std::vector<std::wstring> holds;
  std::vector<std::wstring> lacks;
};

TEST(FlyByScriptTest, EachEndingAndBodyAddsItsOwnStatements) {
  FlyByPlan moonScaled = Plan(MoonFlyBy, 60, AfterFlyBy::Stay);
  moonScaled.moonScale = true;
  const ScriptCase cases[] = {
      {"Pluto zooms to 180 then 170, its loops step by 45 and 56",
       Plan(PlutoFlyBy, 60, AfterFlyBy::Stay),
       {L"core.setObserverLocation(11,-93,0,10, \"Flyby\", \"OCcharon\");\r",
        L"OrvMovementMgr.zoomTo(180, 8);\r", L"for(t=10; t<=4500; t+=45)",
        L"OrvMovementMgr.zoomTo(170, 12);\rcore.setTimeRate(4500);", L"for (t=4500; t>=1; t-=56)"},
       {}},
      {"the longest fly-by waits 913 s before its second zoom",
       Plan(3, 960, AfterFlyBy::Stay),
       {L"core.wait(913);\rOrvMovementMgr.zoomTo("},
       {}},
      {"a short one writes its negative wait unchanged",
       Plan(3, 46, AfterFlyBy::Stay),
       {L"core.wait(-1);\rOrvMovementMgr.zoomTo("},
       {}},
      {"Venus cannot land: no landing, the ground and the cardinals off",
       Plan(8, 60, AfterFlyBy::LandOnMoon),
       {L"LandscapeMgr.setFlagLandscape(false);\rcore.selectObjectByName(\"\", true);\r"
        L"LandscapeMgr.setFlagCardinalsPoints(false);\rcore.wait(1);\r"},
       {L"To ", L"autoZoomOut"}},
      {"Saturn lands on Tethys",
       Plan(3, 60, AfterFlyBy::LandOnMoon),
       {L"core.setTimeRate(1);\rcore.selectObjectByName(\"Saturn\", false);\r"
        L"core.setObserverLocation(16,30,0,10, \"To Tethys\", \"Tethys\");\r"
        L"OrvMovementMgr.setFlagTracking(true);\rcore.wait(10);\rOrvMovementMgr.setFlagTracking(false);\r"
        L"LandscapeMgr.setFlagLandscape(true);\rcore.wait(1);\rOrvMovementMgr.autoZoomOut(2,true);\rcore."
        L"wait(2);\r"
        L"core.selectObjectByName(\"\", true);\r"},
       {}},
      {"Uranus lands where it is",
       Plan(4, 60, AfterFlyBy::LandOnMoon),
       {L"core.setTimeRate(1);\rLandscapeMgr.setFlagLandscape(true);\rcore.wait(1);\r"
        L"OrvMovementMgr.autoZoomOut(2,true);\rcore.wait(2);\rcore.selectObjectByName(\"\", true);\r"},
       {L"\"To "}},
      {"the Earth returns to the place, the date and the atmosphere",
       Plan(EarthFlyBy, 60, AfterFlyBy::Return),
       {L"var timedate = core.getDate();ConstellationMgr.setFlagBoundaries(false);\r",
        L"if (LandscapeMgr.getCurrentLandscapeName() != \"Guereins\")\r"
        L"   "
        L"LandscapeMgr.setCurrentLandscapeName(\"Guereins\",false);\rLandscapeMgr.setFlagLandscape(land);\r"
        L"core.setObserverLocation(longitude,latitude,altitude, 1.9, \"toEarth\", \"Earth\");\r",
        L"core.moveToAltAzi(89.7,270.00,1.75);\r   core.wait(1.9);\rcore.setDate(timedate);\r"
        L"LandscapeMgr.setFlagAtmosphere(atmo);\r"},
       {}},
      {"Mars returns without the atmosphere",
       Plan(1, 60, AfterFlyBy::Return),
       {L"core.setDate(timedate);\rcore.selectObjectByName"},
       {L"setFlagAtmosphere(atmo)"}},
      {"the Moon at moon scale",
       moonScaled,
       {L"OrvMovementMgr.zoomTo(420, 8);\r", L"for(t=10; t<=3000; t+=30)", L"zoomTo(840, 12);"},
       {}},
  };
  for (const ScriptCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::wstring script = BuildFlyByScript(c.plan);
    for (const std::wstring& part : c.holds)
      EXPECT_TRUE(Holds(script, part)) << std::string(part.begin(), part.end());
    for (const std::wstring& part : c.lacks)
      EXPECT_FALSE(Holds(script, part));
  }
}

TEST(FlyByScriptTest, ListCodesChooseTheirBodysRow) {
  EXPECT_EQ(FindFlyBy(154), FindFlyBy(2));
  EXPECT_EQ(FindFlyBy(2), std::optional<std::size_t>(1));
  EXPECT_EQ(FindFlyBy(105), std::nullopt);
  EXPECT_EQ(FlyByStatusName(3, 1), L"di Saturno");
}

}  // namespace
