// The console's start-up: the layout chooser, its refusals (each showing the taskbar again), the
// placement by layout, the scaling of the controls and what is drawn once it has started.
#include <algorithm>
#include <cmath>
#include <functional>

#include "peers/orvenna/install/installer.h"
#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "res/console_resources.h"
#include "src/app/main_dialog_controls.h"
#include "src/app/window/which_edition.h"
#include "src/settings/ini_files.h"
#include "src/settings/planetarium_config.h"
#include "src/settings/settings_key.h"
#include "src/util/user_folder.h"
#include "tests/app/console_dialog_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

constexpr int SecondaryRadio = CWhichEdition::SecondaryScreenRadio;
constexpr int TwoMonitorRadio = CWhichEdition::TwoMonitorRadio;
constexpr int TrainingRadio = CWhichEdition::TrainingRadio;

bool TaskbarShown() {
  return IsWindowVisible(FindWindowW(L"Shell_TrayWnd", L"")) != FALSE;
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

COLORREF ScreenPixel(POINT at) {
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

// The dialog's stretched background picture under that point of the screen.
COLORREF BackgroundPixel(const TestConsoleDlg& dlg, POINT at) {
  ScreenToClient(dlg.GetSafeHwnd(), &at);
  return GetPixel(dlg.backgroundDC.GetSafeHdc(), at.x, at.y);
}

void ExpectRect(const RECT& rect, RECT expected, const char* what) {
  EXPECT_EQ(rect.left, expected.left) << what;
  EXPECT_EQ(rect.top, expected.top) << what;
  EXPECT_EQ(rect.right, expected.right) << what;
  EXPECT_EQ(rect.bottom, expected.bottom) << what;
}

struct RefusalCase {
  const char* what;
  std::function<void(desktop::DesktopConfig&)> machine;
  std::function<void(desktop::Desktop&)> prepare;
  const wchar_t* message;
  long exitCode;  // -1: the console goes on
  bool orvennaStarted = true;
  int answer = IDOK;
};

// Where the installer leaves Orvenna's folder and name.
constexpr const wchar_t* OrvennaUninstallKeys[] = {
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1",
    L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1"};

void SetOrvennaName(const wchar_t* name) {
  for (const wchar_t* path : OrvennaUninstallKeys) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_WRITE, &key) != ERROR_SUCCESS) continue;
    RegSetValueExW(key, L"DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>(name),
                   static_cast<DWORD>((wcslen(name) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
}

void UninstallOrvenna() {
  for (const wchar_t* path : OrvennaUninstallKeys)
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, path);
}

void AddLandscapes(int count) {
  const std::wstring folder = orvenna::install_folder_of({}) + L"landscapes\\extra";
  for (int i = 0; i < count; ++i)
    ASSERT_TRUE(CreateDirectoryW((folder + std::to_wstring(i)).c_str(), nullptr));
}

const RefusalCase RefusalCases[] = {
    {"a screen at 120 dpi",
     [](desktop::DesktopConfig& config) {
       for (desktop::MonitorConfig& monitor : config.monitors)
         monitor.dpi_x = monitor.dpi_y = 120;
     },
     {},
     L"(120x120 DPI instead of 96x96 DPI). To run Orvenna Console you have to set the screen resolution to "
     L"\u00ABsmaller - 100% (default)\u00BB.",
     0},
    {"Windows 6.0",
     [](desktop::DesktopConfig& config) { config.windows_version.minor = 0; },
     {},
     L"Orvenna Console must run under Windows 7.\n\nError # 100098.",
     30},
    {"an unsupported Orvenna",
     {},
     [](desktop::Desktop&) { SetOrvennaName(L"Orvenna 0.19.0"); },
     L"The installed version of Orvenna is not compatible",
     static_cast<long>(static_cast<DWORD>(-4))},
    {"51 landscapes", {}, [](desktop::Desktop&) { AddLandscapes(19); }, L"Error # 100093.", 0},
    {"50 landscapes", {}, [](desktop::Desktop&) { AddLandscapes(18); }, nullptr, -1},
    {"an unreadable OCconfig.ini only warns",
     {},
     [](desktop::Desktop& machine) {
       const std::wstring options = orvenna::user_folder_of(machine) + L"\\OCconfig.ini";
       ASSERT_TRUE(DeleteFileW(options.c_str()));
       ASSERT_TRUE(CreateDirectoryW(options.c_str(), nullptr));
     },
     L"The config file (OCconfig.ini) is there but cannot be read",
     -1},
    {"an unreadable config.ini of Orvenna's says its script keys are unbound",
     {},
     [](desktop::Desktop& machine) {
       const std::wstring config = orvenna::user_folder_of(machine) + L"\\config.ini";
       DeleteFileW(config.c_str());
       ASSERT_TRUE(CreateDirectoryW(config.c_str(), nullptr));
     },
     L"Orvenna's configuration (config.ini) could not be read or written",
     -1},
    {"Orvenna not installed",
     {},
     [](desktop::Desktop&) { UninstallOrvenna(); },
     L"Orvenna Folder not found.",
     static_cast<long>(static_cast<DWORD>(-1))},
    {"an Orvenna the presenter does not start", {}, {}, L"Orvenna seems not to run.", 1, false, IDNO},
};

class StartUpRefusalTest : public ConsoleDialogTest, public ::testing::WithParamInterface<RefusalCase> {
 protected:
  StartUpRefusalTest() : ConsoleDialogTest(Machine()) {}
  static desktop::DesktopConfig Machine() {
    desktop::DesktopConfig config = MachineOn({{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}});
    if (GetParam().machine) GetParam().machine(config);
    return config;
  }
};

TEST_P(StartUpRefusalTest, RefusesWithItsMessageAndShowsTheTaskbarAgain) {
  const RefusalCase& refusal = GetParam();
  WriteConsoleOptions();
  if (refusal.prepare) refusal.prepare(machine);
  if (refusal.orvennaStarted) StartOrvenna();
  StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
  // The console on the secondary monitor hides the taskbar until it ends.
  ChooseLayout(TwoMonitorRadio, SecondaryRadio);
  HWND box = MessageBoxShown();
  if (refusal.message == nullptr) {
    EXPECT_EQ(box, nullptr) << MessageBoxText(box);
  } else {
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find(refusal.message), std::wstring::npos) << MessageBoxText(box);
    EXPECT_FALSE(TaskbarShown());
    // Over its monitor the console stays hidden until its start-up is through.
    EXPECT_FALSE(IsWindowVisible(MainDialog()));
    // Answered with the mouse: the box is on top, where the presenter can click it.
    driver::DesktopUser user{machine};
    user.answer_next_message_box(refusal.answer);
    const driver::Outcome answered = user.wait(0);
    ASSERT_TRUE(answered) << answered.reason;
  }
  machine.advance(3000);
  EXPECT_EQ(ExitCode(), refusal.exitCode);
  if (refusal.exitCode != -1) {
    EXPECT_TRUE(TaskbarShown());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, StartUpRefusalTest, ::testing::ValuesIn(RefusalCases),
                         [](const ::testing::TestParamInfo<RefusalCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

TEST_F(ConsoleDialogTest, CancellingTheChooserEndsTheConsoleBeforeAnythingShows) {
  StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
  HWND chooser = Chooser();
  ASSERT_NE(chooser, nullptr);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(chooser, IDOK)));
  EXPECT_EQ(SendMessageW(GetDlgItem(chooser, CWhichEdition::PrimaryScreenRadio), BM_GETCHECK, 0, 0),
            BST_CHECKED);
  // Enter after a screen radio alone gives no layout: the chooser stays.
  PostMessageW(GetDlgItem(chooser, SecondaryRadio), BM_CLICK, 0, 0);
  machine.run_until_idle();
  PostMessageW(chooser, WM_COMMAND, IDOK, 0);
  machine.run_until_idle();
  ASSERT_EQ(Chooser(), chooser);
  PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
  machine.run_until_idle();
  EXPECT_EQ(Chooser(), nullptr);
  EXPECT_EQ(ExitCode(), 0);
  EXPECT_EQ(MessageBoxShown(), nullptr);
  EXPECT_EQ(probe->starts(), 0);
}

TEST_F(ConsoleDialogTest, TheTrainingLayoutTakesNoScreenAndEscapeAfterALayoutStillQuits) {
  StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
  HWND chooser = Chooser();
  ASSERT_NE(chooser, nullptr);
  auto enabled = [chooser](int id) { return IsWindowEnabled(GetDlgItem(chooser, id)) != FALSE; };
  auto click = [this, chooser](int id) {
    PostMessageW(GetDlgItem(chooser, id), BM_CLICK, 0, 0);
    machine.run_until_idle();
  };
  click(SecondaryRadio);
  EXPECT_FALSE(enabled(IDOK));
  click(TrainingRadio);
  EXPECT_TRUE(enabled(IDOK));
  EXPECT_FALSE(enabled(CWhichEdition::PrimaryScreenRadio));
  EXPECT_FALSE(enabled(SecondaryRadio));
  click(TwoMonitorRadio);
  EXPECT_TRUE(enabled(CWhichEdition::PrimaryScreenRadio));
  EXPECT_TRUE(enabled(SecondaryRadio));
  PostMessageW(GetDlgItem(chooser, TwoMonitorRadio), WM_KEYDOWN, VK_ESCAPE, 0);
  machine.run_until_idle();
  EXPECT_EQ(Chooser(), nullptr);
  EXPECT_EQ(ExitCode(), 0);
  EXPECT_EQ(MessageBoxShown(), nullptr);
  EXPECT_EQ(probe->starts(), 0);
}

TEST_F(ConsoleDialogTest, TheStartUpKeepsTheStoredInterfaceLanguageForTheDialogs) {
  SettingsWriter().Dword(L"Language", 2);
  WriteConsoleOptions();
  StartOrvenna();
  StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
  ASSERT_EQ(dialog->consoleState.language, 0);
  ChooseLayout(TrainingRadio);
  machine.advance(100);
  EXPECT_EQ(dialog->consoleState.language, 2);
}

TEST_F(ConsoleDialogTest, TheStartUpListsTheSolarSystemsBodiesInTheirOrder) {
  WriteConsoleOptions();
  StartOrvenna();
  StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
  EXPECT_TRUE(dialog->SolarSystemNameList.empty());
  ChooseLayout(TrainingRadio);
  machine.advance(100);
  ASSERT_EQ(dialog->SolarSystemNameList.size(), 62u);
  EXPECT_EQ(dialog->SolarSystemNameList[0], L"Eris");
  EXPECT_EQ(dialog->SolarSystemNameList[42], L"Ganymede");
  EXPECT_EQ(dialog->SolarSystemNameList[61], L"Earth");
}

TEST_F(ConsoleDialogTest, ATransparentControlAskingBeforeTheFirstSizeMessageGetsNothingAndIsNotErased) {
  StartDialog();
  constexpr COLORREF ChildsOwn = RGB(1, 2, 3);
  LRESULT answer = 0;
  COLORREF after = 0;
  Run([&](TestConsoleDlg& dlg) {
    ASSERT_EQ(dlg.backgroundDC.GetSafeHdc(), nullptr);
    HDC screen = GetDC(nullptr);
    HDC piece = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    HGDIOBJ previous = SelectObject(piece, bitmap);
    HBRUSH brush = CreateSolidBrush(ChildsOwn);
    const RECT all{0, 0, 8, 8};
    FillRect(piece, &all, brush);
    answer = dlg.SendMessage(WM_USER + 1021, reinterpret_cast<WPARAM>(piece),
                             reinterpret_cast<LPARAM>(GetDlgItem(dlg.GetSafeHwnd(), 1051)));
    after = GetPixel(piece, 3, 3);
    DeleteObject(brush);
    SelectObject(piece, previous);
    DeleteObject(bitmap);
    DeleteDC(piece);
    ReleaseDC(nullptr, screen);
  });
  EXPECT_EQ(answer, 1);
  EXPECT_EQ(after, ChildsOwn);
}

TEST_F(ConsoleDialogTest, AnUnsupportedOrvennaIsRefusedWithTheSplashPutAway) {
  WriteConsoleOptions();
  SetOrvennaName(L"Orvenna 0.19.0");
  StartOrvenna();
  StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
  ChooseLayout(TrainingRadio);
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageBoxText(box).find(L"not compatible"), std::wstring::npos) << MessageBoxText(box);
  HWND splash = dialog->splash.GetSafeHwnd();
  ASSERT_NE(splash, nullptr);
  EXPECT_FALSE(IsWindowVisible(splash));
}

TEST_F(ConsoleDialogTest, TheTrainingWindowSitsAtTheBottomRightBesideOrvennaAndBothAreDrawn) {
  WriteConsoleOptions();
  StartOrvenna();
  StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
  // A screen radio clicked before the training layout does not move the console off the primary.
  ChooseLayout(TrainingRadio, SecondaryRadio);
  machine.advance(100);
  EXPECT_EQ(StatusLine(), L"Please, wait a moment...");
  machine.advance(20000);
  ASSERT_EQ(MessageBoxShown(), nullptr) << MessageBoxText(MessageBoxShown());
  HWND main = MainDialog();
  ASSERT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(dialog->ConsoleScreen, 1);
  ExpectRect(WindowRect(main), {1920 - 968, 1080 - 621, 1920 - 968 + 964, 1080 - 621 + 573},
             "training window");
  EXPECT_TRUE(GetWindowLongW(main, GWL_STYLE) & WS_CAPTION);
  EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
  // Scaled into the window less its caption and border, no key is cut off.
  RECT client{};
  GetClientRect(main, &client);
  for (const MainDialogControl& control : MainDialogControls) {
    RECT key = WindowRect(GetDlgItem(main, control.id));
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&key), 2);
    EXPECT_TRUE(key.left >= 0 && key.top >= 0 && key.right <= client.right && key.bottom <= client.bottom)
        << control.id;
  }
  EXPECT_TRUE(TaskbarShown());
  wchar_t caption[64] = {};
  GetWindowTextW(main, caption, 64);
  EXPECT_STREQ(caption, L"Orvenna Console Training v. 5.2.3");
  // Two seconds after the start-up the console brought Orvenna to its start state.
  ASSERT_FALSE(probe->scripts().empty());
  EXPECT_NE(probe->scripts().front().text.find("core.setSkyCulture(\"western\");"), std::string::npos);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(main, 2039)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, 2041)));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, COrvennaConsoleDlg::StatusLineId)));

  EXPECT_EQ(reinterpret_cast<UINT_PTR>(GetPropW(main, L"MicrosoftTabletPenServiceProperty")), 0x00010019u);
  // The training splash, 400 by 300, went with timer 110.
  HWND splash = dialog->splash.GetSafeHwnd();
  ASSERT_NE(splash, nullptr);
  EXPECT_FALSE(IsWindowVisible(splash));
  RECT splashRect = WindowRect(splash);
  EXPECT_EQ(splashRect.right - splashRect.left, 400);
  EXPECT_EQ(splashRect.bottom - splashRect.top, 300);
  EXPECT_NE(std::find(dialog->firedTimers.begin(), dialog->firedTimers.end(), 110u),
            dialog->firedTimers.end());

  // Painted: the console's dark background beside its keys, and Orvenna's window at the top left.
  Run([](TestConsoleDlg& dlg) { dlg.RedrawWindow(); });
  // Painting leaves the training window where it was placed.
  ExpectRect(WindowRect(main), {1920 - 968, 1080 - 621, 1920 - 968 + 964, 1080 - 621 + 573},
             "training window");
  RECT exit = WindowRect(GetDlgItem(main, 1051));
  const POINT besideExitPoint{exit.left - 3, (exit.top + exit.bottom) / 2};
  const COLORREF besideExit = ScreenPixel(besideExitPoint);
  EXPECT_EQ(besideExit, BackgroundPixel(*dialog, besideExitPoint));
  EXPECT_LT(GetRValue(besideExit) + GetGValue(besideExit) + GetBValue(besideExit), 120)
      << std::hex << besideExit;
  EXPECT_NE(besideExit, RGB(0, 0, 0)) << "nothing drawn";
  HDC screen = GetDC(nullptr);
  RECT planetarium = WindowRect(FindWindowW(L"Qt5QWindowIcon", nullptr));
  EXPECT_LE(planetarium.right, 1920 - 968);
  const COLORREF sky = GetPixel(screen, (planetarium.left + planetarium.right) / 2,
                                (planetarium.top + planetarium.bottom) / 2);
  const COLORREF desktopBehind = GetPixel(screen, 1919, 5);
  EXPECT_NE(sky, desktopBehind);
  ReleaseDC(nullptr, screen);
}

TEST_F(ConsoleDialogTest, TheTrainingWindowMinimisedAndRestoredIsDrawnAgainInItsPlace) {
  WriteConsoleOptions();
  StartOrvenna();
  StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
  ChooseLayout(TrainingRadio);
  machine.advance(20000);
  ASSERT_EQ(MessageBoxShown(), nullptr) << MessageBoxText(MessageBoxShown());
  HWND main = MainDialog();
  const RECT placed = WindowRect(main);
  RECT client{};
  GetClientRect(main, &client);
  POINT farCorner{client.right - 2, client.bottom - 2};
  ClientToScreen(main, &farCorner);
  const RECT exit = WindowRect(GetDlgItem(main, 1051));
  const POINT besideExit{exit.left - 3, (exit.top + exit.bottom) / 2};
  const COLORREF cornerBefore = ScreenPixel(farCorner);
  const COLORREF besideExitBefore = ScreenPixel(besideExit);
  ASSERT_EQ(cornerBefore, BackgroundPixel(*dialog, farCorner));
  ASSERT_NE(cornerBefore, RGB(0, 0, 0));

  ShowWindow(main, SW_MINIMIZE);
  machine.advance(100);
  ASSERT_TRUE(IsIconic(main));
  Run([](TestConsoleDlg& dlg) { dlg.RedrawWindow(); });
  ShowWindow(main, SW_RESTORE);
  machine.advance(100);
  ASSERT_FALSE(IsIconic(main));
  Run([](TestConsoleDlg& dlg) { dlg.RedrawWindow(); });
  ExpectRect(WindowRect(main), placed, "restored training window");
  EXPECT_EQ(ScreenPixel(farCorner), cornerBefore);
  EXPECT_EQ(ScreenPixel(besideExit), besideExitBefore);
}

TEST_F(ConsoleDialogTest, TheTrainingLayoutBringsOrvennaBackToThePrimaryMonitor) {
  WriteConsoleOptions();
  StartOrvenna();
  StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
  ChooseLayout(TrainingRadio);
  machine.advance(20000);
  ASSERT_EQ(MessageBoxShown(), nullptr) << MessageBoxText(MessageBoxShown());
  HWND planetarium = FindWindowW(L"Qt5QWindowIcon", nullptr);
  ASSERT_NE(planetarium, nullptr);
  RECT secondary{};
  SIZE half{};
  Run([&](TestConsoleDlg& dlg) {
    secondary = dlg.secondaryMonitorRect;
    half = {dlg.planetariumHalfSizeX, dlg.planetariumHalfSizeY};
  });
  ASSERT_GT(half.cx, 0);
  SetWindowPos(planetarium, nullptr, secondary.left + 10, secondary.top + 10, 300, 300, SWP_NOZORDER);
  machine.advance(1500);
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageBoxText(box).find(L"not the primary one"), std::wstring::npos);
  Answer(box, IDOK);
  machine.advance(100);
  ExpectRect(WindowRect(planetarium), {0, 0, 2 * half.cx, 2 * half.cy},
             "Orvenna back at the primary's corner with the square placement's size");
  // The check goes on every second, and keeps the console on the primary too.
  const HWND console = MainDialog();
  SetWindowPos(console, nullptr, secondary.left + 10, secondary.top + 10, 964, 573, SWP_NOZORDER);
  machine.advance(1100);
  box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageBoxText(box).find(L"not the primary one"), std::wstring::npos);
  Answer(box, IDOK);
  machine.advance(100);
  ExpectRect(WindowRect(console), {1920 - 968, 1080 - 621, 1920 - 968 + 964, 1080 - 621 + 573},
             "the console back at the training place");
  machine.advance(3000);
  EXPECT_EQ(MessageBoxShown(), nullptr);
}

TEST_F(ConsoleDialogTest, TheStartUpPutsBackOrvennasShortcutsAndFieldOfView) {
  const std::wstring config = PlanetariumUserFile(L"config.ini");
  // The fixture's machine has the console's values already: that file is what the start-up makes.
  std::string wanted = read_file(config.c_str());
  ASSERT_NE(wanted.find("init_fov=180\r\n"), std::string::npos);
  // The start state that follows the start-up switches the satellites plug-in off for Orvenna's
  // next start.
  const std::size_t satellites = wanted.find("Satellites=true");
  ASSERT_NE(satellites, std::string::npos);
  wanted.replace(satellites, 15, "Satellites=false");
  ASSERT_TRUE(WriteIniValue(PlanetariumConfigIni, L"navigation", L"init_fov", L"180.0"));
  ASSERT_TRUE(WriteIniValue(PlanetariumConfigIni, L"shortcuts", L"actionStop_Script", L"Ctrl+S"));
  ASSERT_NE(read_file(config.c_str()), wanted);
  WriteConsoleOptions();
  StartOrvenna();
  StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
  ChooseLayout(TrainingRadio);
  machine.advance(20000);
  EXPECT_EQ(read_file(config.c_str()), wanted);
}

TEST_F(ConsoleDialogTest, AConfigWithoutShortcutsGetsThemAndOrvennaRunsTheStartStateByThem) {
  const std::wstring config = PlanetariumUserFile(L"config.ini");
  std::string withoutShortcuts = read_file(config.c_str());
  const std::size_t shortcuts = withoutShortcuts.find("[shortcuts]");
  ASSERT_NE(shortcuts, std::string::npos);
  const std::size_t next = withoutShortcuts.find("\n[", shortcuts);
  withoutShortcuts.erase(shortcuts, next == std::string::npos ? std::string::npos : next + 1 - shortcuts);
  ASSERT_TRUE(write_file(config.c_str(), withoutShortcuts));
  WriteConsoleOptions();
  // Orvenna reads its shortcuts when it starts: here the console's start-up starts it.
  StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
  ChooseLayout(TrainingRadio);
  machine.advance(1000);
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageBoxText(box).find(L"Orvenna seems not to run."), std::wstring::npos);
  Answer(box, IDYES);
  machine.advance(20000);
  ASSERT_EQ(MessageBoxShown(), nullptr) << MessageBoxText(MessageBoxShown());
  for (const PlanetariumConfigEntry& entry : PlanetariumConfigEntries) {
    std::wstring value;
    EXPECT_TRUE(ReadIniValue(PlanetariumConfigIni, entry.section, entry.key, value));
    EXPECT_EQ(value, entry.wanted) << entry.key;
  }
  EXPECT_EQ(probe->starts(), 1);
  ASSERT_FALSE(probe->scripts().empty()) << "the loader's key did nothing";
  EXPECT_NE(probe->scripts().front().text.find("core.setSkyCulture(\"western\");"), std::string::npos);
}

struct TwoMonitorCase {
  int screenRadio;
  RECT expected;
  bool taskbarShown;
};

class TwoMonitorPlacementTest : public ConsoleDialogTest,
                                public ::testing::WithParamInterface<TwoMonitorCase> {};

TEST_P(TwoMonitorPlacementTest, TheConsoleCoversTheChosenMonitor) {
  const TwoMonitorCase& layout = GetParam();
  WriteConsoleOptions();
  StartOrvenna();
  StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
  ChooseLayout(TwoMonitorRadio, layout.screenRadio);
  machine.advance(20000);
  ASSERT_EQ(MessageBoxShown(), nullptr) << MessageBoxText(MessageBoxShown());
  HWND main = MainDialog();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(ExitCode(), -1);
  EXPECT_TRUE(IsWindowVisible(main));
  ExpectRect(WindowRect(main), layout.expected, "two-monitor window");
  EXPECT_EQ(TaskbarShown(), layout.taskbarShown);
  EXPECT_EQ(dialog->consoleState.consoleScreenCopy, layout.taskbarShown) << "the console on the primary";
  // At a scale of one the exit key keeps its design size.
  HWND exitKey = GetDlgItem(main, 1051);
  RECT exit = WindowRect(exitKey);
  EXPECT_NEAR(exit.right - exit.left, 144, 2);
  EXPECT_NEAR(exit.bottom - exit.top, 48, 2);
  // The key is drawn from its picture: the exit key's dark red face.
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetPixel(screen, exit.left + 12, (exit.top + exit.bottom) / 2), RGB(0x2A, 0x0C, 0x0C));
  ReleaseDC(nullptr, screen);

  // A transparent control gets the piece of the background under it.
  COLORREF given = 0;
  COLORREF under = 0;
  Run([&](TestConsoleDlg& dlg) {
    HDC screen = GetDC(nullptr);
    HDC piece = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    HGDIOBJ previous = SelectObject(piece, bitmap);
    EXPECT_EQ(
        dlg.SendMessage(WM_USER + 1021, reinterpret_cast<WPARAM>(piece), reinterpret_cast<LPARAM>(exitKey)),
        1);
    given = GetPixel(piece, 3, 3);
    POINT corner{exit.left, exit.top};
    ScreenToClient(dlg.GetSafeHwnd(), &corner);
    under = GetPixel(dlg.backgroundDC.GetSafeHdc(), corner.x + 3, corner.y + 3);
    SelectObject(piece, previous);
    DeleteObject(bitmap);
    DeleteDC(piece);
    ReleaseDC(nullptr, screen);
  });
  EXPECT_EQ(given, under);
}

INSTANTIATE_TEST_SUITE_P(Screens, TwoMonitorPlacementTest,
                         ::testing::Values(TwoMonitorCase{0, {0, 0, 1920, 1080}, true},
                                           TwoMonitorCase{SecondaryRadio, {1920, 0, 3840, 1080}, false}));

struct ScaleCase {
  const char* what;
  RECT control;
  float sx, sy;
  ScalingFrame frame;
  ScaledPlacement expected;
};

TEST(ScaleControlTest, PlacesAControlByLayoutAndFactors) {
  const ScalingFrame primary{TwoMonitorLayout, 1, {1920, 0, 3840, 1080}, {0, 0, 1920, 1080}, 0, 0};
  const ScalingFrame secondary{TwoMonitorLayout, 0, {1920, 0, 3200, 1024}, {1920, 0, 3200, 1024}, 0, 0};
  const ScalingFrame training{TrainingLayout, 1, {}, {952, 459, 1916, 1032}, 8, 30};
  const ScaleCase cases[] = {
      {"full HD keeps the design", {300, 200, 420, 260}, 1.0f, 1.0f, primary, {300, 200, 120, 60}},
      {"1280 by 1024",
       {300, 200, 420, 260},
       1280.0f / 1920.0f,
       1024.0f / 1080.0f,
       primary,
       {200, 189, 80, 56}},
      {"secondary monitor, from its origin",
       {2220, 200, 2340, 260},
       1280.0f / 1920.0f,
       1024.0f / 1080.0f,
       secondary,
       {200, 189, 80, 56}},
      {"training window",
       {952 + 4 + 300, 459 + 26 + 200, 952 + 4 + 420, 459 + 26 + 260},
       964.0f / 1920.0f,
       573.0f / 1080.0f,
       training,
       {144, 101, 60, 31}},
  };
  for (const ScaleCase& scale : cases)
    EXPECT_EQ(ScaledControlPlacement(scale.control, scale.sx, scale.sy, scale.frame), scale.expected)
        << scale.what;
}

TEST(LiveMonitorScreenTest, WithoutOrvennasWindowTheAspectIsTheDesigns) {
  const LiveMonitorScreen beside = MeasureLiveMonitorScreen({0, 0, 3840, 1080}, {0, 0, 1920, 1080}, true);
  EXPECT_EQ(beside.width, 1920);
  EXPECT_EQ(beside.height, 1080);
  EXPECT_FLOAT_EQ(beside.aspect, 1920.0f / 1080.0f);
  const LiveMonitorScreen none = MeasureLiveMonitorScreen({}, {952, 459, 1916, 1032}, true);
  EXPECT_TRUE(std::isfinite(none.aspect));
  EXPECT_FLOAT_EQ(none.aspect, DesignAspect);
}

class MainDialogResourcesTest : public DesktopTest {};

TEST_F(MainDialogResourcesTest, EveryKeyNamesPicturesThatExistAndTheTemplateHoldsEveryControl) {
  SetModuleResources(&console_resources());
  for (UINT picture : {109u, 2000u, 2021u, 21029u})
    EXPECT_NE(LoadBitmapW(nullptr, MAKEINTRESOURCEW(picture)), nullptr) << picture;
  HWND main = CreateDialogParamW(nullptr, MAKEINTRESOURCEW(COrvennaConsoleDlg::IDD), nullptr, nullptr, 0);
  ASSERT_NE(main, nullptr);
  for (const MainDialogControl& control : MainDialogControls) {
    EXPECT_NE(GetDlgItem(main, control.id), nullptr) << control.id;
    if (control.normalBitmap == 0) continue;
    EXPECT_NE(LoadBitmapW(nullptr, MAKEINTRESOURCEW(control.normalBitmap)), nullptr) << control.id;
    EXPECT_NE(LoadBitmapW(nullptr, MAKEINTRESOURCEW(control.activeBitmap)), nullptr) << control.id;
  }
  DestroyWindow(main);
}

}  // namespace
