// The monitoring window and the live monitor: their measures, the copy of Orvenna's screen they
// show, the monitoring window's sky keys and pointer trail, and Orvenna missing.
#include <algorithm>
#include <set>

#include "peers/orvenna/program_probe.h"
#include "peers/orvenna/sky_state.h"
#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/app/screen/playback_geometry.h"
#include "src/app/screen/playback_wnd.h"
#include "src/app/window/which_edition.h"
#include "src/settings/settings_key.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr int MonitorWindowKey = 2006;
constexpr int LiveMonitorKey = 1846;
constexpr int AtmosphereKey = 1012;
constexpr int PictureAreaId = -1;
// The presenter's pointer colour from the options, unlike any of Orvenna's.
constexpr COLORREF PointerColour = 0x12EE34;

struct GeometryCase {
  PlaybackMeasures measures;
  SIZE window;
  int closeButtonX;
  int captureWidth;
  float pointerScale;
  int pictureOffset;
};

TEST(PlaybackGeometryTest, TheWindowFollowsTheConsoleAndTheScaleMapsThePictureOntoOrvenna) {
  const GeometryCase cases[] = {
      // 0.7 x 1280 + 16 + 200 wide; Orvenna's 1280 by 720 copied at 0.7: k = 720 / 504.
      {{70, {1280, 720}, {16, 39}, 2560, 720, true}, {1112, 543}, 1032, 1280, 720.0F / 504.0F, 8},
      // The console on the secondary: the whole of the nearest monitor's width.
      {{50, {1920, 1080}, {8, 8}, 1920, 1080, false}, {1168, 548}, 1088, 1920, 2.0F, 4},
      // No Orvenna client height: the initial scale stays.
      {{90, {1000, 500}, {8, 8}, 2000, 0, true}, {1108, 458}, 1028, 1000, 1.5F, 0},
  };
  for (const GeometryCase& c : cases) {
    const PlaybackGeometry g = MeasurePlaybackWindow(c.measures);
    EXPECT_EQ(g.window.cx, c.window.cx) << c.measures.sizePercent;
    EXPECT_EQ(g.window.cy, c.window.cy) << c.measures.sizePercent;
    EXPECT_EQ(g.closeButtonX, c.closeButtonX) << c.measures.sizePercent;
    EXPECT_EQ(g.captureWidth, c.captureWidth) << c.measures.sizePercent;
    EXPECT_FLOAT_EQ(g.pointerScale, c.pointerScale) << c.measures.sizePercent;
    EXPECT_EQ(g.pictureOffset, c.pictureOffset) << c.measures.sizePercent;
  }
}

TEST(PlaybackGeometryTest, ADragOverThePictureLandsScaledPastThePictureAreaAndItsOffset) {
  const POINT from = PointerOnPlanetarium({150, 40}, 20, 2.0F);
  const POINT to = PointerOnPlanetarium({160, 40}, 20, 2.0F);
  EXPECT_EQ(from.x, 60);
  EXPECT_EQ(from.y, 80);
  EXPECT_EQ(to.x, 80);
  EXPECT_EQ(to.y, 80);
}

TEST(PlaybackGeometryTest, TheLiveFrameFitsTheBoxKeepingTheScreensProportions) {
  struct FitCase {
    int width, height;
    float aspect;
    RECT fitted;
  };
  const FitCase cases[] = {
      {400, 300, 16.0F / 9.0F, {0, 0, 400, 225}},  // a wide screen in a squarer box
      {400, 300, 1.0F, {0, 0, 300, 300}},          // a square screen
      {400, 100, 16.0F / 9.0F, {0, 0, 177, 100}},  // a flat box
  };
  for (const FitCase& c : cases) {
    const RECT f = FitLiveFrame(c.width, c.height, c.aspect);
    EXPECT_EQ(f.right, c.fitted.right) << c.width << "x" << c.height;
    EXPECT_EQ(f.bottom, c.fitted.bottom) << c.width << "x" << c.height;
  }
}

COLORREF ScreenPixel(POINT at) {
  HDC screen = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  const COLORREF colour = GetPixel(screen, at.x, at.y);
  DeleteDC(screen);
  return colour;
}

// The colours of Orvenna's screen within a few pixels of a point.
std::set<COLORREF> ColoursAround(POINT at, int reach) {
  HDC screen = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  std::set<COLORREF> colours;
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx)
      colours.insert(GetPixel(screen, at.x + dx, at.y + dy));
  DeleteDC(screen);
  return colours;
}

RECT ScreenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

class MonitoringWindowTest : public ConsoleWithOrvennaTest {
 protected:
  void OpenMonitoringWindow() {
    RunToEnd([](TestConsoleDlg& dlg) { ::SetForegroundWindow(dlg.m_hWnd); });
    const driver::Outcome opened = user.click(MonitorWindowKey);
    ASSERT_TRUE(opened) << opened.reason;
    window = user.target_window();
    ASSERT_NE(user.control(CPlaybackWnd::CloseButtonId), nullptr) << "the monitoring window is open";
    Wait(1000);
  }
  // Points of Orvenna's window and where the monitoring window shows them, at fractions of its
  // size; the mapping follows the window's measures.
  struct Sample {
    POINT orvenna;
    POINT copy;
  };
  std::vector<Sample> Samples() {
    std::vector<Sample> samples;
    Run([&](TestConsoleDlg& dlg) {
      HWND main = GetAncestor(dlg.FindPlanetariumWindow(), GA_ROOT);
      const RECT orvenna = ScreenRect(main);
      RECT console{};
      ::GetClientRect(dlg.m_hWnd, &console);
      RECT client{};
      ::GetClientRect(window, &client);
      const RECT frame = ScreenRect(window);
      RECT picture = ScreenRect(GetDlgItem(window, PictureAreaId));
      PlaybackMeasures m;
      m.consoleClient = {console.right, console.bottom};
      m.nonClient = {(frame.right - frame.left) - client.right, (frame.bottom - frame.top) - client.bottom};
      m.monitorRight = 3840;
      RECT orvennaClient{};
      ::GetClientRect(main, &orvennaClient);
      m.planetariumClientBottom = orvennaClient.bottom;
      const PlaybackGeometry g = MeasurePlaybackWindow(m);
      const float drawnWidth = g.aspect * static_cast<float>(client.bottom);
      for (float fy : {0.15F, 0.4F, 0.6F, 0.85F, 0.97F})
        for (float fx : {0.1F, 0.3F, 0.5F, 0.7F, 0.9F})
          samples.push_back({{orvenna.left + static_cast<LONG>(fx * static_cast<float>(g.captureWidth)),
                              orvenna.top + static_cast<LONG>(fy * static_cast<float>(g.captureHeight))},
                             {picture.left + g.pictureOffset + static_cast<LONG>(fx * drawnWidth),
                              picture.top + static_cast<LONG>(fy * static_cast<float>(client.bottom))}});
    });
    return samples;
  }
  // Every sampled point of the copy has a colour of Orvenna's screen around the point it shows.
  void ExpectTheCopyShowsOrvenna() {
    std::set<COLORREF> seen;
    for (const Sample& s : Samples()) {
      COLORREF copy = 0;
      std::set<COLORREF> around;
      Run([&](TestConsoleDlg&) {
        copy = ScreenPixel(s.copy);
        around = ColoursAround(s.orvenna, 3);
      });
      seen.insert(copy);
      EXPECT_TRUE(around.count(copy))
          << std::hex << copy << " at " << std::dec << s.copy.x << "," << s.copy.y;
    }
    EXPECT_GT(seen.size(), 1u) << "the samples see more than one colour of Orvenna's screen";
  }

  driver::DesktopUser user{machine};
  HWND window = nullptr;
};

TEST_F(MonitoringWindowTest, ItShowsOrvennasScreenAndFollowsAChangeOfTheSky) {
  OpenMonitoringWindow();
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  ExpectTheCopyShowsOrvenna();
  // Its atmosphere key changes Orvenna's sky, and the next frames show the change.
  const bool atmosphere = probe->state()->flag(orvenna::SkyFlag::atmosphere);
  ASSERT_TRUE(user.click(1898));
  Wait(1000);
  EXPECT_NE(probe->state()->flag(orvenna::SkyFlag::atmosphere), atmosphere);
  ExpectTheCopyShowsOrvenna();
}

struct SkyKeyCase {
  int button;
  orvenna::SkyFlag flag;
  WPARAM key;
};

TEST_F(MonitoringWindowTest, EachSkyKeySwitchesItsDisplayInOrvennaAndReleasesTheKey) {
  OpenMonitoringWindow();
  constexpr SkyKeyCase keys[] = {
      {1898, orvenna::SkyFlag::atmosphere, 'A'},
      {1897, orvenna::SkyFlag::fog, 'F'},
      {1895, orvenna::SkyFlag::constellation_lines, 'C'},
      {1896, orvenna::SkyFlag::constellation_art, 'R'},
      {1893, orvenna::SkyFlag::constellation_boundaries, 'B'},
      {1892, orvenna::SkyFlag::landscape, 'G'},
  };
  for (const SkyKeyCase& key : keys) {
    const bool before = probe->state()->flag(key.flag);
    const std::size_t received = probe->messages().size();
    ASSERT_TRUE(user.click(key.button));
    Wait(300);
    EXPECT_NE(probe->state()->flag(key.flag), before) << key.button;
    const auto messages = probe->messages();
    const bool released = std::any_of(
        messages.begin() + static_cast<std::ptrdiff_t>(received), messages.end(),
        [&key](const orvenna::ReceivedMessage& m) { return m.message == WM_KEYUP && m.wParam == key.key; });
    EXPECT_TRUE(released) << key.button;
  }
}

TEST_F(MonitoringWindowTest, AKeyStillDownWhenTheWindowClosesIsReleasedThen) {
  constexpr int FogButton = 1897;
  OpenMonitoringWindow();
  const std::size_t received = probe->messages().size();
  Run([this](TestConsoleDlg&) {
    for (int button : {FogButton, CPlaybackWnd::CloseButtonId})
      ::SendMessageW(::GetDlgItem(window, button), BM_CLICK, 0, 0);
  });
  EXPECT_FALSE(IsWindow(window));
  Wait(1000);
  const auto messages = probe->messages();
  EXPECT_EQ(std::count_if(
                messages.begin() + static_cast<std::ptrdiff_t>(received), messages.end(),
                [](const orvenna::ReceivedMessage& m) { return m.message == WM_KEYUP && m.wParam == 'F'; }),
            1);
}

TEST_F(MonitoringWindowTest, ADragDrawsAPointerTrailOverOrvennaUntilARightClick) {
  SettingsWriter().Dword(L"PointerColor", PointerColour);
  OpenMonitoringWindow();
  // A right click before any drag has no trail to take away.
  ASSERT_TRUE(user.click_at({400, 100}, driver::DesktopUser::Button::Right));
  const std::vector<Sample> samples = Samples();
  const Sample& middle = samples[12];
  POINT copy = middle.copy;
  ScreenToClient(window, &copy);
  const POINT before = middle.orvenna;
  COLORREF under = 0;
  Run([&](TestConsoleDlg&) { under = ScreenPixel(before); });
  ASSERT_NE(under, PointerColour);
  ASSERT_TRUE(user.drag({{copy.x - 30, copy.y}, {copy.x, copy.y}, {copy.x + 30, copy.y}}));
  HWND overlay = nullptr;
  HWND orvennaWindow = nullptr;
  Run([&](TestConsoleDlg& dlg) {
    orvennaWindow = GetAncestor(dlg.FindPlanetariumWindow(), GA_ROOT);
    under = ScreenPixel(before);
    overlay = WindowFromPoint(before);
  });
  EXPECT_EQ(under, PointerColour) << std::hex << under;
  // The trail lets the presenter's clicks through to Orvenna.
  EXPECT_EQ(GetAncestor(overlay, GA_ROOT), orvennaWindow);
  // Orvenna shows through the rest of the overlay, and the copy shows the trail too.
  Wait(1000);
  ExpectTheCopyShowsOrvenna();
  // The trail's overlay came to the front; the presenter right-clicks the window's copy.
  ASSERT_TRUE(user.click_at(window, {copy.x, copy.y + 40}, driver::DesktopUser::Button::Right));
  Run([&](TestConsoleDlg&) { under = ScreenPixel(before); });
  EXPECT_NE(under, PointerColour);
}

TEST_F(MonitoringWindowTest, TheCloseKeyEndsTheWindowAndTheConsoleGoesOn) {
  OpenMonitoringWindow();
  ASSERT_TRUE(user.click(CPlaybackWnd::CloseButtonId));
  EXPECT_EQ(user.control(CPlaybackWnd::CloseButtonId), nullptr);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(user.target_window(), MainDialog());
  EXPECT_EQ(MessageBoxShown(), nullptr);
}

class MonitoringWithoutOrvennaTest : public ConsoleDialogTest {};

TEST_F(MonitoringWithoutOrvennaTest, BothMonitorsReportOrvennaMissingWithTheirOwnNumbers) {
  StartDialog([](TestConsoleDlg& dlg) {
    dlg.ConsoleLayout = TwoMonitorLayout;
    dlg.ConsoleScreen = 1;
  });
  driver::DesktopUser user{machine};
  for (const auto& [key, number] :
       {std::pair{MonitorWindowKey, L"100088"}, std::pair{LiveMonitorKey, L"100090"}}) {
    // The presenter declines to start Orvenna.
    user.answer_next_message_box(IDNO);
    ASSERT_TRUE(user.click(key));
    HWND box = MessageBoxShown();
    ASSERT_NE(box, nullptr) << key;
    EXPECT_NE(MessageBoxText(box).find(L"Orvenna is not running."), std::wstring::npos)
        << MessageBoxText(box);
    EXPECT_NE(MessageBoxText(box).find(number), std::wstring::npos) << MessageBoxText(box);
    Answer(box, IDOK);
    EXPECT_EQ(user.control(CPlaybackWnd::CloseButtonId), nullptr);
  }
  EXPECT_FALSE(dialog->liveMonitorOn);
}

TEST_F(MonitoringWithoutOrvennaTest, WithoutOrvennasWindowItKeepsItsTemplateAndDrawsNothing) {
  StartDialog();
  CPlaybackWnd* shown = nullptr;
  Run([&shown](TestConsoleDlg& dlg) {
    CPlaybackWnd window(&dlg.consoleState, &dlg);
    shown = &window;
    window.DoModal();
    shown = nullptr;
  });
  ASSERT_NE(shown, nullptr);
  driver::DesktopUser user{machine};
  HWND window = user.target_window();
  ASSERT_NE(GetDlgItem(window, CPlaybackWnd::CloseButtonId), nullptr);
  Wait(1000);
  EXPECT_FLOAT_EQ(shown->Geometry().pointerScale, InitialPointerScale);
  EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  // The picture area and the close key stay where the template put them.
  RECT picture = ScreenRect(GetDlgItem(window, PictureAreaId));
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&picture), 2);
  EXPECT_NE(picture.left, PlaybackPictureX);
  EXPECT_TRUE(GetWindowLongW(GetDlgItem(window, PictureAreaId), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  // A drag has no Orvenna to draw over, and a right click no trail to take away.
  ASSERT_TRUE(user.drag({{picture.left + 20, 40}, {picture.left + 60, 40}}));
  EXPECT_EQ(shown->Overlay(), nullptr);
  ASSERT_TRUE(user.click_at({picture.left + 20, 40}, driver::DesktopUser::Button::Right));
  ASSERT_TRUE(user.click(CPlaybackWnd::CloseButtonId));
  EXPECT_EQ(shown, nullptr);
}

// The live monitor on a console that went through its start-up beside Orvenna.
class LiveMonitorTest : public ConsoleDialogTest {
 protected:
  void SetUp() override {
    if (framesPerSecond != 0) SettingsWriter().Dword(L"PlaybackFreqRefresh", framesPerSecond);
    WriteConsoleOptions();
    StartOrvenna();
    StartDialog([](TestConsoleDlg& dlg) { dlg.runStartUp = true; });
    ChooseLayout(layoutRadio);
    machine.advance(20000);
    ASSERT_EQ(MessageBoxShown(), nullptr) << MessageBoxText(MessageBoxShown());
  }
  HWND Box() const { return GetDlgItem(MainDialog(), COrvennaConsoleDlg::InformationBoxId); }
  int LiveFrames() const {
    return static_cast<int>(
        std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), LiveMonitorTimer));
  }

  // Every sampled point of the box's place has a colour of Orvenna's screen around the point it
  // shows; gives the colours seen.
  std::set<COLORREF> ExpectTheBoxShowsOrvenna() {
    RECT orvennaRect{};
    Run([&](TestConsoleDlg& dlg) {
      orvennaRect = ScreenRect(GetAncestor(dlg.FindPlanetariumWindow(), GA_ROOT));
    });
    const float width = static_cast<float>(orvennaRect.right - orvennaRect.left);
    const float height = static_cast<float>(orvennaRect.bottom - orvennaRect.top);
    const RECT box = dialog->liveMonitorBox.rcClient;
    const RECT fitted = FitLiveFrame(box.right - box.left, box.bottom - box.top, width / height);
    const int left = box.left + (box.right - box.left - fitted.right) / 2;
    std::set<COLORREF> seen;
    // Away from the edges of Orvenna's areas, where the halftone blends their colours.
    for (float fy : {0.3F, 0.6F, 0.9F})
      for (float fx : {0.25F, 0.5F, 0.75F}) {
        const POINT copy{left + static_cast<LONG>(fx * static_cast<float>(fitted.right)),
                         box.top + static_cast<LONG>(fy * static_cast<float>(fitted.bottom))};
        const POINT orvenna{orvennaRect.left + static_cast<LONG>(fx * width),
                            orvennaRect.top + static_cast<LONG>(fy * height)};
        COLORREF shown = 0;
        std::set<COLORREF> around;
        Run([&](TestConsoleDlg&) {
          shown = ScreenPixel(copy);
          around = ColoursAround(orvenna, 4);
        });
        seen.insert(shown);
        EXPECT_TRUE(around.count(shown)) << std::hex << shown << std::dec << " at " << fx << "," << fy;
      }
    return seen;
  }

  void ExpectLiveMonitorOverTheBoxUntilSwitchedOff() {
    Run([](TestConsoleDlg& dlg) {
      SetDlgItemTextW(dlg.m_hWnd, COrvennaConsoleDlg::InformationBoxId, L"Vega");
    });
    ASSERT_TRUE(user.click(LiveMonitorKey));
    Wait(1000);
    // Three frames a second by default.
    EXPECT_EQ(LiveFrames(), 3);
    EXPECT_FALSE(IsWindowVisible(Box()));
    // The box's place shows Orvenna's screen, and a change of Orvenna's sky shows at the next
    // frames.
    std::set<COLORREF> seen = ExpectTheBoxShowsOrvenna();
    ASSERT_TRUE(user.click(AtmosphereKey));
    Wait(1000);
    seen.merge(ExpectTheBoxShowsOrvenna());
    EXPECT_GT(seen.size(), 1u);

    ASSERT_TRUE(user.click(LiveMonitorKey));
    const int frames = LiveFrames();
    Wait(1000);
    EXPECT_EQ(LiveFrames(), frames);
    EXPECT_TRUE(IsWindowVisible(Box()));
    EXPECT_EQ(DialogText(COrvennaConsoleDlg::InformationBoxId), L"Vega");
    EXPECT_FALSE(dialog->liveMonitorOn);
  }

  driver::DesktopUser user{machine};
  // The options' rate; 0 leaves the default.
  DWORD framesPerSecond = 0;
  int layoutRadio = CWhichEdition::TwoMonitorRadio;
};

TEST_F(LiveMonitorTest, ItDrawsOrvennaOverTheInformationBoxUntilSwitchedOff) {
  ExpectLiveMonitorOverTheBoxUntilSwitchedOff();
}

class TrainingLiveMonitorTest : public LiveMonitorTest {
 protected:
  TrainingLiveMonitorTest() { layoutRadio = CWhichEdition::TrainingRadio; }
};

// The console's window is not at the screen's corner: the copy still lands on the box.
TEST_F(TrainingLiveMonitorTest, ItDrawsOrvennasWindowOverTheInformationBox) {
  ExpectLiveMonitorOverTheBoxUntilSwitchedOff();
}

class FastLiveMonitorTest : public LiveMonitorTest {
 protected:
  FastLiveMonitorTest() { framesPerSecond = 5; }
};

TEST_F(FastLiveMonitorTest, TheOptionsRateGivesTheFramesASecond) {
  ASSERT_TRUE(user.click(LiveMonitorKey));
  Wait(1000);
  EXPECT_EQ(LiveFrames(), 5);
}

}  // namespace
