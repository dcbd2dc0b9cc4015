// Names with quotes, backslashes and line breaks, from every source the console puts into its
// scripts: Orvenna runs each script without an error and receives the name itself.
#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "peers/orvenna/install/installer.h"
#include "peers/orvenna/program_probe.h"
#include "platform/desktop/utf8.h"
#include "platform/driver/desktop_user.h"
#include "src/app/place/location_scripts.h"
#include "src/app/planets/find_object_script.h"
#include "src/app/planets/fly_by_script.h"
#include "src/app/show/event_script.h"
#include "src/app/sky/start_state_script.h"
#include "src/app/time/time_scripts.h"
#include "src/catalog/constellation_list.h"
#include "src/dialogs/reset_position_wnd.h"
#include "src/settings/settings_key.h"
#include "tests/app/console_dialog_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

constexpr const wchar_t* HostileNames[] = {
    L"Bob's \"Hill\"",
    L"C:\\Domes\\North",
    L"two\r\nlines\nhere",
    L"ends in a backslash\\",
};

constexpr wchar_t Ground[] = L"Guereins";
constexpr wchar_t Home[] = L"Washington, United States";

// What Orvenna noted, before the script ran and once it had ended.
struct Received {
  std::vector<std::string> before;
  std::vector<std::string> after;
  orvenna::SkyState sky;

  bool NewNote(const std::string& message) const {
    return std::ranges::count(after, message) > std::ranges::count(before, message);
  }
  long Errors(const std::vector<std::string>& notes) const {
    return std::ranges::count_if(notes, [](const std::string& m) { return m.find("Error") != m.npos; });
  }
  bool NewErrors() const { return Errors(after) > Errors(before); }
};

std::string Quoted(const std::string& name) {
  return "\"" + name + "\"";
}

struct LiteralCase {
  const char* source;
  std::wstring (*script)(const std::wstring& name);
  // Long enough for the script to end in Orvenna.
  desktop::Tick runMs;
  bool (*received)(const Received& what, const std::string& name);
};

void PrintTo(const LiteralCase& c, std::ostream* out) {
  *out << c.source;
}

bool UnknownPlace(const Received& what, const std::string& name) {
  return what.NewNote("unknown place " + Quoted(name));
}
bool UnknownLandscape(const Received& what, const std::string& name) {
  return what.NewNote("unknown landscape " + Quoted(name));
}
bool UnknownObject(const Received& what, const std::string& name) {
  return what.NewNote("no object named " + Quoted(name));
}
bool UnknownSkyCulture(const Received& what, const std::string& name) {
  return what.NewNote("unknown sky culture " + Quoted(name));
}

StartStateValues StartState() {
  StartStateValues values;
  values.ground = Ground;
  values.home = Home;
  return values;
}

EventScene EarthEvent() {
  EventScene scene;
  scene.body = L"Earth";
  scene.memo = L"Eclipse";
  scene.longitude = L"1.0000";
  scene.latitude = L"2.0000";
  scene.defaultGround = Ground;
  return scene;
}

const FromHereBody& FromHereEarth() {
  return *FindFromHereBody(1);
}

const LiteralCase LiteralCases[] = {
    {"home place, on the way home",
     [](const std::wstring& name) { return HomePlaceScript(false, Ground, name); }, 9000, UnknownPlace},
    {"home place, from here on the Earth",
     [](const std::wstring& name) { return FromHereScript(FromHereEarth(), 4, Ground, name).text; }, 11000,
     UnknownPlace},
    {"home place, start state",
     [](const std::wstring& name) {
       StartStateValues values = StartState();
       values.home = name;
       return BuildStartStateScript(values, StartStateScriptUse::Reset);
     },
     12000, UnknownPlace},
    {"default ground, equator of the Earth",
     [](const std::wstring& name) {
       return PoleScript(EquatorCommand, PoleBodies[PoleEarthIndex], false, name);
     },
     11000, UnknownLandscape},
    {"default ground, on the way home",
     [](const std::wstring& name) { return HomePlaceScript(false, name, Home); }, 9000, UnknownLandscape},
    {"default ground, from here on the Earth",
     [](const std::wstring& name) { return FromHereScript(FromHereEarth(), 4, name, Home).text; }, 11000,
     UnknownLandscape},
    {"default ground, start state",
     [](const std::wstring& name) {
       StartStateValues values = StartState();
       values.ground = name;
       return BuildStartStateScript(values, StartStateScriptUse::Reset);
     },
     12000, UnknownLandscape},
    {"default ground, event on the Earth",
     [](const std::wstring& name) {
       EventScene scene = EarthEvent();
       scene.defaultGround = name;
       return EventPlaceScript(scene);
     },
     12000, UnknownLandscape},
    {"default ground, return after a fly-by",
     [](const std::wstring& name) {
       FlyByPlan plan;
       plan.seconds = 47;
       plan.after = AfterFlyBy::Return;
       plan.defaultGround = name;
       return BuildFlyByScript(plan);
     },
     50000, UnknownLandscape},
    {"event date",
     [](const std::wstring& name) {
       return SetDateScript({12, 5, 9, name + L"/3/7"}, false);
     },
     2000,
     [](const Received& what, const std::string& name) {
       return what.NewNote("cannot read the date " + Quoted(name + "-03-07T12:05:09"));
     }},
    {"event place",
     [](const std::wstring& name) {
       EventScene scene = EarthEvent();
       scene.memo = name;
       return EventPlaceScript(scene);
     },
     12000,
     [](const Received& what, const std::string& name) { return what.sky.observer().name == "#1: " + name; }},
    {"event target",
     [](const std::wstring& name) {
       EventScene scene = EarthEvent();
       scene.target = EventTargetShown{name, L"", true};
       return EventPlaceScript(scene);
     },
     16000, UnknownObject},
    {"search target",
     [](const std::wstring& name) {
       ConstellationList constellations;
       return SelectFoundObject(constellations, NoConstellation, name).lines;
     },
     2000, UnknownObject},
    {"OCconfig.ini sky culture, Find button",
     [](const std::wstring& name) { return SkyCultureLine(false, name); }, 2000, UnknownSkyCulture},
    {"OCconfig.ini sky culture, start state",
     [](const std::wstring& name) {
       StartStateValues values = StartState();
       values.skyCulture = name;
       return BuildStartStateScript(values, StartStateScriptUse::Reset);
     },
     12000, UnknownSkyCulture},
};

class ScriptLiteralsTest : public ConsoleWithOrvennaTest, public ::testing::WithParamInterface<LiteralCase> {
 protected:
  std::vector<std::string> Notes() const {
    std::vector<std::string> notes;
    for (const orvenna::ScriptLogEntry& entry : probe->log())
      notes.push_back(entry.message);
    return notes;
  }

  Received RunInOrvenna(const std::wstring& script, desktop::Tick runMs) {
    Received what;
    what.before = Notes();
    RunToEnd([&script](TestConsoleDlg& dlg) { dlg.RunScript(script, L"hostile.ovs", false, 1000); });
    Wait(runMs);
    what.after = Notes();
    what.sky = *probe->state();
    return what;
  }
};

TEST_P(ScriptLiteralsTest, OrvennaRunsTheScriptAndReceivesTheHostileNameItself) {
  const LiteralCase& c = GetParam();
  for (const wchar_t* name : HostileNames) {
    const std::string utf8 = desktop::to_utf8(name);
    SCOPED_TRACE(std::string(c.source) + ": " + utf8);
    const Received what = RunInOrvenna(c.script(name), c.runMs);
    EXPECT_FALSE(what.NewErrors()) << (what.after.empty() ? std::string() : what.after.back());
    EXPECT_TRUE(c.received(what, utf8));
  }
}

// "home place, on the way home" as HomePlaceOnTheWayHome.
std::string CaseName(const ::testing::TestParamInfo<LiteralCase>& info) {
  std::string name;
  bool capital = true;
  for (const char* c = info.param.source; *c != '\0'; ++c) {
    if (std::isalnum(static_cast<unsigned char>(*c)) == 0) {
      capital = true;
      continue;
    }
    name += capital ? static_cast<char>(std::toupper(static_cast<unsigned char>(*c))) : *c;
    capital = false;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(EverySource, ScriptLiteralsTest, ::testing::ValuesIn(LiteralCases), CaseName);

// A place and a ground with quotes in their names, known to Orvenna and chosen as the home place
// and the default ground.
constexpr char QuotedPlace[] = "Fort \"Blue\" Hill";
constexpr wchar_t QuotedHome[] = L"Fort \"Blue\" Hill, United States";
constexpr char QuotedGround[] = "Blue \"Hill\"";
constexpr int HomeId = 1120;

class QuotedHomeByHandTest : public ConsoleWithOrvennaTest {
 protected:
  QuotedHomeByHandTest() {
    const std::wstring places = orvenna::user_folder_of(machine) + L"\\base_locations.txt";
    const std::string line =
        std::string(QuotedPlace) + "\tTexas\tUnited States\tB\tAmerica/Chicago\t30.5000N\t97.2500W\t200\n";
    EXPECT_TRUE(write_file(places.c_str(), read_file(places.c_str()) + line));
    const std::wstring folder = orvenna::install_folder_of({}) + L"landscapes\\bluehill";
    EXPECT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    EXPECT_TRUE(write_file((folder + L"\\landscape.ini").c_str(),
                           "[landscape]\nname=" + std::string(QuotedGround) + "\ntype=spherical\n"));
    SettingsWriter settings;
    settings.Text(L"Home Location", QuotedHome);
    settings.Text(L"Default Ground", desktop::from_utf8(QuotedGround));
  }
  void SetUp() override {
    ConsoleWithOrvennaTest::SetUp();
    RunToEnd([](TestConsoleDlg& dlg) { ::SetForegroundWindow(dlg.m_hWnd); });
  }
  void ClickByHand(int id) {
    const driver::Outcome clicked = user.click(id);
    ASSERT_TRUE(clicked) << id << ": " << clicked.reason;
  }

  driver::DesktopUser user{machine};
};

TEST_F(QuotedHomeByHandTest, HomeButtonTakesTheObserverToAHomePlaceWithQuotesOnItsGround) {
  ASSERT_NE(probe->state()->find_landscape(QuotedGround), nullptr) << "Orvenna knows the ground";
  const std::size_t notes = probe->log().size();
  ClickByHand(HomeId);
  ASSERT_NE(user.control(CResetPositionWnd::HomePlaceButton), nullptr) << "the question is open";
  ClickByHand(CResetPositionWnd::HomePlaceButton);
  Wait(9000);
  const orvenna::SkyState sky = *probe->state();
  EXPECT_EQ(sky.observer().name, desktop::to_utf8(QuotedHome));
  EXPECT_EQ(sky.observer().latitude, 30.5);
  EXPECT_EQ(sky.landscape(), QuotedGround);
  const std::vector<orvenna::ScriptLogEntry> log = probe->log();
  for (std::size_t i = notes; i < log.size(); ++i)
    EXPECT_EQ(log[i].message.find("Error"), std::string::npos) << log[i].message;
}

}  // namespace
