// The buttons that act while they are held, the arrow keys and pen presses, driven by the desktop's
// user on the console with the stand-in Orvenna beside it; what Orvenna's view received is checked.
#include <algorithm>
#include <filesystem>

#include "platform/desktop/mouse_input.h"
#include "platform/desktop/png_file.h"
#include "platform/driver/desktop_user.h"
#include "platform/win/gdiplus_api.h"
#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/settings/ini_files.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

using Pointer = driver::DesktopUser::Pointer;

struct Key {
  UINT message;
  WPARAM key;
  LPARAM lParam;
  bool operator==(const Key&) const = default;
};

constexpr int ZoomInId = 1842;
constexpr int ZoomOutId = 1843;
constexpr int TimeForwardId = 1097;
constexpr int TimeBackwardId = 1096;
constexpr int AtmosphereId = 1012;
constexpr wchar_t PausedText[] = L"The recording is paused!";
constexpr wchar_t RecordingText[] = L"Feature not available during recording";
constexpr wchar_t HoldLongerText[] = L"Keep the button pressed for more than one second!";
const Key ShiftDown{WM_KEYDOWN, VK_SHIFT, 0x002A0001};

void PrintTo(const Key& key, std::ostream* out) {
  *out << std::hex << "{" << key.message << ", " << key.key << ", " << key.lParam << "}";
}

class HeldButtonsTest : public ConsoleWithOrvennaTest {
 protected:
  void SetUp() override {
    ConsoleWithOrvennaTest::SetUp();
    ConsoleToFront();
    Mark();
  }

  // In front with a button focused, as the presenter's last click leaves it.
  void ConsoleToFront() {
    Run([](TestConsoleDlg& dlg) {
      ::SetForegroundWindow(dlg.m_hWnd);
      dlg.GetDlgItem(AtmosphereId)->SetFocus();
    });
  }
  void Mark() { mark = probe->messages().size(); }

  // The keys that Orvenna got since the mark: posted to its view, or typed into whichever of its
  // windows had the focus.
  std::vector<Key> KeysSinceMark() const {
    std::vector<Key> keys;
    const std::vector<orvenna::ReceivedMessage> messages = probe->messages();
    const orvenna::ProgramWindows windows = probe->windows();
    for (std::size_t i = mark; i < messages.size(); ++i) {
      const orvenna::ReceivedMessage& m = messages[i];
      if ((m.window == windows.render || m.window == windows.main) &&
          (m.message == WM_KEYDOWN || m.message == WM_KEYUP))
        keys.push_back({m.message, m.wParam, m.lParam});
    }
    return keys;
  }
  long CountSinceMark(UINT message, WPARAM key) const {
    const std::vector<Key> keys = KeysSinceMark();
    return std::count_if(keys.begin(), keys.end(),
                         [&](const Key& k) { return k.message == message && k.key == key; });
  }
  void Press(int id, Pointer with = Pointer::Mouse) { ASSERT_TRUE(user.press(id, with)) << id; }
  void Release(int id, Pointer with = Pointer::Mouse) { ASSERT_TRUE(user.release(id, with)) << id; }
  double FieldOfView() const { return probe->state()->fov; }
  double TimeRate() const { return probe->state()->time_rate(); }
  bool Fired(UINT_PTR id) const {
    return std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), id) > 0;
  }

  driver::DesktopUser user{machine};
  std::size_t mark = 0;
};

struct ZoomCase {
  int button;
  Key keyDown;
  Key keyUp;
  const wchar_t* startStep;
  const wchar_t* endStep;
  bool narrows;
};

const ZoomCase ZoomCases[] = {
    {ZoomInId,
     {WM_KEYDOWN, VK_PRIOR, 0x41490001},
     {WM_KEYUP, VK_PRIOR, static_cast<LPARAM>(0xC1490001)},
     L"zoomIn_Start|",
     L"zoomIn_End|",
     true},
    {ZoomOutId,
     {WM_KEYDOWN, VK_NEXT, 0x41510001},
     {WM_KEYUP, VK_NEXT, static_cast<LPARAM>(0xC1510001)},
     L"zoomOut_Start|",
     L"zoomOut_End|",
     false},
};

TEST_F(HeldButtonsTest, AHeldZoomButtonZoomsUntilItsReleaseAndIsRecorded) {
  for (const ZoomCase& c : ZoomCases) {
    SCOPED_TRACE(c.button);
    Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
    ConsoleToFront();
    Mark();
    const double before = FieldOfView();
    Press(c.button);
    EXPECT_EQ(KeysSinceMark(), (std::vector<Key>{ShiftDown, c.keyDown}));
    Wait(1000);
    const double held = FieldOfView();
    EXPECT_EQ(held < before, c.narrows) << before << " " << held;
    Release(c.button);
    const Key shiftUp{WM_KEYUP, VK_SHIFT, static_cast<LPARAM>(0xC02A0001)};
    EXPECT_EQ(KeysSinceMark(), (std::vector<Key>{ShiftDown, c.keyDown, c.keyUp, shiftUp}));
    const double released = FieldOfView();
    Wait(1000);
    EXPECT_EQ(FieldOfView(), released);
    const std::wstring& commands = dialog->recordedShow.commandList;
    const std::size_t start = commands.find(c.startStep);
    ASSERT_NE(start, std::wstring::npos) << testing::PrintToString(commands);
    EXPECT_NE(commands.find(c.endStep, start), std::wstring::npos);
    Run([](TestConsoleDlg& dlg) {
      dlg.RecorderState = RecorderIdle;
      dlg.recordedShow = {};
    });
    EXPECT_FALSE(dialog->zoomHeld);
  }
}

TEST_F(HeldButtonsTest, AZoomHeldPastTwentySecondsIsReleasedAndItsButtonReleaseReleasesAgain) {
  Press(ZoomInId);
  Wait(19900);
  EXPECT_EQ(CountSinceMark(WM_KEYUP, VK_PRIOR), 0);
  Wait(200);
  const Key priorUp{WM_KEYUP, VK_PRIOR, static_cast<LPARAM>(0xC1490001)};
  EXPECT_EQ(KeysSinceMark(),
            (std::vector<Key>{
                ShiftDown, {WM_KEYDOWN, VK_PRIOR, 0x41490001}, priorUp, {WM_KEYUP, VK_SHIFT, 0x002A0001}}));
  EXPECT_FALSE(dialog->zoomHeld);
  Release(ZoomInId);
  EXPECT_EQ(CountSinceMark(WM_KEYUP, VK_PRIOR), 2);
}

struct TimeStepCase {
  int button;
  WPARAM key;
  bool faster;
};

TEST_F(HeldButtonsTest, AHeldTimeButtonStepsEvery800MsUntilItsRelease) {
  constexpr TimeStepCase cases[] = {{TimeForwardId, 'L', true}, {TimeBackwardId, 'J', false}};
  for (const TimeStepCase& c : cases) {
    SCOPED_TRACE(c.button);
    Run([](TestConsoleDlg& dlg) { dlg.timeRateNormal = true; });
    const double before = TimeRate();
    Mark();
    // Each step waits 80 ms for Orvenna to take the focus: steps at 80, 960, 1760 and 2560 ms.
    Press(c.button);
    Wait(100);
    EXPECT_EQ(CountSinceMark(WM_KEYDOWN, c.key), 1);
    EXPECT_EQ(CountSinceMark(WM_KEYDOWN, VK_SHIFT), 1);
    EXPECT_FALSE(dialog->timeRateNormal);
    Wait(850);
    EXPECT_EQ(CountSinceMark(WM_KEYDOWN, c.key), 1);
    Wait(20);
    EXPECT_EQ(CountSinceMark(WM_KEYDOWN, c.key), 2);
    Wait(1600);
    EXPECT_EQ(CountSinceMark(WM_KEYDOWN, c.key), 4);
    EXPECT_EQ(TimeRate() > before, c.faster) << before << " " << TimeRate();
    Release(c.button);
    Wait(3000);
    EXPECT_EQ(CountSinceMark(WM_KEYDOWN, c.key), 4);
    EXPECT_FALSE(dialog->timeKeyHeld);
    EXPECT_EQ(GetForegroundWindow(), MainDialog());
  }
}

struct RefusalCase {
  int button;
  WORD recorder;
  const wchar_t* notice;
};

TEST_F(HeldButtonsTest, APausedOrRunningRecordingRefusesHeldButtonsWithANotice) {
  const RefusalCase cases[] = {
      {ZoomInId, RecorderPaused, PausedText},
      {ZoomOutId, RecorderPaused, PausedText},
      {TimeForwardId, RecorderPaused, PausedText},
      {TimeBackwardId, RecorderPaused, PausedText},
      {TimeForwardId, RecorderRecording, RecordingText},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.button);
    Run([&c](TestConsoleDlg& dlg) {
      dlg.RecorderState = c.recorder;
      dlg.SetDlgItemText(COrvennaConsoleDlg::StatusLineId, L"");
    });
    Press(c.button);
    EXPECT_EQ(StatusLine(), c.notice);
    Run([](TestConsoleDlg& dlg) { dlg.SetDlgItemText(COrvennaConsoleDlg::StatusLineId, L""); });
    Wait(1000);
    Release(c.button);
    EXPECT_EQ(StatusLine(), c.recorder == RecorderPaused ? c.notice : L"");
    Wait(1000);
    EXPECT_TRUE(KeysSinceMark().empty());
  }
  Run([](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderIdle; });
  Press(TimeForwardId);
  Release(TimeForwardId);
  Wait(500);
  EXPECT_EQ(CountSinceMark(WM_KEYDOWN, 'L'), 1);
}

TEST_F(HeldButtonsTest, EachArrowKeyMovesTheViewAndIsReleased40MsLater) {
  struct ArrowCase {
    const char* name;
    WPARAM key;
  };
  constexpr ArrowCase cases[] = {{"DOWN", VK_DOWN}, {"UP", VK_UP}, {"LEFT", VK_LEFT}, {"RIGHT", VK_RIGHT}};
  for (const ArrowCase& c : cases) {
    SCOPED_TRACE(c.name);
    Mark();
    ASSERT_TRUE(user.key(c.name));
    const Key arrowDown{WM_KEYDOWN, c.key, 0x01500001};
    EXPECT_EQ(KeysSinceMark(), (std::vector<Key>{ShiftDown, arrowDown}));
    Wait(40);
    EXPECT_EQ(KeysSinceMark(),
              (std::vector<Key>{
                  ShiftDown, arrowDown, {WM_KEYUP, c.key, 0x01500001}, {WM_KEYUP, VK_SHIFT, 0x002A0001}}));
  }
}

TEST_F(HeldButtonsTest, AHeldArrowKeyStaysDownInOrvennaUntil40MsAfterItsLastRepeat) {
  for (int repeat = 0; repeat < 4; ++repeat) {
    ASSERT_TRUE(user.key_down("LEFT"));
    Wait(30);
  }
  EXPECT_EQ(CountSinceMark(WM_KEYDOWN, VK_LEFT), 4);
  EXPECT_EQ(CountSinceMark(WM_KEYUP, VK_LEFT), 0);
  ASSERT_TRUE(user.key_up("LEFT"));
  Wait(5);
  EXPECT_EQ(CountSinceMark(WM_KEYUP, VK_LEFT), 0);
  Wait(10);
  EXPECT_EQ(CountSinceMark(WM_KEYUP, VK_LEFT), 1);
  EXPECT_EQ(CountSinceMark(WM_KEYUP, VK_SHIFT), 1);
}

TEST_F(HeldButtonsTest, BeforeAnyButtonHasTheFocusArrowsAndTheEmergencyButtonWork) {
  Run([](TestConsoleDlg&) { ::SetFocus(nullptr); });
  ASSERT_TRUE(user.key("UP"));
  EXPECT_EQ(CountSinceMark(WM_KEYDOWN, VK_UP), 1);
  ASSERT_TRUE(user.key("A"));
  Wait(100);
  EXPECT_EQ(KeysSinceMark().size(), 4u);
  Run([](TestConsoleDlg&) { ::SetFocus(nullptr); });
  Press(COrvennaConsoleDlg::EmergencyButtonId);
  EXPECT_TRUE(dialog->emergencyPressed);
  Release(COrvennaConsoleDlg::EmergencyButtonId);
  EXPECT_EQ(StatusLine(), HoldLongerText);
}

TEST_F(HeldButtonsTest, AnArrowKeyWhileRecordingOnlySaysItIsNotAvailable) {
  Run([](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderRecording; });
  ASSERT_TRUE(user.key("UP"));
  EXPECT_EQ(StatusLine(), RecordingText);
  Wait(2000);
  EXPECT_EQ(StatusLine(), L"");
  EXPECT_TRUE(KeysSinceMark().empty());
}

TEST_F(HeldButtonsTest, OtherKeysOnTheConsoleDoNothing) {
  for (const char* key : {"A", "SPACE", "RETURN", "ESCAPE", "F11"}) {
    SCOPED_TRACE(key);
    ASSERT_TRUE(user.key(key));
    Wait(500);
    EXPECT_TRUE(KeysSinceMark().empty());
    EXPECT_EQ(MainDialog(), dialog->GetSafeHwnd());
  }
}

TEST_F(HeldButtonsTest, APenOrFingerTapOnZoomZoomsLikeAMouseAndItsHoverPressesNothing) {
  for (Pointer with : {Pointer::Pen, Pointer::Finger}) {
    SCOPED_TRACE(static_cast<int>(with));
    Mark();
    ASSERT_TRUE(user.tap(ZoomInId, with));
    EXPECT_EQ(KeysSinceMark(), (std::vector<Key>{ShiftDown,
                                                 {WM_KEYDOWN, VK_PRIOR, 0x41490001},
                                                 {WM_KEYUP, VK_PRIOR, static_cast<LPARAM>(0xC1490001)},
                                                 {WM_KEYUP, VK_SHIFT, static_cast<LPARAM>(0xC02A0001)}}));
    RECT button{};
    ::GetWindowRect(::GetDlgItem(MainDialog(), ZoomInId), &button);
    desktop::MouseEvent hover;
    hover.move_to = POINT{button.left + 3, button.top + 3};
    hover.extra_info = desktop::kPenExtraInfo;
    desktop::inject_mouse(machine, hover);
    Wait(1000);
    EXPECT_EQ(CountSinceMark(WM_KEYDOWN, VK_PRIOR), 1);
    EXPECT_FALSE(dialog->zoomHeld);
    // A second tap at once makes a double click, which zooms like any tap.
    ASSERT_TRUE(user.tap(ZoomInId, with));
    ASSERT_TRUE(user.tap(ZoomInId, with));
    EXPECT_EQ(CountSinceMark(WM_KEYDOWN, VK_PRIOR), 3);
    EXPECT_EQ(CountSinceMark(WM_KEYUP, VK_PRIOR), 3);
  }
}

TEST_F(HeldButtonsTest, TheMainWindowsTooltipsShowOnHover) {
  Run([](TestConsoleDlg& dlg) { dlg.CreateTooltips(); });
  ASSERT_FALSE(dialog->TooltipText(ZoomInId).empty());
  RECT button{};
  ::GetWindowRect(::GetDlgItem(MainDialog(), ZoomInId), &button);
  desktop::MouseEvent hover;
  hover.move_to = POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
  desktop::inject_mouse(machine, hover);
  Wait(GetDoubleClickTime() + 50);
  HWND shown = nullptr;
  for (HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tip != nullptr;
       tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr))
    if (IsWindowVisible(tip)) shown = tip;
  EXPECT_NE(shown, nullptr);
}

TEST_F(HeldButtonsTest, TheMainWindowIsRegisteredForTouch) {
  ULONG flags = 0;
  ASSERT_TRUE(IsTouchWindow(MainDialog(), &flags));
  EXPECT_EQ(flags, TWF_WANTPALM);
}

class EmergencyButtonTest : public HeldButtonsTest {
 protected:
  void SetUp() override {
    HeldButtonsTest::SetUp();
    const std::vector<std::uint32_t> pixels(16, 0xFF00FF00);
    std::filesystem::create_directories(machine.data_folder() / "C" / "Shows");
    ASSERT_TRUE(desktop::write_png(4, 4, pixels, false, machine.data_folder() / "C" / "Shows" / "e.png"));
    Run([this](TestConsoleDlg&) {
      WriteIniValue(ConsoleIniFile, L"startup", L"emergencyImage", L"C:\\Shows\\e.png");
      Gdiplus::GdiplusStartupInput input;
      Gdiplus::GdiplusStartup(&token, &input, nullptr);
    });
  }
  void TearDown() override {
    Run([this](TestConsoleDlg&) { Gdiplus::GdiplusShutdown(token); });
    HeldButtonsTest::TearDown();
  }
  bool PictureShown() const { return IsWindowVisible(dialog->emergencyPicture.GetSafeHwnd()) != 0; }

  ULONG_PTR token = 0;
};

TEST_F(EmergencyButtonTest, ReleasedEarlyItAsksToHoldLongerAndLeavesARunningScriptAlone) {
  Run([](TestConsoleDlg& dlg) { dlg.scriptRunning = true; });
  Press(COrvennaConsoleDlg::EmergencyButtonId);
  Wait(500);
  Release(COrvennaConsoleDlg::EmergencyButtonId);
  EXPECT_EQ(StatusLine(), HoldLongerText);
  Wait(3250);
  EXPECT_EQ(StatusLine(), HoldLongerText);
  Wait(100);
  EXPECT_EQ(StatusLine(), L"");
  EXPECT_TRUE(Fired(StatusLineTimer));
  EXPECT_FALSE(Fired(ScriptFlagTimer));
  EXPECT_TRUE(dialog->scriptRunning);
  Wait(2000);
  EXPECT_FALSE(Fired(EmergencyTimer));
  EXPECT_FALSE(dialog->emergencyShown);
}

TEST_F(EmergencyButtonTest, HeldASecondItShowsThePictureWhichTheNextPressAndReleaseHide) {
  Press(COrvennaConsoleDlg::EmergencyButtonId);
  Wait(1200);
  EXPECT_TRUE(PictureShown());
  Release(COrvennaConsoleDlg::EmergencyButtonId);
  EXPECT_TRUE(PictureShown());
  EXPECT_EQ(StatusLine(), L"");
  Press(COrvennaConsoleDlg::EmergencyButtonId);
  Wait(1500);
  EXPECT_TRUE(PictureShown());
  Release(COrvennaConsoleDlg::EmergencyButtonId);
  EXPECT_FALSE(PictureShown());
  EXPECT_FALSE(dialog->emergencyShown);
  EXPECT_EQ(StatusLine(), L"");
}

using WithoutOrvennaTest = ConsoleDialogTest;

TEST_F(WithoutOrvennaTest, AnArrowKeyOffersOrvennaAndDeclinedEndsTheConsole) {
  StartDialog([](TestConsoleDlg& dlg) { dlg.ConsoleLayout = TwoMonitorLayout; });
  Run([](TestConsoleDlg& dlg) {
    ::SetForegroundWindow(dlg.m_hWnd);
    dlg.GetDlgItem(AtmosphereId)->SetFocus();
  });
  driver::DesktopUser user(machine);
  ASSERT_TRUE(user.key("RIGHT"));
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  Answer(box, IDNO);
  EXPECT_EQ(ExitCode(), 1);
}

using TouchlessSystemTest = ConsoleDialogTest;

TEST_F(TouchlessSystemTest, WithoutRegisterTouchWindowTheConsoleSaysSoAndGoesOn) {
  machine.libraries().remove_export(L"user32.dll", "RegisterTouchWindow");
  StartDialog();
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"Could not Load the RegisterTouchWindow function");
  Answer(box, IDOK);
  ASSERT_NE(MainDialog(), nullptr);
  EXPECT_FALSE(IsTouchWindow(MainDialog(), nullptr));
}

}  // namespace
