#include <cmath>
#include <functional>
#include <sstream>

#include "tests/peers/orvenna/script_fixture.h"

namespace {

using orvenna::SkyFlag;
using orvenna::SkyState;

using ScriptMethodsTest = ScriptTest;

struct FlagCase {
  const char* object;
  const char* name;  // the method name less its "get" / "set"
  SkyFlag flag;
};

constexpr FlagCase kFlagCases[] = {
    {"LandscapeMgr", "FlagAtmosphere", SkyFlag::atmosphere},
    {"LandscapeMgr", "FlagFog", SkyFlag::fog},
    {"LandscapeMgr", "FlagLandscape", SkyFlag::landscape},
    {"LandscapeMgr", "FlagCardinalsPoints", SkyFlag::cardinal_points},
    {"ConstellationMgr", "FlagArt", SkyFlag::constellation_art},
    {"ConstellationMgr", "FlagLines", SkyFlag::constellation_lines},
    {"ConstellationMgr", "FlagBoundaries", SkyFlag::constellation_boundaries},
    {"ConstellationMgr", "FlagLabels", SkyFlag::constellation_names},
    {"ConstellationMgr", "FlagIsolateSelected", SkyFlag::isolate_selected},
    {"GridLinesMgr", "FlagEquatorGrid", SkyFlag::equator_grid},
    {"GridLinesMgr", "FlagEquatorLine", SkyFlag::equator_line},
    {"GridLinesMgr", "FlagAzimuthalGrid", SkyFlag::azimuthal_grid},
    {"GridLinesMgr", "FlagEclipticLine", SkyFlag::ecliptic_line},
    {"GridLinesMgr", "FlagMeridianLine", SkyFlag::meridian_line},
    {"GridLinesMgr", "FlagPrecessionCircles", SkyFlag::precession_circles},
    {"GridLinesMgr", "FlagLongitudeLine", SkyFlag::longitude_line},
    {"GridLinesMgr", "FlagGalacticGrid", SkyFlag::galactic_grid},
    {"GridLinesMgr", "FlagCelestialPoles", SkyFlag::celestial_poles},
    {"GridLinesMgr", "FlagCircumpolarCircles", SkyFlag::circumpolar_circles},
    {"GridLinesMgr", "FlagGalacticEquatorLine", SkyFlag::galactic_equator_line},
    {"StarMgr", "FlagStars", SkyFlag::stars},
    {"StarMgr", "FlagLabels", SkyFlag::star_names},
    {"SolarSystem", "FlagPlanets", SkyFlag::planets},
    {"SolarSystem", "FlagLabels", SkyFlag::planet_names},
    {"SolarSystem", "FlagOrbits", SkyFlag::planet_orbits},
    {"SolarSystem", "FlagTrails", SkyFlag::planet_trails},
    {"SolarSystem", "FlagMoonScale", SkyFlag::moon_scale},
    {"MilkyWay", "FlagShow", SkyFlag::milky_way},
    {"OrvMovementMgr", "FlagTracking", SkyFlag::tracking},
    {"OrvMovementMgr", "EquatorialMount", SkyFlag::equatorial_mount},
    {"OrvMovementMgr", "FlagAutoZoomOutResetsDirection", SkyFlag::auto_zoom_out_resets_direction},
    {"MeteorShowers", "EnableLabels", SkyFlag::meteor_labels},
    {"MeteorShowers", "EnableMarker", SkyFlag::meteor_markers},
    {"SporadicMeteorMgr", "FlagShow", SkyFlag::sporadic_meteors},
    {"core", "FlagGravityLabels", SkyFlag::gravity_labels},
    {"core", "GuiVisible", SkyFlag::gui_visible},
    {"core", "DiskViewport", SkyFlag::disk_viewport},
};

// The console's own toggle: read, set the opposite, and the getter must agree.
TEST_F(ScriptMethodsTest, EachFlagTogglesAndItsGetterReturnsWhatItsSetterSet) {
  for (const FlagCase& c : kFlagCases) {
    std::string get = std::string(c.object) + ".get" + c.name + "()";
    std::string set = std::string(c.object) + ".set" + c.name;
    bool before = sky.flag(c.flag);
    run_to_end("var x = " + get + ";\r" + set + "(!x);\rif (" + get +
               " == x) core.selectObjectByName(\"none\");\r" + set + "(!x);\r" + set + "(x);\r" + set + "(!" +
               get + ")\r");
    EXPECT_EQ(sky.flag(c.flag), !before) << set;
    EXPECT_TRUE(engine.log().empty()) << set << ": " << last_log();
  }
}

struct MethodCase {
  const char* script;
  std::function<bool(const SkyState&)> check;
};

TEST_F(ScriptMethodsTest, EachMethodActsOnTheSky) {
  sky.add_place({"Earth", 12.4964, 41.9028, 21, "Rome"});
  const MethodCase cases[] = {
      {"core.setTimeRate(4500);", [](const SkyState& s) { return s.time_rate() == 4500; }},
      {"core.setTimeRate(-9.88);", [](const SkyState& s) { return s.time_rate() == -9.88; }},
      {"core.setDate(\"2026-03-07T12:05:09\",\"utc\");",
       [](const SkyState& s) { return s.utc_seconds() == 1772885109; }},
      {"core.setDate(\"02026-03-07T12:00:00\"); core.setDate(\"+ 1 days \");",
       [](const SkyState& s) { return s.utc_seconds() == 1772884800 + 86400; }},
      {"core.setDate(\"2026-03-07T12:05:09\",\"utc\"); var timedate = core.getDate();"
       "core.setDate(\"- 73010 days \"); core.setDate(timedate);",
       [](const SkyState& s) { return s.utc_seconds() == 1772885109; }},
      {"core.setDate(\"2026-03-07T12:05:09\",\"utc\"); var local = core.getDate(\"local\");"
       "core.setDate(\"2000-01-01T00:00:00\"); core.setDate(local, \"local\");",
       [](const SkyState& s) { return s.utc_seconds() == 1772885109; }},
      {"core.setObserverLocation(\"Rome, Italy\",3.0);",
       [](const SkyState& s) {
         return s.observer().latitude == 41.9028 && s.observer().longitude == 12.4964 &&
                s.observer().name == "Rome, Italy" && s.observer().planet == "Earth";
       }},
      {"core.setObserverLocation(11,-93,0,10, \"Flyby\", \"OCcharon\");",
       [](const SkyState& s) {
         return s.observer().planet == "OCcharon" && s.observer().longitude == 11 &&
                s.observer().latitude == -93 && s.observer().name == "Flyby";
       }},
      {"core.setObserverLocation(45,45,-2000, 0, \"\", \"Earth\");",
       [](const SkyState& s) { return s.observer().altitude == -2000 && s.observer().planet == "Earth"; }},
      {"core.moveToAltAzi(89.7,180.00,2.9);",
       [](const SkyState& s) { return s.view.altitude == 89.7 && s.view.azimuth == 180; }},
      {"core.selectObjectByName(\"HP53910\",true);",
       [](const SkyState& s) { return s.selection() == "HP53910"; }},
      {"core.selectObjectByName(\"Ursa major\",false);",
       [](const SkyState& s) { return s.selection() == "Ursa major"; }},
      {"core.selectObjectByName(\"Mars\",true); core.selectObjectByName(\"\", true);",
       [](const SkyState& s) { return s.selection().empty(); }},
      {"core.setSkyCulture(\"inuit\");", [](const SkyState& s) { return s.sky_culture() == "inuit"; }},
      {"core.setProjectionMode(\"ProjectionFisheye\");",
       [](const SkyState& s) { return s.projection == "ProjectionFisheye"; }},
      {"ConstellationMgr.setFlagLines(true); core.clear(\"natural\");",
       [](const SkyState& s) {
         return !s.flag(SkyFlag::constellation_lines) && s.flag(SkyFlag::atmosphere);
       }},
      {"LandscapeMgr.setCurrentLandscapeName(\"Moon\");",
       [](const SkyState& s) { return s.landscape() == "Moon"; }},
      {"LandscapeMgr.setCurrentLandscapeName(\"Mars\",false);",
       [](const SkyState& s) { return s.landscape() == "Mars"; }},
      {"LandscapeMgr.setAtmosphereFadeDuration(7);",
       [](const SkyState& s) { return s.atmosphere_fade_duration == 7; }},
      {"var v = Vec3f(1.0,0.501961,0);\rConstellationMgr.setBoundariesColor(v);",
       [](const SkyState& s) {
         return s.boundaries_colour == std::array<double, 3>{1.0, 0.501961, 0};
       }},
      {"ConstellationMgr.setArtFadeDuration(4);", [](const SkyState& s) { return s.art_fade_duration == 4; }},
      {"ConstellationMgr.setConstellationDisplayStyle(2);",
       [](const SkyState& s) { return s.constellation_display_style == 2; }},
      {"LabelMgr.deleteAllLabels(); lab1 = LabelMgr.labelScreen(\"2026\",100, 200,false,26,\"#ffffff\"); "
       "LabelMgr.setLabelShow(lab1, true);",
       [](const SkyState& s) {
         return s.labels().size() == 1 && s.labels()[0].text == "2026" && s.labels()[0].x == 100 &&
                s.labels()[0].y == 200 && s.labels()[0].visible && s.labels()[0].size == 26 &&
                s.labels()[0].colour == "#ffffff";
       }},
      {"LabelMgr.deleteAllLabels(); var l = LabelMgr.labelObject(\"Polaris, Alpha Ursa Minor\", \"Polaris\", "
       "true, 20, \"#ffffff\");\r"
       "LabelMgr.setLabelText(l, \"Alt: 40\\u00b0\");",
       [](const SkyState& s) {
         return s.labels().size() == 1 && s.labels()[0].object == "Polaris" &&
                s.labels()[0].text == "Alt: 40\xc2\xb0";
       }},
      {"LabelMgr.deleteAllLabels(); var a = LabelMgr.labelScreen(\"a\",1,1,true,20,\"#ffffff\"); "
       "LabelMgr.labelScreen(\"b\",1,1,true,20,\"#ffffff\");"
       "LabelMgr.deleteLabel(a);",
       [](const SkyState& s) { return s.labels().size() == 1 && s.labels()[0].text == "b"; }},
      {"LabelMgr.labelScreen(\"a\",1,1,true,20,\"#ffffff\"); LabelMgr.deleteAllLabels();",
       [](const SkyState& s) { return s.labels().empty(); }},
      {"MilkyWay.setIntensity(2.5);", [](const SkyState& s) { return s.milky_way_intensity == 2.5; }},
      {"OrvMovementMgr.zoomTo(170, 12);", [](const SkyState& s) { return s.fov == 170; }},
      {"OrvMovementMgr.setInitFov(150);", [](const SkyState& s) { return s.init_fov == 150; }},
      {"OrvMovementMgr.setAutoMoveDuration(6);", [](const SkyState& s) { return s.auto_move_duration == 6; }},
      {"core.moveToAltAzi(30, 90, 1); OrvMovementMgr.setInitViewDirectionToCurrent();",
       [](const SkyState& s) { return s.init_view.azimuth == 90 && s.init_view.altitude == 30; }},
      {"core.selectObjectByName(\"M31\", true); OrvMovementMgr.autoZoomIn(8.0, 0);",
       [](const SkyState& s) { return s.fov < s.init_fov && s.flag(SkyFlag::tracking); }},
      {"OrvMovementMgr.setInitFov(160); core.moveToAltAzi(89.7, 0, 1); "
       "OrvMovementMgr.setInitViewDirectionToCurrent();"
       "OrvMovementMgr.zoomTo(20, 1); core.moveToAltAzi(10, 200, 1);"
       "OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true); OrvMovementMgr.autoZoomOut(1,true);",
       [](const SkyState& s) { return s.fov == 160 && s.view.azimuth == 0 && s.view.altitude == 89.7; }},
      {"OrvSkyDrawer.setAbsoluteStarScale(1.000000);\rOrvSkyDrawer.setRelativeStarScale(1.100000);",
       [](const SkyState& s) { return s.absolute_star_scale == 1.0 && s.relative_star_scale == 1.1; }},
      {"SporadicMeteorMgr.setZHR(100);", [](const SkyState& s) { return s.sporadic_zhr == 100; }},
  };
  for (const MethodCase& c : cases) {
    run_to_end(c.script);
    EXPECT_TRUE(c.check(sky)) << c.script;
    EXPECT_TRUE(engine.log().empty()) << c.script << ": " << last_log();
  }
}

TEST_F(ScriptMethodsTest, GettersReturnWhatTheScriptsUse) {
  sky.add_place({"Earth", -77.0369, 38.9072, 0, "Washington"});
  run_to_end(
      "core.setDate(\"2031-03-07T20:00:00\", \"utc\"); core.setTimeRate(0);\r"
      "core.setObserverLocation(\"Washington, United States\",3.0);\r"
      "LandscapeMgr.setCurrentLandscapeName(\"Saturn\",false);\r"
      "var items = core.getObserverLocationInfo();\r"
      "var date = core.getDate().split(\"T\"); var year = date[0].split(\"-\");\r"
      "var x = core.getScreenWidth(); var y = core.getScreenHeight();\r"
      "core.resetOutput();\r"
      "core.output(year[0] + \"|\" + core.getDate().substring(11) + \"|\" + items[\"planet\"] + \"|\" +"
      " items['latitude'] + \"|\" + (x/2-(y/2.25)) + \"|\" + core.getSkyCulture() + \"|\" +"
      " LandscapeMgr.getCurrentLandscapeName() + \"|\" + OrvMovementMgr.getInitFov());\r");
  EXPECT_TRUE(engine.log().empty()) << last_log();
  EXPECT_EQ(read_file(L"C:\\user\\output.txt"), "2031|20:00:00|Earth|38.9072|480|western|Saturn|180\n");
}

// Names the console gives that are not the sky's: noted in the log, the script goes on.
TEST_F(ScriptMethodsTest, UnknownNamesAreNotedAndLeaveTheSkyAsItWas) {
  const char* cases[] = {
      "LandscapeMgr.setCurrentLandscapeName(\"Atlantis\",false);",
      "core.setObserverLocation(1,2,0,1,\"Nowhere\",\"Vulcan\");",
      "core.setObserverLocation(\"Atlantis, Ocean\",3.0);",
      "core.setSkyCulture(\"klingon\");",
      "core.setDate(\"--T12:00:00\");",
      "core.selectObjectByName(\"Nothing at all\", true);",
      "core.setTimeRate(\"fast\");",
      "core.setProjectionMode(\"ProjectionTeapot\");",
      "LabelMgr.setLabelShow(99, true);",
  };
  for (const char* script : cases) {
    std::string before_landscape = sky.landscape();
    double before_time = sky.utc_seconds();
    double before_rate = sky.time_rate();
    std::size_t before_log = engine.log().size();
    run_to_end(std::string(script) + "\rConstellationMgr.setFlagArt(!ConstellationMgr.getFlagArt());");
    bool art = sky.flag(SkyFlag::constellation_art);
    EXPECT_EQ(engine.log().size(), before_log + 1) << script;
    EXPECT_EQ(sky.landscape(), before_landscape);
    EXPECT_EQ(sky.observer().planet, "Earth");
    EXPECT_EQ(sky.sky_culture(), "western");
    EXPECT_EQ(sky.utc_seconds(), before_time);
    EXPECT_EQ(sky.time_rate(), before_rate);
    EXPECT_TRUE(sky.selection().empty());
    EXPECT_EQ(sky.projection, "ProjectionPerspective");
    run_to_end("ConstellationMgr.setFlagArt(!ConstellationMgr.getFlagArt());");
    EXPECT_NE(sky.flag(SkyFlag::constellation_art), art) << script;
  }
}

TEST_F(ScriptMethodsTest, TheFlyByBodiesAndTheMoonLandscapeExist) {
  for (const char* body : {"OCEarth", "OCJupiter", "OCSaturn", "OCcharon", "OCSun", "OCNeptune", "OCVenus",
                           "OCMercury", "OCMoon"}) {
    run_to_end(std::string("core.setObserverLocation(0,90,0,10, \"Flyby\", \"") + body +
               "\");\rLandscapeMgr.setCurrentLandscapeName(\"Moon\");");
    EXPECT_EQ(sky.observer().planet, body);
    EXPECT_EQ(sky.landscape(), "Moon");
    EXPECT_TRUE(engine.log().empty()) << body << ": " << last_log();
  }
}

}  // namespace

namespace {

using ObjectInfoTest = ScriptTest;

// The Sun at noon UTC on 2000-01-01 seen from Greenwich: low in the south, near perihelion.
TEST_F(ObjectInfoTest, ABodysPlaceIsWhereTheSkyHasIt) {
  run_to_end(
      "core.setDate(\"2000-01-01T12:00:00\", \"utc\"); core.setObserverLocation(0, 51.48, 0, 0, "
      "\"Greenwich\", "
      "\"Earth\");\r"
      "var pos = core.getObjectInfo(\"Sun\");\r"
      "core.resetOutput(); core.output(pos['ra'].toString()); core.output(pos['dec']);"
      " core.output(parseFloat(pos['altitude'])); core.output(pos['azimuth']); "
      "core.output(pos['distance']);\r"
      "var far = core.getObjectInfo(\"Jupiter\"); core.output(far['distance']);\r"
      "var near = core.getObjectInfo(\"Moon\"); core.output(parseFloat(near['distance']) * 149597870.7);\r");
  EXPECT_TRUE(engine.log().empty()) << last_log();
  std::istringstream lines(read_file(L"C:\\user\\output.txt"));
  std::array<double, 7> got{};
  for (double& value : got)
    lines >> value;
  EXPECT_NEAR(got[0], 281.3, 0.5);  // right ascension
  EXPECT_NEAR(got[1], -23.0, 0.5);  // declination
  EXPECT_NEAR(got[2], 15.5, 1.0);   // altitude
  EXPECT_NEAR(got[3], 180.0, 2.0);  // azimuth
  EXPECT_NEAR(got[4], 0.9833, 0.001);
  EXPECT_NEAR(got[5], 4.6, 0.3);
  EXPECT_NEAR(got[6], 400000, 30000);  // kilometres
}

// The pole star, placed as the install places it: as high as the observer is north.
TEST_F(ObjectInfoTest, AStarWhosePositionTheSkyKnowsIsFoundByNameOrNumber) {
  sky.set_stars({{11767, "Polaris", orvenna::Equatorial{37.9545, 89.264}}});
  run_to_end(
      "core.setObserverLocation(4.7736, 46.1031, 172, 0, \"Guereins\", \"Earth\");\r"
      "var a = core.getObjectInfo(\"HP11767\"); var b = core.getObjectInfo(\"Polaris\");\r"
      "core.resetOutput(); core.output(a['dec']); core.output(a['altitude']); core.output(b['ra']);\r");
  EXPECT_TRUE(engine.log().empty()) << last_log();
  std::istringstream lines(read_file(L"C:\\user\\output.txt"));
  std::array<double, 3> got{};
  for (double& value : got)
    lines >> value;
  EXPECT_NEAR(got[0], 89.264, 1e-6);
  EXPECT_NEAR(got[1], 46.1, 1.0);
  EXPECT_NEAR(got[2], 37.9545, 1e-6);
}

TEST_F(ObjectInfoTest, WhatTheEphemerisDoesNotHoldIsNotFound) {
  run_to_end("var pos = core.getObjectInfo(\"HP11767\"); if (pos['found']) LandscapeMgr.setFlagFog(true);");
  EXPECT_FALSE(sky.flag(SkyFlag::fog));
  EXPECT_EQ(last_log(), "no position for \"HP11767\"");
}

}  // namespace

namespace {

TEST_F(ScriptMethodsTest,
       SelectedInIsolationAConstellationJoinsTheIsolatedOnesOrLeavesThemAndACultureChangeEndsAll) {
  run_to_end(
      "core.selectObjectByName(\"Lyra\", false);\r"
      "ConstellationMgr.setFlagIsolateSelected(true);\r"
      "core.selectObjectByName(\"Aries\", false);\r"
      "core.selectObjectByName(\"HP11767\", true);\r"
      "core.selectObjectByName(\"taurus\", false);\r");
  // By the names Orvenna knows them by; a star or a selection outside isolation isolates nothing.
  EXPECT_EQ(sky.isolated_constellations(), (std::vector<std::string>{"Aries", "Taurus"}));
  run_to_end("core.selectObjectByName(\"Aries\", false);\rcore.setSkyCulture(\"western\");\r");
  EXPECT_EQ(sky.isolated_constellations(), std::vector<std::string>{"Taurus"})
      << "the same culture reloads nothing";
  run_to_end("core.setSkyCulture(\"inuit\");\rcore.setSkyCulture(\"western\");\r");
  EXPECT_TRUE(sky.isolated_constellations().empty());
}

}  // namespace
