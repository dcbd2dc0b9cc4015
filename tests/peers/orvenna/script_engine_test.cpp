#include <map>
#include <memory>
#include <sstream>

#include "tests/peers/orvenna/script_fixture.h"

namespace {

using orvenna::SkyFlag;

using ScriptEngineTest = ScriptTest;

// The console's reading of an ini text: "[section]" lines and "key=value", the value kept as written.
std::map<std::string, std::string> ini_section(const std::string& text, const std::string& section) {
  std::map<std::string, std::string> values;
  std::istringstream lines(text);
  std::string line;
  std::string current;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
      current = line.substr(1, line.size() - 2);
    } else if (auto equals = line.find('='); equals != std::string::npos && current == section) {
      std::string key = line.substr(0, equals);
      while (!key.empty() && key.back() == ' ')
        key.pop_back();
      values[key] = line.substr(equals + 1);
    }
  }
  return values;
}

TEST_F(ScriptEngineTest, WaitRunsOnTheDesktopClock) {
  ASSERT_TRUE(engine.run("core.wait(2.5); LandscapeMgr.setFlagAtmosphere(false);", "wait.ovs"));
  machine.advance(2499);
  EXPECT_TRUE(sky.flag(SkyFlag::atmosphere));
  EXPECT_TRUE(engine.running());
  machine.advance(2);
  EXPECT_FALSE(sky.flag(SkyFlag::atmosphere));
  EXPECT_FALSE(engine.running());
  EXPECT_TRUE(engine.log().empty()) << last_log();
}

TEST_F(ScriptEngineTest, ZeroAndNegativeWaitsGoOnAtOnce) {
  run_to_end("core.wait(0); core.wait(-47); core.wait(); LandscapeMgr.setFlagFog(true);");
  EXPECT_TRUE(sky.flag(SkyFlag::fog));
  EXPECT_TRUE(engine.log().empty()) << last_log();

  // A wait beyond any show still ends on stop.
  ASSERT_TRUE(engine.run("core.wait(1e300); LandscapeMgr.setFlagFog(false);", "forever.ovs"));
  machine.advance(100000);
  EXPECT_TRUE(engine.running());
  engine.stop();
  machine.run_until_idle();
  EXPECT_FALSE(engine.running());
  EXPECT_TRUE(sky.flag(SkyFlag::fog));
}

TEST_F(ScriptEngineTest, SimulatedTimeAdvancesByTheRate) {
  run_to_end(
      "core.setDate(\"2025-03-14T21:30:00\", \"utc\"); core.setTimeRate(60); core.wait(2);"
      " core.resetOutput(); core.output(core.getDate());");
  EXPECT_EQ(read_file(L"C:\\user\\output.txt"), "2025-03-14T21:32:00\n");
  sky.set_time_paused(true);
  sky.advance(GetTickCount());
  double paused_at = sky.utc_seconds();
  machine.advance(1000);
  sky.advance(GetTickCount());
  EXPECT_EQ(sky.utc_seconds(), paused_at);
}

TEST_F(ScriptEngineTest, StopEndsAWaitAndALongLoop) {
  for (const char* script : {"core.wait(100); LandscapeMgr.setFlagAtmosphere(false);",
                             "for(i=0; i<199999; i++) { core.setTimeRate(i); core.wait(0.05); }"
                             " LandscapeMgr.setFlagAtmosphere(false);"}) {
    ASSERT_TRUE(engine.run(script, "long.ovs"));
    machine.advance(1000);
    EXPECT_TRUE(engine.running());
    engine.stop();
    machine.run_until_idle();
    EXPECT_FALSE(engine.running()) << script;
    EXPECT_TRUE(sky.flag(SkyFlag::atmosphere));
    ASSERT_FALSE(engine.log().empty());
    EXPECT_EQ(engine.log().back().script, "long.ovs");
    EXPECT_EQ(engine.log().back().message, "stopped");
  }
}

// The program's end ends its script's thread inside a wait; the engine outlives both.
TEST_F(ScriptEngineTest, AScriptEndsWithItsProgram) {
  std::unique_ptr<orvenna::ScriptEngine> owned;
  start_program(L"orvenna.exe", [&] {
    owned = std::make_unique<orvenna::ScriptEngine>(sky, L"C:\\user");
    owned->run("core.wait(100); LandscapeMgr.setFlagFog(true);", "long.ovs");
    Sleep(500);
    return DWORD{0};
  });
  machine.advance(200000);
  ASSERT_NE(owned, nullptr);
  EXPECT_FALSE(owned->running());
  EXPECT_FALSE(sky.flag(SkyFlag::fog));
  ASSERT_FALSE(owned->log().empty());
  EXPECT_EQ(owned->log().back().message, "ended with the program");
}

TEST_F(ScriptEngineTest, PauseHoldsTheScriptAndItsWaitUntilResumed) {
  ASSERT_TRUE(engine.run("core.wait(1); LandscapeMgr.setFlagAtmosphere(false);", "pause.ovs"));
  machine.advance(500);
  engine.pause();
  machine.advance(5000);
  EXPECT_TRUE(sky.flag(SkyFlag::atmosphere));
  EXPECT_TRUE(engine.paused());
  engine.resume();
  machine.advance(499);
  EXPECT_TRUE(sky.flag(SkyFlag::atmosphere));
  machine.advance(2);
  EXPECT_FALSE(sky.flag(SkyFlag::atmosphere));

  // A statement waits too, and a stop ends a paused script.
  ASSERT_TRUE(engine.run("core.wait(1); LandscapeMgr.setFlagFog(true);", "pause.ovs"));
  engine.pause();
  machine.advance(3000);
  EXPECT_FALSE(sky.flag(SkyFlag::fog));
  engine.stop();
  machine.run_until_idle();
  EXPECT_FALSE(engine.running());
  EXPECT_FALSE(sky.flag(SkyFlag::fog));
}

TEST_F(ScriptEngineTest, OnlyOneScriptRunsAtATime) {
  ASSERT_TRUE(engine.run("core.wait(1);", "first.ovs"));
  EXPECT_FALSE(engine.run("LandscapeMgr.setFlagFog(true);", "second.ovs"));
  machine.advance(1001);
  EXPECT_FALSE(sky.flag(SkyFlag::fog));
  EXPECT_EQ(engine.runs().size(), 1u);
  EXPECT_EQ(engine.log().back().script, "second.ovs");
  EXPECT_TRUE(engine.run("LandscapeMgr.setFlagFog(true);", "second.ovs"));
  engine.join();
  EXPECT_TRUE(sky.flag(SkyFlag::fog));
}

// The loader names the per-run file, which the console deletes right after the key.
TEST_F(ScriptEngineTest, IncludesAreReadWhenTheScriptStarts) {
  CreateDirectoryW(L"C:\\user\\shows", nullptr);
  ASSERT_TRUE(
      write_file(L"C:\\user\\orvenna-console.ovs",
                 "// Name: !Orvenna-Console\n// Author: x\n// License: y\n// Description: loader"
                 "\r\n\r\ninclude(\"C:\\user\\shows\\GoToOVS.ovs\");\r\ninclude(\"local.ovs\");\r\n"));
  ASSERT_TRUE(
      write_file(L"C:\\user\\shows\\GoToOVS.ovs", "core.wait(0.5);\rLandscapeMgr.setFlagFog(true);\r"));
  ASSERT_TRUE(write_file(L"C:\\user\\local.ovs", "GridLinesMgr.setFlagMeridianLine(true);\r"));
  ASSERT_TRUE(engine.run_file(L"orvenna-console.ovs"));
  DeleteFileW(L"C:\\user\\shows\\GoToOVS.ovs");
  DeleteFileW(L"C:\\user\\local.ovs");
  engine.join();
  EXPECT_TRUE(sky.flag(SkyFlag::fog));
  EXPECT_TRUE(sky.flag(SkyFlag::meridian_line));
  EXPECT_TRUE(engine.log().empty()) << last_log();
  ASSERT_EQ(engine.runs().size(), 1u);
  EXPECT_EQ(engine.runs()[0].name, "orvenna-console.ovs");
  EXPECT_NE(engine.runs()[0].text.find("LandscapeMgr.setFlagFog(true);"), std::string::npos);
  EXPECT_NE(engine.runs()[0].text.find("// Description: loader"), std::string::npos);
}

TEST_F(ScriptEngineTest, TheIdleLoaderDoesNoHarm) {
  run_to_end("// Name: !Orvenna-Console\n// Description: idle\r\n\r\ninclude(\"##########\");\n", "loader");
  ASSERT_EQ(engine.log().size(), 1u);
  EXPECT_EQ(engine.log()[0].script, "loader");
  EXPECT_EQ(engine.log()[0].message, "cannot include \"##########\"");
  EXPECT_TRUE(sky.flag(SkyFlag::atmosphere));
}

TEST_F(ScriptEngineTest, OutputIsTheIniTheConsoleReadsBack) {
  run_to_end(
      "core.setDate(\"2026-03-07T12:05:09\",\"utc\"); core.setTimeRate(0);\r"
      "core.setObserverLocation(12.5,41.9,21,0,\"Rome\",\"Earth\");\r"
      "core.resetOutput(); core.output(\"[main]\");\rcore.output(\"getTimeRate = \"+core.getTimeRate()); "
      "core.output(\"getTime = \"+core.getDate(\"utc\"));\r core.output(\"getTimeL = "
      "\"+core.getDate(\"local\"));\r"
      " var position = core.getObserverLocationInfo();\r"
      "core.output(\"position_pl = \"+position['planet']);\rcore.output(\"position_lo = "
      "\"+position['longitude']);\r"
      "core.output(\"position_la = \"+position['latitude']);\r"
      "core.output(\"position_al = \"+position['altitude']);\r",
      "getSimulInfo.ovs");
  EXPECT_TRUE(engine.log().empty()) << last_log();
  auto main = ini_section(read_file(L"C:\\user\\output.txt"), "main");
  EXPECT_EQ(main["getTimeRate"], " 0");
  EXPECT_EQ(main["getTime"], " 2026-03-07T12:05:09");
  EXPECT_EQ(main["getTimeL"], " 2026-03-07T13:05:09");  // the test desktop keeps Central European time
  EXPECT_EQ(main["position_pl"], " Earth");
  EXPECT_EQ(main["position_lo"], " 12.5");
  EXPECT_EQ(main["position_la"], " 41.9");
  EXPECT_EQ(main["position_al"], " 21");

  // A second run starts the file afresh.
  run_to_end("core.resetOutput(); core.output(\"[main]\");", "again.ovs");
  EXPECT_EQ(read_file(L"C:\\user\\output.txt"), "[main]\n");
}

TEST_F(ScriptEngineTest, ErrorsStopTheScriptAndAreLogged) {
  struct Case {
    const char* script;
    const char* error;
    bool ran_up_to_the_error;
    const char* line;
  };
  const Case cases[] = {
      {"LandscapeMgr.setFlagAtmosphere(false); LandscapeMgr.flyAway();\nLandscapeMgr.setFlagFog(true);",
       "TypeError", true, "(line 1)"},
      {"LandscapeMgr.setFlagAtmosphere(false);\rTeapot.pour();\rLandscapeMgr.setFlagFog(true);",
       "ReferenceError", true, "(line 2)"},
      {"LandscapeMgr.setFlagAtmosphere(false);\r"
       "OrvMovementMgr.setEquatorialMount(!OrvMovementMgr.getEquatorialMount())core.wait(1);\r"
       "LandscapeMgr.setFlagFog(true);",
       "SyntaxError", false, "(line 2)"},
  };
  for (const Case& c : cases) {
    sky.set_flag(SkyFlag::atmosphere, true);
    run_to_end(c.script, "MACRO.ovs");
    EXPECT_FALSE(sky.flag(SkyFlag::fog)) << c.script;
    EXPECT_EQ(sky.flag(SkyFlag::atmosphere), !c.ran_up_to_the_error);
    EXPECT_FALSE(sky.flag(SkyFlag::equatorial_mount));
    ASSERT_FALSE(engine.log().empty());
    EXPECT_EQ(engine.log().back().script, "MACRO.ovs");
    EXPECT_NE(engine.log().back().message.find(c.error), std::string::npos) << engine.log().back().message;
    EXPECT_NE(engine.log().back().message.find(c.line), std::string::npos) << engine.log().back().message;
  }
}

// The start-state reset as the console builds it, with its usual values.
TEST_F(ScriptEngineTest, TheStartStateScriptRunsCleanly) {
  sky.add_place({"Earth", 12.4964, 41.9028, 21, "Rome"});
  const std::string script =
      "core.clear(\"natural\");\rLabelMgr.deleteAllLabels();\rGridLinesMgr.setFlagPrecessionCircles(false);\r"
      "OrvMovementMgr.setEquatorialMount(false);\rcore.setGuiVisible(false);\rSolarSystem.setFlagLabels(true)"
      ";\r"
      "MeteorShowers.setEnableLabels(true);\rMeteorShowers.setEnableMarker(true);\r"
      "OrvSkyDrawer.setAbsoluteStarScale(1.000000);\rOrvSkyDrawer.setRelativeStarScale(1.100000);\r"
      "OrvMovementMgr.setFlagTracking(false);\rSolarSystem.setFlagPlanets(true);\rSolarSystem.setFlagLabels("
      "true);\r"
      "StarMgr.setFlagStars(true);\rMilkyWay.setFlagShow(true);\rcore.setProjectionMode("
      "\"ProjectionFisheye\");\r"
      "core.setFlagGravityLabels(true);\rcore.setTimeRate(1);\rcore.setDate(\"02026-03-07T12:00:00\");\r"
      "var v = "
      "Vec3f(1,1,1);\rConstellationMgr.setBoundariesColor(v);\rLandscapeMgr.setAtmosphereFadeDuration(3);\r"
      "LandscapeMgr.setFlagAtmosphere(true);\rLandscapeMgr.setFlagFog(false);\r"
      "ConstellationMgr.setFlagBoundaries(false);\rConstellationMgr.setFlagArt(false);\rcore.setDiskViewport("
      "true);\r"
      "ConstellationMgr.setFlagLabels(false);\rLandscapeMgr.setCurrentLandscapeName(\"Guereins\",false);\r"
      "ConstellationMgr.setFlagLines(false);\rcore.setObserverLocation(\"Rome, Italy\",3.0);\r"
      "SolarSystem.setFlagMoonScale(false);\rcore.wait(3);\rLandscapeMgr.setFlagCardinalsPoints(true);\r"
      "OrvMovementMgr.zoomTo(180,2.9);\rcore.moveToAltAzi(89.7,180.00,2.9);\rcore.wait(3.0);\r"
      "core.setGuiVisible(false);\rOrvMovementMgr.setInitViewDirectionToCurrent();\r"
      "core.selectObjectByName(\"\", "
      "true);\rcore.setSkyCulture(\"inuit\");\rcore.setSkyCulture(\"western\");\r"
      "OrvMovementMgr.setAutoMoveDuration(6);\rConstellationMgr.setArtFadeDuration(3);\r"
      "SporadicMeteorMgr.setFlagShow(false);\rcore.selectObjectByName(\"\", "
      "true);\rOrvMovementMgr.zoomTo(180,3);\r"
      "core.moveToAltAzi(89.7,180.00,3);\rcore.wait(3);\rStarMgr.setFlagLabels(true);\rOrvMovementMgr."
      "setInitFov(180);\r"
      "OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\rOrvMovementMgr.autoZoomOut(1,true);\r";
  ASSERT_TRUE(engine.run(script, "StartOC.ovs"));
  machine.advance(9001);
  EXPECT_FALSE(engine.running());
  EXPECT_TRUE(engine.log().empty()) << last_log();
  EXPECT_EQ(sky.projection, "ProjectionFisheye");
  EXPECT_EQ(sky.observer().name, "Rome, Italy");
  EXPECT_EQ(sky.landscape(), "Guereins");
  EXPECT_EQ(sky.view.altitude, 89.7);
  EXPECT_EQ(sky.view.azimuth, 180);
  EXPECT_TRUE(sky.flag(SkyFlag::star_names));
  EXPECT_FALSE(sky.flag(SkyFlag::gui_visible));
  EXPECT_NEAR(sky.utc_seconds(), 1772884800 + 9, 0.01);  // nine seconds of waits at rate 1
  EXPECT_EQ(engine.runs().back().text, script);

  run_to_end("MilkyWay.setFlagShow(!MilkyWay.getFlagShow());\r", "MilkyWay.ovs");
  EXPECT_FALSE(sky.flag(SkyFlag::milky_way));
  EXPECT_TRUE(engine.log().empty()) << last_log();
}

}  // namespace
