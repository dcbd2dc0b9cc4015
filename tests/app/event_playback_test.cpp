// The event buttons against the stand-in Orvenna on the virtual clock: events stored in the
// registry as the event editor stores them, played through the console's buttons; what Orvenna
// ran, where its observer, date, ground and selection end up, the refusals and the recording.
#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "peers/orvenna/program_probe.h"
#include "peers/orvenna/sky_date.h"
#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/settings/console_settings.h"
#include "src/settings/event_settings.h"
#include "src/settings/settings_key.h"
#include "src/util/user_folder.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr UINT FirstEventId = 1060;
constexpr int LocationLabelId = 1127;
constexpr int InformationBoxId = 1058;
constexpr int EarthBody = 61;
constexpr int MarsBody = 54;
constexpr int VenusBody = 56;
constexpr int IoBody = 39;

constexpr wchar_t Completing[] = L"Please, wait while the event is being completed...";
constexpr wchar_t ScriptRunning[] =
    L"Another simulation script is currently running. You can stop it or wait for it to complete, "
    L"depending on the script...";
constexpr wchar_t Paused[] = L"The recording is paused!";
constexpr wchar_t FlyByRefusal[] = L"This function is not available during the fly-by";

// Where the sky stands before each event.
constexpr char StartDate[] = "2001-01-01T00:00:00";
constexpr wchar_t StartScript[] =
    L"core.setTimeRate(0);\rcore.setDate(\"2001-01-01T00:00:00\",\"utc\");\r"
    L"core.setObserverLocation(1,2,0,0,\"start\",\"Earth\");\rcore.selectObjectByName(\"\", false);\r"
    L"LandscapeMgr.setCurrentLandscapeName(\"Ocean\",false);\r";

// An event as the editor stores it in slot `slot`.
struct StoredEvent {
  int slot = 0;
  bool stored = true;
  bool enabled = true;
  int kind = EventSetsBothKind;
  const wchar_t* date = L"2026/3/7";
  int hour = 12;
  int minute = 5;
  int second = 9;
  const wchar_t* latitude = L"45 15 00 N";
  const wchar_t* longitude = L"012 30 00 W";
  int body = EarthBody;
  const wchar_t* memo = L"Rome";
  const wchar_t* comment = L"";
  EventViewFlags view{};
  bool wantTarget = false;
  bool defaultTarget = false;
  bool ground = false;
  int defaultBody = MarsBody;
  const wchar_t* targetName = L"";
};

void StoreEvent(CConsoleState& state, const StoredEvent& e) {
  if (!e.stored) return;
  EventRecord record;
  record.date = e.date;
  record.memo = e.memo;
  record.hour = e.hour;
  record.minute = e.minute;
  record.second = e.second;
  record.enabled = e.enabled;
  record.latitude = e.latitude;
  record.longitude = e.longitude;
  record.kind = e.kind;
  record.body = e.body;
  SaveEventRecord(state, e.slot, record);
  SaveEventViewFlags(e.slot, e.view);
  SaveEventTarget(e.slot, {e.wantTarget, e.defaultTarget, e.ground, e.defaultBody, e.targetName});
  SettingsWriter().Text(L"Comment_" + std::to_wstring(e.slot + 1), e.comment);
}

struct EventCase {
  const char* name;
  StoredEvent event;
  bool setsDate;
  bool goesToPlace;
  const char* planet;
  double longitude;
  double latitude;
  const char* placeName;
  const char* landscape;  // empty: the default ground
  const char* selection;
  const wchar_t* label;
  const wchar_t* objectName;
  int runMs;
};

EventViewFlags View(bool atmosphere, bool fog, bool autoZoom, bool moonScale) {
  return {atmosphere, fog, autoZoom, moonScale};
}

// The registry keeps what each case stores: the empty slot comes first.
const EventCase EventCases[] = {
    {"empty",
     {.slot = 1, .stored = false},
     false,
     false,
     "Earth",
     1,
     2,
     "start",
     "Ocean",
     "",
     L"before",
     L"kept",
     0},
    {"date only",
     {.slot = 2, .kind = EventSetsDateKind},
     true,
     false,
     "Earth",
     1,
     2,
     "start",
     "Ocean",
     "",
     L"before",
     L"",
     0},
    {"place only on the Earth",
     {.slot = 0, .kind = EventGoesToPlaceKind, .view = View(true, false, false, false)},
     false,
     true,
     "Earth",
     -12.5,
     45.25,
     "#1: Rome",
     "",
     "",
     L"EARTH",
     L"",
     11000},
    {"date and place on Io",
     {.slot = 1,
      .latitude = L"10 30 00 S",
      .longitude = L"000 30 00 W",
      .body = IoBody,
      .memo = L"Jupiter rise"},
     true,
     true,
     "Io",
     -0.5,
     -10.5,
     "#2: Jupiter rise",
     "Moon",
     "",
     L"Io",
     L"",
     11000},
    {"Venus with a constellation and the auto-zoom",
     {.slot = 3,
      .kind = 7,
      .latitude = L"00 00 00 N",
      .longitude = L"090 00 00 E",
      .body = VenusBody,
      .memo = L"Orion from Venus",
      .view = View(false, true, true, true),
      .wantTarget = true,
      .targetName = L"ORION"},
     true,
     true,
     "Venus",
     90,
     0,
     "#4: Orion from Venus",
     "Neptune",
     "Orion",
     L"VENUS",
     L"Orion",
     23000},
    {"the Earth with its default body and the ground",
     {.slot = 4, .wantTarget = true, .defaultTarget = true, .ground = true},
     true,
     true,
     "Earth",
     -12.5,
     45.25,
     "#5: Rome",
     "",
     "Mars",
     L"EARTH",
     L"Mars",
     15000},
    {"disabled",
     {.slot = 0, .enabled = false},
     false,
     false,
     "Earth",
     1,
     2,
     "start",
     "Ocean",
     "",
     L"before",
     L"kept",
     0},
};

class EventPlaybackTest : public ConsoleWithOrvennaTest {
 protected:
  void Store(const StoredEvent& e) {
    Run([&e](TestConsoleDlg& dlg) { StoreEvent(dlg.consoleState, e); });
  }
  // The sky back at its start, the console's labels and selection marked.
  void Restart() {
    RunToEnd([](TestConsoleDlg& dlg) {
      dlg.RunScript(StartScript, L"eventstart.ovs", false, 100);
      dlg.SetDlgItemText(LocationLabelId, L"before");
      dlg.SetDlgItemText(InformationBoxId, L"box");
      dlg.CurrentObjectName = L"kept";
      dlg.firedTimers.clear();
    });
    Wait(500);
  }
  orvenna::SkyState Sky() const { return *probe->state(); }
  std::size_t ScriptsRun() const { return probe->scripts().size(); }
  std::string ScriptRun(std::size_t i) const { return probe->scripts().at(i).text; }
  bool Fired(UINT_PTR timer) const {
    return std::find(dialog->firedTimers.begin(), dialog->firedTimers.end(), timer) !=
           dialog->firedTimers.end();
  }
};

TEST_F(EventPlaybackTest, EventsSetOrvennasDatePlaceGroundAndSelection) {
  const double startSeconds = *orvenna::parse_date(StartDate, {}, false);
  const double eventSeconds = *orvenna::parse_date("2026-03-07T12:05:09", {}, false);
  for (const EventCase& c : EventCases) {
    SCOPED_TRACE(c.name);
    Restart();
    Store(c.event);
    const std::size_t before = ScriptsRun();
    Click(FirstEventId + c.event.slot);
    EXPECT_EQ(dialog->scriptRunning, c.goesToPlace);
    if (c.goesToPlace) {
      EXPECT_EQ(StatusLine(), Completing);
    }
    EXPECT_EQ(DialogText(LocationLabelId), c.label);
    EXPECT_EQ(dialog->CurrentObjectName, c.objectName);
    EXPECT_EQ(DialogText(InformationBoxId), c.event.comment);
    if (c.runMs > 0) {
      Wait(c.runMs - 200);
      EXPECT_TRUE(dialog->scriptRunning) << "until the place script's time has passed";
      Wait(400);
      EXPECT_FALSE(dialog->scriptRunning);
    }
    Wait(2000);

    const std::size_t runs = ScriptsRun() - before;
    ASSERT_EQ(runs, (c.setsDate ? 1u : 0u) + (c.goesToPlace ? 1u : 0u));
    if (c.setsDate) {
      EXPECT_TRUE(RanExactly(ScriptRun(before),
                             L"core.setDate(\"2026-03-07T12:05:09\",\"utc\");\rcore.setTimeRate(1);\r"))
          << ScriptRun(before);
    }
    const orvenna::SkyState sky = Sky();
    const double expectedDate = c.setsDate ? eventSeconds : startSeconds;
    EXPECT_NEAR(sky.utc_seconds(), expectedDate, c.runMs / 1000 + 5)
        << orvenna::format_date(sky.utc_seconds());
    EXPECT_EQ(sky.observer().planet, c.planet);
    EXPECT_NEAR(sky.observer().longitude, c.longitude, 1e-9);
    EXPECT_NEAR(sky.observer().latitude, c.latitude, 1e-9);
    EXPECT_EQ(sky.observer().name, c.placeName);
    const std::wstring ground = ReadDefaultGround();
    EXPECT_EQ(sky.landscape(),
              *c.landscape ? std::string(c.landscape) : std::string(ground.begin(), ground.end()));
    EXPECT_EQ(sky.selection(), c.selection);
    if (c.goesToPlace) {
      EXPECT_EQ(sky.flag(orvenna::SkyFlag::atmosphere), c.event.view.atmosphere);
      EXPECT_EQ(sky.flag(orvenna::SkyFlag::fog), c.event.view.fog);
      EXPECT_EQ(dialog->viewZoomedOut, c.event.view.autoZoom ? 0 : 1);
    }
    // A constellation is shown alone, in isolate-selected mode.
    if (std::string(c.selection) == "Orion") {
      EXPECT_EQ(sky.isolated_constellations(), std::vector<std::string>{"Orion"});
    }
    if (c.event.wantTarget) {
      EXPECT_EQ(sky.flag(orvenna::SkyFlag::landscape), c.event.ground);
    }
    // A target without the auto-zoom is shown from afar again 15 s after the event started.
    EXPECT_EQ(Fired(EventZoomOutTimer), c.event.wantTarget && !c.event.view.autoZoom);
  }
}

TEST_F(EventPlaybackTest, ThePlaceScriptIsWrittenAsTheEventAsks) {
  Restart();
  Store({.slot = 2,
         .kind = EventGoesToPlaceKind,
         .body = MarsBody,
         .memo = L"Dust",
         .view = View(false, false, false, true),
         .wantTarget = true,
         .targetName = L"sirius"});
  Click(FirstEventId + 2);
  Wait(16000);
  const std::wstring zoom = std::to_wstring(ReadFieldOfView());
  EXPECT_TRUE(RanExactly(
      LastScriptRun(),
      L"core.setTimeRate(1);\rOrvMovementMgr.setFlagTracking(false);\r"
      L"OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\rOrvMovementMgr.autoZoomOut(2,true);\r"
      L"core.wait(1);\r"
      L"if (LandscapeMgr.getCurrentLandscapeName() != \"Mars\")\r   "
      L"LandscapeMgr.setCurrentLandscapeName(\"Mars\",false);\r"
      L"core.setObserverLocation(-12.5000,45.2500,0.0,5.8,\"#3: Dust\",\"Mars\");\rcore.wait(6.0);\r"
      L"core.moveToAltAzi(89.7,270.00,1);\rcore.wait(1);\rOrvMovementMgr.zoomTo(" +
          zoom +
          L",1.8);\rcore.wait(2);\r"
          L"LandscapeMgr.setAtmosphereFadeDuration(4);\rOrvMovementMgr.setFlagTracking(false);\r"
          L"LandscapeMgr.setFlagAtmosphere(false);\rLandscapeMgr.setFlagFog(false);\r"
          L"ConstellationMgr.setFlagLabels(false);\rSolarSystem.setFlagPlanets(true);\rcore.wait(1.0);\r"
          L"var zoom4x = SolarSystem.getFlagMoonScale();\rSolarSystem.setFlagMoonScale(false);\r"
          L"LandscapeMgr.setFlagLandscape(false);\rcore.wait(4.0);\rOrvMovementMgr.setFlagTracking(false);\r"
          L"core.selectObjectByName(\"Sirius\", true);\r"))
      << LastScriptRun();
  EXPECT_EQ(Sky().selection(), "Sirius");
  EXPECT_EQ(Sky().observer().planet, "Mars");
  EXPECT_EQ(dialog->CurrentObjectName, L"Sirius");
}

struct GuardCase {
  const char* name;
  void (*prepare)(TestConsoleDlg&);
  const wchar_t* notice;
};

constexpr GuardCase GuardCases[] = {
    {"recording paused", [](TestConsoleDlg& d) { d.RecorderState = RecorderPaused; }, Paused},
    {"a script running", [](TestConsoleDlg& d) { d.scriptRunning = true; }, ScriptRunning},
    {"rate keys running", [](TestConsoleDlg& d) { d.speedKeysActive = true; }, ScriptRunning},
    {"a fly-by", [](TestConsoleDlg& d) { d.flyByRunning = true; }, FlyByRefusal},
    // Its script would stop the show's.
    {"a replay", [](TestConsoleDlg& d) { d.RecorderState = RecorderPlaying; }, ScriptRunning},
    // The paused recording is told first.
    {"paused during a fly-by",
     [](TestConsoleDlg& d) {
       d.RecorderState = RecorderPaused;
       d.flyByRunning = true;
     },
     Paused},
};

TEST_F(EventPlaybackTest, RefusalsLeaveOrvennaAndTheConsoleAlone) {
  Store({.slot = 0});
  for (const GuardCase& c : GuardCases) {
    SCOPED_TRACE(c.name);
    Restart();
    Run([&c](TestConsoleDlg& dlg) {
      dlg.scriptRunning = false;
      dlg.speedKeysActive = false;
      dlg.flyByRunning = false;
      dlg.RecorderState = RecorderIdle;
      c.prepare(dlg);
    });
    const std::size_t scripts = ScriptsRun();
    Click(FirstEventId);
    EXPECT_EQ(StatusLine(), c.notice);
    Wait(3000);
    EXPECT_EQ(ScriptsRun(), scripts);
    EXPECT_EQ(DialogText(LocationLabelId), L"before");
    EXPECT_EQ(DialogText(InformationBoxId), L"box");
    EXPECT_EQ(dialog->CurrentObjectName, L"kept");
    EXPECT_EQ(dialog->currentEventIndex, -1);
    Run([](TestConsoleDlg& dlg) {
      dlg.RecorderState = RecorderIdle;
      dlg.flyByRunning = false;
    });
    Wait(7000);
  }
}

TEST_F(EventPlaybackTest, TheRecordingKeepsTheDateThePlaceAndTheSite) {
  Store({.slot = 1, .comment = L"A clear night over Rome."});
  Restart();
  Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
  Wait(1000);
  Click(FirstEventId + 1);
  Wait(12000);
  EXPECT_EQ(DialogText(InformationBoxId), L"A clear night over Rome.");
  EXPECT_EQ(dialog->currentEventIndex, 1);
  const RecordedShow& show = dialog->recordedShow;
  const std::wstring date = L"core.setDate(\"2026-03-07T12:05:09\",\"utc\");\rcore.setTimeRate(1);\r";
  const std::size_t dateAt = show.recordedScript.find(date);
  ASSERT_NE(dateAt, std::wstring::npos) << show.recordedScript.size();
  const std::size_t placeAt = show.recordedScript.find(L",0.0,5.8,\"#2: Rome\",\"Earth\");\r", dateAt);
  EXPECT_NE(placeAt, std::wstring::npos);
  EXPECT_NE(show.commandList.find(L"Site|EARTH|"), std::wstring::npos);
}

TEST_F(EventPlaybackTest, AnEmptySlotRecordsNothing) {
  Restart();
  Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
  Wait(1000);
  const RecordedShow before = dialog->recordedShow;
  Click(FirstEventId + 4);
  Wait(2000);
  EXPECT_EQ(dialog->recordedShow.recordedScript, before.recordedScript);
  EXPECT_EQ(dialog->recordedShow.commandList, before.commandList);
  EXPECT_EQ(DialogText(InformationBoxId), L"");
}

}  // namespace

namespace {

TEST_F(EventPlaybackTest, AScriptFileThatCannotBeWrittenIsReportedAndNothingRuns) {
  Store({.slot = 0, .kind = EventGoesToPlaceKind, .wantTarget = true, .targetName = L"Orion"});
  for (const wchar_t* file : {L"orvenna-console.ovs", L"GoToLocation.ovs"}) {
    SCOPED_TRACE(std::string(file, file + std::wcslen(file)));
    Restart();
    Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
    Wait(1000);
    const RecordedShow before = dialog->recordedShow;
    const std::size_t scripts = ScriptsRun();
    HANDLE held = INVALID_HANDLE_VALUE;
    Run([&held, file](TestConsoleDlg&) {
      held = ::CreateFileW(PlanetariumUserFile(file).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    });
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Run([](TestConsoleDlg& dlg) {
      ::SendMessageW(dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(FirstEventId, BN_CLICKED), 0);
    });
    HWND box = MessageBoxShown();
    ASSERT_NE(box, nullptr) << "the file error is reported";
    Answer(box, IDOK);
    Wait(1000);
    Run([held](TestConsoleDlg&) { ::CloseHandle(held); });
    Wait(16000);
    EXPECT_EQ(ScriptsRun(), scripts);
    EXPECT_FALSE(dialog->scriptRunning);
    EXPECT_EQ(dialog->recordedShow.recordedScript, before.recordedScript);
    EXPECT_EQ(dialog->recordedShow.commandList, before.commandList);
    EXPECT_EQ(DialogText(LocationLabelId), L"before");
    EXPECT_EQ(dialog->CurrentObjectName, L"");
    EXPECT_FALSE(Fired(EventZoomOutTimer));
    Run([](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderIdle; });
  }
}

TEST_F(EventPlaybackTest, ADamagedPlaceIsToldBeforeTheLoaderIsWritten) {
  Store({.slot = 0, .latitude = L"45 15 00 X"});
  Restart();
  const std::size_t scripts = ScriptsRun();
  Run([](TestConsoleDlg& dlg) {
    ::SendMessageW(dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(FirstEventId, BN_CLICKED), 0);
  });
  Wait(1000);
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr) << "the damaged latitude is told after the date's run";
  // The presenter reads it longer than the date's run keeps the loader for it.
  Wait(3000);
  Answer(box, IDOK);
  Wait(12000);
  ASSERT_EQ(ScriptsRun(), scripts + 2) << "the date, then the place";
  EXPECT_NE(ScriptRun(scripts + 1).find("\"#1: Rome\""), std::string::npos) << ScriptRun(scripts + 1);
}

}  // namespace

namespace {

TEST_F(EventPlaybackTest, AStoredDateThatCannotBeReadIsLeftOutAndReportedOnce) {
  Restart();
  Store({.slot = 2, .kind = EventSetsDateKind, .date = L"2026/13/x"});
  const std::size_t before = ScriptsRun();
  for (int press = 0; press < 2; ++press) {
    Run([](TestConsoleDlg& dlg) {
      ::SendMessageW(dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(FirstEventId + 2, BN_CLICKED), 0);
    });
    HWND box = MessageBoxShown();
    if (press == 0) {
      ASSERT_NE(box, nullptr) << "the presenter learns why the date stays";
      Answer(box, IDOK);
    } else {
      EXPECT_EQ(box, nullptr) << "once is enough";
    }
    Wait(2000);
  }
  EXPECT_EQ(ScriptsRun(), before) << "no core.setDate that Orvenna would refuse";
  EXPECT_NEAR(Sky().utc_seconds(), *orvenna::parse_date(StartDate, {}, false), 10);
}

}  // namespace

namespace {

// A full drive ends an event at its first failed write, the date's loader or its script, and is
// told once: the place would meet the same drive.
TEST_F(EventPlaybackTest, AFullDriveIsToldOnceForAnEventOfDateAndPlace) {
  struct Room {
    const char* what;
    std::uint64_t bytes;
  };
  const Room rooms[] = {
      {"no room at all", 0},
      {"room for the date's loader only", 450},
  };
  wchar_t drive = 0;
  Run([&drive](TestConsoleDlg&) { drive = PlanetariumUserFolder()[0]; });
  for (const Room& room : rooms) {
    Restart();
    Store({.slot = 1});
    const std::size_t before = ScriptsRun();
    machine.drives().set_free_space(drive, room.bytes);
    driver::DesktopUser user{machine};
    const std::size_t shown = user.message_boxes().size();
    user.answer_next_message_box(IDOK);
    const driver::Outcome clicked = user.click_in(MainDialog(), FirstEventId + 1);
    ASSERT_TRUE(clicked) << clicked.reason;
    ASSERT_TRUE(user.wait(500));
    EXPECT_EQ(user.pending_answers(), 0u) << room.what << ": the full drive is told";
    const std::vector<desktop::ShownMessageBox> boxes = user.message_boxes();
    ASSERT_EQ(boxes.size(), shown + 1) << room.what << ": once";
    EXPECT_NE(boxes.back().text.find(L"Disk full"), std::wstring::npos) << room.what;
    EXPECT_EQ(MessageBoxShown(), nullptr) << room.what << ": once";
    machine.drives().set_free_space(drive, std::nullopt);
    Wait(16000);
    EXPECT_EQ(ScriptsRun(), before) << room.what << ": neither the date nor the place";
    EXPECT_FALSE(dialog->scriptRunning) << room.what;
  }
}

}  // namespace
