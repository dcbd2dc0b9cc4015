// The planetarium program from the console's side: found by its windows, driven by posted and
// injected keys and by the scripts the console hands it, ended by WM_QUIT, drawing its sky.
#include <algorithm>

#include "platform/driver/desktop_user.h"
#include "tests/peers/orvenna/program_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

using orvenna::MessageOrigin;
using orvenna::SkyFlag;

bool windowed(HWND hwnd) {
  WINDOWINFO info{};
  info.cbSize = sizeof(info);
  return GetWindowInfo(hwnd, &info) && info.cxWindowBorders != 0 && info.cyWindowBorders != 0;
}

bool borderless(HWND hwnd) {
  WINDOWINFO info{};
  info.cbSize = sizeof(info);
  return GetWindowInfo(hwnd, &info) && info.cxWindowBorders == 0 && info.cyWindowBorders == 0;
}

COLORREF on_screen(HWND hwnd, int x, int y) {
  POINT at{x, y};
  ClientToScreen(hwnd, &at);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

std::string last_log(const orvenna::ProgramProbe& probe) {
  const auto log = probe.log();
  return log.empty() ? std::string() : log.back().message;
}

TEST_F(OrvennaProgramTest, TheConsolesFindersFindItsWindowsByClassAndTitle) {
  struct Case {
    const wchar_t* version;
    bool render_child;
  };
  for (const Case c : {Case{L"0.18.1", true}, Case{L"0.18.0", false}}) {
    orvenna::ProgramSettings settings;
    settings.version = c.version;
    settings.render_child = c.render_child;
    start(settings);
    const std::wstring title = std::wstring(L"Orvenna ") + c.version;
    EXPECT_EQ(FindWindowW(L"Qt5QWindowIcon", title.c_str()), main);
    HWND child = FindWindowExW(main, nullptr, L"Qt5QWindowOwnDCIcon", nullptr);
    EXPECT_EQ(child, c.render_child ? render : nullptr);
    EXPECT_EQ(FindWindowExW(main, nullptr, L"Qt5QWindowIcon", nullptr), nullptr);
    EXPECT_TRUE(windowed(main));
    RECT client{};
    GetClientRect(view, &client);
    EXPECT_EQ(state().viewport_width, client.right) << "what core.getScreenWidth answers";
    EXPECT_EQ(state().viewport_height, client.bottom);
    quit();
  }
}

TEST_F(OrvennaProgramTest, PostedTogglesAfterTheBurstChangeTheSkyWhileTheConsoleStaysInFront) {
  start();
  HWND front = console_window();
  struct Case {
    WPARAM vk;
    LPARAM lParam;
    SkyFlag flag;
  };
  const Case cases[] = {
      {'A', 0x001E0001, SkyFlag::atmosphere},
      {'F', 0x001E0001, SkyFlag::fog},
      {'B', 0x001E0001, SkyFlag::constellation_boundaries},
      {'C', 0x001E0001, SkyFlag::constellation_lines},
      {'G', 0x001E0001, SkyFlag::landscape},
      {'Q', 0x001E0001, SkyFlag::cardinal_points},
      {'Z', 0x001E0001, SkyFlag::azimuthal_grid},
      {VK_OEM_COMMA, 0x00330001, SkyFlag::ecliptic_line},
      {'V', 0x00300001, SkyFlag::constellation_names},
      {VK_OEM_PERIOD, 0x00560001, SkyFlag::equator_line},
  };
  for (const Case& c : cases) {
    const bool before = state().flag(c.flag);
    send_posted_key_burst();
    machine.advance(80);
    post_message(WM_KEYDOWN, c.vk, c.lParam);
    EXPECT_NE(state().flag(c.flag), before) << "key " << c.vk;
    machine.advance(200);
    post_message(WM_KEYUP, c.vk, c.lParam | static_cast<LPARAM>(0xC0000000));
    EXPECT_NE(state().flag(c.flag), before) << "the key-up leaves it " << c.vk;
  }
  EXPECT_EQ(GetForegroundWindow(), front);
  const auto messages = probe->messages();
  auto posted_a = std::find_if(messages.begin(), messages.end(), [](const orvenna::ReceivedMessage& m) {
    return m.message == WM_KEYDOWN && m.wParam == 'A';
  });
  ASSERT_NE(posted_a, messages.end());
  EXPECT_EQ(posted_a->origin, MessageOrigin::posted);
  EXPECT_EQ(posted_a->window, view);
  EXPECT_TRUE(std::any_of(messages.begin(), messages.end(), [this](const orvenna::ReceivedMessage& m) {
    return m.message == WM_SETCURSOR && m.wParam == 0x00030C48 && m.origin == MessageOrigin::sent &&
           m.window == view;
  }));
}

TEST_F(OrvennaProgramTest, TheDumpShowsWhatItReceivedRanAndHolds) {
  start();
  console_window();
  send_posted_key_burst();
  post_message(WM_KEYDOWN, 'A', 0x001E0001);
  run_script_as_console("fog.ovs", "LandscapeMgr.setFlagFog(true);\r");
  machine.advance(100);
  const std::string dump = probe->dump();
  for (const char* expected : {"WM_SETCURSOR 0x30c48 0x2000001 sent\n", "WM_KEYDOWN 0x41 0x1e0001 posted\n",
                               "WM_KEYDOWN 0x31 0x20001 injected\n", "script orvenna-console.ovs:\n",
                               "LandscapeMgr.setFlagFog(true);\r"})
    EXPECT_NE(dump.find(expected), std::string::npos) << expected << " in\n" << dump;
  const std::string on =
      dump.substr(dump.find("\non:"), dump.find('\n', dump.find("\non:") + 1) - dump.find("\non:"));
  EXPECT_NE(on.find(" fog"), std::string::npos) << on;
  EXPECT_EQ(on.find(" atmosphere"), std::string::npos) << on;
}

// A strict reader of JSON that only says whether the text is one well-formed value.
class JsonChecker {
 public:
  static bool well_formed(std::string_view text) {
    JsonChecker checker{text};
    return checker.value() && checker.blank_then_end();
  }

 private:
  explicit JsonChecker(std::string_view text) : text_(text) {}
  void skip_blanks() {
    while (at_ < text_.size() && std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos)
      ++at_;
  }
  bool blank_then_end() {
    skip_blanks();
    return at_ == text_.size();
  }
  bool take(char c) {
    skip_blanks();
    if (at_ >= text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  bool word(std::string_view w) {
    if (text_.substr(at_, w.size()) != w) return false;
    at_ += w.size();
    return true;
  }
  bool string() {
    if (!take('"')) return false;
    while (at_ < text_.size() && text_[at_] != '"') {
      if (static_cast<unsigned char>(text_[at_]) < 0x20) return false;
      if (text_[at_] == '\\' && ++at_ < text_.size() && text_[at_] == 'u') at_ += 4;
      ++at_;
    }
    return take('"');
  }
  bool number() {
    const std::size_t start = at_;
    while (at_ < text_.size() &&
           std::string_view("+-.eE0123456789").find(text_[at_]) != std::string_view::npos)
      ++at_;
    return at_ > start;
  }
  template <typename Item>
  bool list(char close, Item item) {
    if (take(close)) return true;
    do {
      if (!item()) return false;
    } while (take(','));
    return take(close);
  }
  bool value() {
    skip_blanks();
    if (at_ >= text_.size()) return false;
    switch (text_[at_]) {
      case '{':
        ++at_;
        return list('}', [this] { return string() && take(':') && value(); });
      case '[':
        ++at_;
        return list(']', [this] { return value(); });
      case '"':
        return string();
      default:
        return word("true") || word("false") || word("null") || number();
    }
  }
  std::string_view text_;
  std::size_t at_ = 0;
};

TEST_F(OrvennaProgramTest, TheJsonDumpIsOneObjectWithWhatItReceivedRanAndHolds) {
  start();
  console_window();
  send_posted_key_burst();
  post_message(WM_KEYDOWN, 'A', 0x001E0001);
  run_script_as_console("label.ovs",
                        "LabelMgr.labelScreen(\"Say \\\"hi\\\"\\tthere\", 10, 20, true, 12, \"#ff0000\");\r");
  machine.advance(100);
  const std::string dump = probe->dump_json();
  EXPECT_TRUE(JsonChecker::well_formed(dump)) << dump;
  for (const char* expected :
       {"\"message\": \"WM_KEYDOWN\", \"wParam\": \"0x41\", \"lParam\": \"0x1e0001\", \"origin\": \"posted\"",
        "\"message\": \"WM_KEYDOWN\", \"wParam\": \"0x31\", \"lParam\": \"0x20001\", \"origin\": "
        "\"injected\"",
        "\"name\": \"orvenna-console.ovs\"", "\"text\": \"Say \\\"hi\\\"\\tthere\"", "\"starts\": 1,",
        "\"landscape\": \"Guereins\"", "\"full_screen\": false"})
    EXPECT_NE(dump.find(expected), std::string::npos) << expected << " in\n" << dump;
  EXPECT_EQ(dump.find("\"atmosphere\""), std::string::npos) << "the posted A turned it off";
}

TEST_F(OrvennaProgramTest, TheDesktopsDumpHoldsItsSection) {
  start();
  send_posted_key_burst();
  post_message(WM_KEYDOWN, 'A', 0x001E0001);
  driver::DesktopUser user(machine);
  const std::string dump = user.dump_json();
  EXPECT_TRUE(JsonChecker::well_formed(dump)) << dump;
  for (const char* expected :
       {"\"orvenna\": {\"starts\": 1,", "\"message\": \"WM_KEYDOWN\", \"wParam\": \"0x41\""})
    EXPECT_NE(dump.find(expected), std::string::npos) << expected << " in\n" << dump;
}

// The equator-line and auto-zoom-out keys the console posts differ by layout, with Shift or
// AltGr injected around some: each is one character in the program's layout.
TEST_F(OrvennaProgramTest, LayoutDependentPostedKeysAreTheCharacterTheyTypeInTheProgramsLayout) {
  enum class Held { none, shift, altgr };
  struct Case {
    const wchar_t* layout;
    Held held;
    WPARAM vk;
    LPARAM lParam;
    bool zoom_out;  // else the equator line
  };
  const Case cases[] = {
      {L"00000410", Held::none, VK_OEM_PERIOD, 0x001E0001, false},
      {L"0000041F", Held::none, VK_OEM_PERIOD, 0x00350001, false},
      {L"0000040A", Held::none, VK_OEM_PERIOD, 0x00340001, false},
      {L"0000040C", Held::shift, VK_OEM_PERIOD, 0x00330001, false},
      {L"00000409", Held::none, VK_OEM_PERIOD, 0x00560001, false},
      {L"00000410", Held::none, VK_OEM_5, 0x001D0001, true},
      {L"0000041F", Held::altgr, VK_OEM_8, 0x200C0001, true},
      {L"0000040A", Held::altgr, VK_OEM_5, 0x20290001, true},
      {L"0000040C", Held::altgr, '8', 0x20090001, true},
      {L"00000409", Held::none, VK_OEM_102, 0x00560001, true},
  };
  for (const Case& c : cases) {
    orvenna::ProgramSettings settings;
    settings.keyboard_layout = c.layout;
    start(settings);
    console_window();
    post_message(WM_KEYDOWN, VK_PRIOR, 0x01500001);
    machine.advance(500);
    post_message(WM_KEYUP, VK_PRIOR, 0x01500001);
    const double zoomed = state().fov;
    const std::vector<BYTE> modifiers = c.held == Held::shift   ? std::vector<BYTE>{VK_LSHIFT}
                                        : c.held == Held::altgr ? std::vector<BYTE>{VK_CONTROL, VK_MENU}
                                                                : std::vector<BYTE>{};
    for (BYTE vk : modifiers)
      inject_record(vk, false);
    send_posted_key_burst();
    machine.advance(80);
    post_message(WM_KEYDOWN, c.vk, c.lParam);
    machine.advance(150);
    post_message(WM_KEYUP, c.vk, c.lParam | static_cast<LPARAM>(0xC0000000));
    for (BYTE vk : modifiers)
      inject_record(vk, true);
    const std::string which = testing::PrintToString(c.layout) + " key " + std::to_string(c.vk);
    EXPECT_EQ(state().flag(SkyFlag::equator_line), !c.zoom_out) << which;
    EXPECT_EQ(state().fov, c.zoom_out ? 180 : zoomed) << which;
    quit();
  }
}

// The console's run of a script, in the layouts where '1' is typed with and without Shift: the
// program reads the loader and the file it includes at the key, before both change.
TEST_F(OrvennaProgramTest, TheRunKeyRunsTheLoadersIncludeEvenWhenTheFileIsDeletedRightAfter) {
  for (const wchar_t* layout : {L"00000409", L"0000040C"}) {
    orvenna::ProgramSettings settings;
    settings.keyboard_layout = layout;
    start(settings);
    const std::string text =
        "LandscapeMgr.setFlagAtmosphere(false);\rcore.wait(1);\rConstellationMgr.setFlagLines(true);\r";
    run_script_as_console("MilkyWay.ovs", text);
    machine.advance(1500);
    EXPECT_FALSE(state().flag(SkyFlag::atmosphere)) << testing::PrintToString(layout);
    EXPECT_TRUE(state().flag(SkyFlag::constellation_lines)) << testing::PrintToString(layout);
    const auto scripts = probe->scripts();
    ASSERT_EQ(scripts.size(), 1u);
    EXPECT_EQ(scripts[0].name, "orvenna-console.ovs");
    EXPECT_NE(scripts[0].text.find(text), std::string::npos) << scripts[0].text;
    const auto messages = probe->messages();
    EXPECT_TRUE(std::any_of(messages.begin(), messages.end(), [](const orvenna::ReceivedMessage& m) {
      return m.message == WM_KEYDOWN && m.wParam == '1' && m.origin == MessageOrigin::injected;
    }));
    quit();
  }
}

TEST_F(OrvennaProgramTest, ASlowReaderFindsTheLoaderIdleAndRunsNothing) {
  orvenna::ProgramSettings settings;
  settings.script_read_delay_ms = 500;
  start(settings);
  run_script_as_console("MilkyWay.ovs", "LandscapeMgr.setFlagAtmosphere(false);\r");
  machine.advance(1000);
  EXPECT_TRUE(state().flag(SkyFlag::atmosphere));
  EXPECT_EQ(last_log(*probe), "cannot include \"##########\"");
}

TEST_F(OrvennaProgramTest, WithoutTheConsolesShortcutsTheRunKeyDoesNothing) {
  start({}, "[navigation]\r\ninit_fov=180\r\n");
  run_script_as_console("MilkyWay.ovs", "LandscapeMgr.setFlagAtmosphere(false);\r");
  machine.advance(1000);
  EXPECT_TRUE(probe->scripts().empty());
  EXPECT_TRUE(state().flag(SkyFlag::atmosphere));
}

TEST_F(OrvennaProgramTest, TheInitialFieldOfViewComesFromConfig) {
  start({}, "[Navigation]\r\n init_fov = 120\r\n");
  EXPECT_EQ(state().fov, 120);
  EXPECT_EQ(state().init_fov, 120);
}

// The fixture registers orvenna.exe without its install folder's content.
TEST_F(OrvennaProgramTest, WithoutItsInstallFolderItSaysSoAndKeepsItsBuiltInNames) {
  start();
  std::vector<std::string> notes;
  for (const orvenna::ScriptLogEntry& entry : probe->log())
    notes.push_back(entry.message);
  EXPECT_NE(std::ranges::find(notes, "no landscapes in the install folder: the built-in ones are used"),
            notes.end());
  EXPECT_NE(std::ranges::find(notes, "no star names in the install folder: the built-in ones are used"),
            notes.end());
  const orvenna::SkyState sky = state();
  EXPECT_EQ(sky.landscape(), "Guereins");
  ASSERT_NE(sky.find_landscape("MOON"), nullptr);
  EXPECT_NE(sky.find_star("Aspidiske"), nullptr);
}

TEST_F(OrvennaProgramTest, ScriptWaitsRunOnTheDesktopClock) {
  start();
  run_script_as_console("wait.ovs", "core.wait(5);\rLandscapeMgr.setFlagFog(true);\r");
  machine.advance(4600);
  EXPECT_FALSE(state().flag(SkyFlag::fog));
  machine.advance(200);
  EXPECT_TRUE(state().flag(SkyFlag::fog));
}

TEST_F(OrvennaProgramTest, StopPauseAndResumeKeysActOnTheRunningScript) {
  start();
  run_script_as_console("long.ovs", "core.wait(10);\rLandscapeMgr.setFlagFog(true);\r");
  machine.advance(1000);
  activate_view();
  inject_character(L'4');
  machine.advance(30000);
  EXPECT_FALSE(state().flag(SkyFlag::fog)) << "paused";
  inject_character(L'5');
  machine.advance(8500);
  EXPECT_FALSE(state().flag(SkyFlag::fog));
  machine.advance(1000);
  EXPECT_TRUE(state().flag(SkyFlag::fog)) << "resumed, with its paused time not counted";

  run_script_as_console("long.ovs", "core.wait(10);\rLandscapeMgr.setFlagFog(false);\r");
  machine.advance(1000);
  activate_view();
  inject_character(L'3');
  machine.advance(20000);
  EXPECT_TRUE(state().flag(SkyFlag::fog));
  EXPECT_EQ(last_log(*probe), "stopped");
}

TEST_F(OrvennaProgramTest, AnUnknownMethodStopsTheScriptAndIsLogged) {
  start();
  run_script_as_console("bad.ovs", "core.noSuchMethod(1);\rLandscapeMgr.setFlagFog(true);\r");
  machine.advance(500);
  EXPECT_FALSE(state().flag(SkyFlag::fog));
  EXPECT_NE(last_log(*probe).find("noSuchMethod"), std::string::npos) << last_log(*probe);
}

TEST_F(OrvennaProgramTest, ACrashInTheMiddleOfAScriptEndsTheProgram) {
  orvenna::ProgramSettings settings;
  settings.crash_after_ms = 1000;
  start(settings);
  run_script_as_console("long.ovs", "core.wait(3);\rLandscapeMgr.setFlagFog(true);\r");
  machine.advance(5000);
  EXPECT_FALSE(running());
  EXPECT_EQ(exit_code(), orvenna::kCrashExitCode);
  EXPECT_EQ(FindWindowW(L"Qt5QWindowIcon", L"Orvenna 0.18.2"), nullptr);
  EXPECT_FALSE(state().flag(SkyFlag::fog));
}

// F11 goes borderless over the monitor the window is on, and back to the window it was.
TEST_F(OrvennaProgramTest, F11SwitchesFullScreenOnTheWindowsMonitorAndBack) {
  start();
  ASSERT_TRUE(SetWindowPos(main, nullptr, 2100, 100, 800, 600, SWP_NOZORDER));
  for (const RECT screen : {RECT{1920, 0, 3840, 1080}, RECT{0, 0, 1920, 1080}}) {
    RECT before{};
    GetWindowRect(main, &before);
    activate_view();
    inject_key(VK_F11);
    EXPECT_TRUE(borderless(main));
    EXPECT_TRUE(probe->full_screen());
    RECT full{};
    GetWindowRect(main, &full);
    EXPECT_TRUE(EqualRect(&full, &screen));
    RECT client{};
    GetClientRect(render, &client);
    EXPECT_EQ(client.right, screen.right - screen.left) << "the render window fills the screen";
    activate_view();
    inject_key(VK_F11);
    EXPECT_TRUE(windowed(main));
    RECT after{};
    GetWindowRect(main, &after);
    EXPECT_TRUE(EqualRect(&after, &before));
    ASSERT_TRUE(SetWindowPos(main, nullptr, 0, 0, 952, 952, SWP_NOZORDER)) << "resizable while windowed";
  }
}

// A screenshot tells windowed from full screen: the caption bar with the title, or the sky.
TEST_F(OrvennaProgramTest, WindowedItShowsACaptionBarThatFullScreenHides) {
  start();
  machine.advance(100);
  auto caption_shown = [this] {
    RECT whole{};
    GetWindowRect(main, &whole);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, (whole.left + whole.right) / 2, whole.top + 6);
    ReleaseDC(nullptr, screen);
    return colour == GetSysColor(COLOR_ACTIVECAPTION) || colour == GetSysColor(COLOR_INACTIVECAPTION);
  };
  EXPECT_TRUE(caption_shown());
  activate_view();
  inject_key(VK_F11);
  machine.advance(100);
  EXPECT_FALSE(caption_shown());
  activate_view();
  inject_key(VK_F11);
  machine.advance(100);
  EXPECT_TRUE(caption_shown());
}

TEST_F(OrvennaProgramTest, APostedQuitOrCloseEndsTheProgram) {
  for (UINT message : {UINT{WM_QUIT}, UINT{WM_CLOSE}}) {
    start();
    PostMessageW(main, message, 0, 0);
    machine.advance(100);
    EXPECT_FALSE(running()) << message;
    EXPECT_EQ(exit_code(), 0u);
    EXPECT_FALSE(IsWindow(main));
    CloseHandle(process);
    process = nullptr;
  }
}

// Held keys act until their key-up, whatever bits the key-up carries.
TEST_F(OrvennaProgramTest, HeldZoomAndArrowKeysMoveTheViewUntilReleased) {
  start();
  post_message(WM_KEYDOWN, VK_SHIFT, 0x002A0001);
  post_message(WM_KEYDOWN, VK_PRIOR, 0x01500001);
  machine.advance(1000);
  const double zoomed = state().fov;
  EXPECT_LT(zoomed, 180);
  post_message(WM_KEYUP, VK_PRIOR, 0x01500001);
  post_message(WM_KEYUP, VK_SHIFT, 0x002A0001);
  machine.advance(1000);
  EXPECT_EQ(state().fov, zoomed);

  post_message(WM_KEYDOWN, VK_RIGHT, 0x01500001);
  machine.advance(500);
  post_message(WM_KEYUP, VK_RIGHT, 0x01500001);
  const double azimuth = state().view.azimuth;
  EXPECT_GT(azimuth, 0);
  machine.advance(500);
  EXPECT_EQ(state().view.azimuth, azimuth);
}

// The console's deselect: a right click posted into the view.
TEST_F(OrvennaProgramTest, ARightClickInTheViewDropsTheSelection) {
  start();
  run_script_as_console("select.ovs", "core.selectObjectByName(\"Mars\", true);\r");
  machine.advance(100);
  ASSERT_EQ(state().selection(), "Mars");
  post_message(WM_RBUTTONDOWN, MK_RBUTTON, 961);
  post_message(WM_MOUSEMOVE, MK_RBUTTON, 961);
  post_message(WM_RBUTTONUP, 0, 961);
  EXPECT_EQ(state().selection(), "");
}

TEST_F(OrvennaProgramTest, TimeKeysSetTheRateAsTheConsolesSpeedButtonsCount) {
  start();
  activate_view();
  for (wchar_t key : {L'7', L'k', L'l', L'L'})
    inject_character(key);
  EXPECT_NEAR(state().time_rate(), 9.88 * 2, 1e-9);
  for (wchar_t key : {L'7', L'k', L'j', L'j', L'j'})
    inject_character(key);
  EXPECT_NEAR(state().time_rate(), -9.88, 1e-9);
  inject_character(L'7');
  EXPECT_EQ(state().time_rate(), 0);
}

TEST_F(OrvennaProgramTest, ModifiedKeysTurnTheViewAndToggleLabels) {
  start();
  activate_view();
  inject_key(static_cast<SHORT>(0x100 | 'E'));  // Shift+E
  EXPECT_EQ(state().view.azimuth, 90);
  EXPECT_FALSE(state().flag(SkyFlag::equator_grid)) << "Shift+E is not the grid's key";
  inject_key(static_cast<SHORT>(0x400 | 'S'));  // Alt+S
  EXPECT_TRUE(state().flag(SkyFlag::star_names));
  inject_key(static_cast<SHORT>(0x200 | 'M'));  // Ctrl+M
  EXPECT_TRUE(state().flag(SkyFlag::equatorial_mount));
  inject_key(static_cast<SHORT>(0x500 | 'S'));  // Alt+Shift+S
  EXPECT_EQ(state().view.azimuth, 180);
}

TEST_F(OrvennaProgramTest, TheDrawingShowsTheAtmosphereAndTheGround) {
  start();
  machine.advance(100);
  RECT client{};
  GetClientRect(view, &client);
  const POINT sky_points[] = {{7, 9}, {client.right / 3, 40}, {client.right - 11, 25}};
  const POINT ground_point{client.right / 2 + 3, client.bottom - 40};
  std::vector<COLORREF> lit;
  for (POINT p : sky_points)
    lit.push_back(on_screen(view, p.x, p.y));
  const COLORREF ground = on_screen(view, ground_point.x, ground_point.y);

  send_posted_key_burst();
  post_message(WM_KEYDOWN, 'A', 0x001E0001);
  post_message(WM_KEYDOWN, 'G', 0x001E0001);
  machine.advance(100);
  for (std::size_t i = 0; i < lit.size(); ++i)
    EXPECT_NE(on_screen(view, sky_points[i].x, sky_points[i].y), lit[i]) << i;
  EXPECT_EQ(on_screen(view, sky_points[0].x, sky_points[0].y), RGB(0, 0, 0)) << "no atmosphere: black space";
  EXPECT_NE(on_screen(view, ground_point.x, ground_point.y), ground);
}

// A video drawn into a child of the render window, frame by frame through GetDC, as a hosted
// player does: the sky's repaints leave it alone.
TEST_F(OrvennaProgramTest, TheSkysRepaintsLeaveAChildOfTheRenderWindowAlone) {
  start();
  constexpr COLORREF kFrame = RGB(0, 200, 0);
  HWND video = nullptr;
  machine.start_thread(machine.create_process(L"player.exe"), [&video, this] {
    WNDCLASSEXW video_class{};
    video_class.cbSize = sizeof(video_class);
    video_class.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
      if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
      PAINTSTRUCT paint{};
      BeginPaint(hwnd, &paint);
      EndPaint(hwnd, &paint);
      return 0;
    };
    video_class.lpszClassName = L"VideoSurface";
    RegisterClassExW(&video_class);
    video = CreateWindowExW(0, L"VideoSurface", nullptr, WS_CHILD | WS_VISIBLE, 40, 30, 160, 90, render,
                            nullptr, nullptr, nullptr);
    UpdateWindow(video);
    HDC dc = GetDC(video);
    HBRUSH frame = CreateSolidBrush(kFrame);
    RECT area{0, 0, 160, 90};
    FillRect(dc, &area, frame);
    DeleteObject(frame);
    ReleaseDC(video, dc);
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
      DispatchMessageW(&msg);
    return DWORD{0};
  });
  machine.advance(100);
  ASSERT_NE(video, nullptr);
  ASSERT_EQ(on_screen(video, 80, 45), kFrame);
  send_posted_key_burst();
  post_message(WM_KEYDOWN, 'A', 0x001E0001);
  machine.advance(100);
  EXPECT_EQ(on_screen(video, 80, 45), kFrame);
  PostMessageW(video, WM_QUIT, 0, 0);
}

}  // namespace
