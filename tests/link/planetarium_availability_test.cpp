// EnsurePlanetarium against the stand-in Orvenna: started through its uninstall entry when the
// presenter agrees, and placed by the layout.
#include "platform/win/win32.h"
#include "src/link/key_injection.h"
#include "src/settings/settings_key.h"
#include "tests/link/link_fixture.h"

namespace {

constexpr RECT Primary{0, 0, 1920, 1080};
constexpr RECT Secondary{1920, 0, 3840, 1080};

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void WriteStartupWait(DWORD seconds) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, ConsoleRegistryKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegSetValueExW(key, L"OCStartup", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&seconds), sizeof(seconds));
  RegCloseKey(key);
}

struct StartCase {
  const char* name;
  std::vector<RECT> monitors;
  BYTE layout;
  BYTE screen;
  RECT placed;
  bool fullScreen;
  int halfSize;  // training layout only
  // Went full screen where it started, with F2 and Escape after, to redraw at the new size.
  bool settingsToggled;
};

std::vector<WPARAM> InjectedKeyDowns(const orvenna::ProgramProbe& probe) {
  std::vector<WPARAM> keys;
  for (const orvenna::ReceivedMessage& received : probe.messages())
    if (received.origin == orvenna::MessageOrigin::injected && received.message == WM_KEYDOWN)
      keys.push_back(received.wParam);
  return keys;
}

class EnsureStartTest : public LinkTest, public ::testing::WithParamInterface<StartCase> {
 protected:
  EnsureStartTest() : LinkTest(OnMonitors(GetParam().monitors)) {
    link->ConsoleLayout = GetParam().layout;
    link->ConsoleScreen = GetParam().screen;
  }
};

TEST_P(EnsureStartTest, StartsOrvennaThroughItsUninstallEntryAndPlacesIt) {
  const StartCase& start = GetParam();
  EXPECT_EQ(link->EnsurePlanetarium(), PlanetariumStartedOrPlaced);

  ASSERT_EQ(link->messages.size(), 1u);
  EXPECT_EQ(link->messages[0].stringId, 19020u);
  EXPECT_EQ(link->messages[0].kind, ConsoleMessage::Kind::YesNoQuestion);
  EXPECT_EQ(probe->starts(), 1);
  DWORD processId = 0;
  GetWindowThreadProcessId(probe->windows().main, &processId);
  EXPECT_EQ(link->launchedProcessId, processId);
  EXPECT_EQ(link->planetariumVersion, L"0.18.2");
  EXPECT_EQ(link->state.planetariumVersionText, L"0.18.2");

  EXPECT_TRUE(SameRect(PlanetariumRect(), start.placed));
  EXPECT_EQ(probe->full_screen(), start.fullScreen);
  const std::vector<WPARAM> settingsKeys{VK_NUMLOCK, VK_F11, VK_NUMLOCK, VK_F2, VK_NUMLOCK, VK_ESCAPE};
  EXPECT_EQ(InjectedKeyDowns(*probe) == settingsKeys, start.settingsToggled);

  const std::size_t keysBefore = machine.input_log().size();
  const desktop::Tick before = machine.clock().now();
  if (start.layout == TwoMonitorLayout) {
    EXPECT_TRUE(link->planetariumPlaced);
    EXPECT_EQ(link->EnsurePlanetarium(), PlanetariumStartedOrPlaced);
  } else {
    EXPECT_FALSE(link->planetariumPlacementPending);
    EXPECT_EQ(link->planetariumHalfSizeX, start.halfSize);
    EXPECT_EQ(link->planetariumHalfSizeY, start.halfSize);
    EXPECT_EQ(link->startStateResets, 1);
    EXPECT_EQ(link->EnsurePlanetarium(), PlanetariumAlreadyPlaced);
  }
  EXPECT_EQ(machine.input_log().size(), keysBefore) << "a placed Orvenna gets no more keys";
  EXPECT_EQ(machine.clock().now(), before);
  EXPECT_EQ(probe->starts(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, EnsureStartTest,
    ::testing::Values(
        StartCase{"ConsoleOnPrimary", {Primary, Secondary}, TwoMonitorLayout, 1, Secondary, true, 0, false},
        StartCase{"ConsoleOnSecondary", {Primary, Secondary}, TwoMonitorLayout, 0, Primary, true, 0, true},
        StartCase{"Training1920x1080", {Primary}, TrainingLayout, 1, {0, 0, 952, 952}, false, 470, false},
        StartCase{"Training1280x1024",
                  {{0, 0, 1280, 1024}},
                  TrainingLayout,
                  1,
                  {0, 0, 401, 401},
                  false,
                  194,
                  false}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

class EnsurePlanetariumTest : public LinkTest {};

TEST_F(EnsurePlanetariumTest, DeclinedStartStartsNothing) {
  link->ConsoleLayout = TwoMonitorLayout;
  link->answerYes = false;
  EXPECT_EQ(link->EnsurePlanetarium(), PlanetariumStartDeclined);
  EXPECT_EQ(probe->starts(), 0);
  EXPECT_EQ(link->launchedProcessId, 0u);
}

TEST_F(EnsurePlanetariumTest, AlreadyRunningFullScreenOnTheConsolesMonitorMovesToTheOther) {
  link->ConsoleLayout = TwoMonitorLayout;
  link->ConsoleScreen = 1;
  StartPlanetariumByHand();
  link->ActivatePlanetariumView(link->FindPlanetariumView());
  SendKeyToPlanetarium(VK_F11, false);
  machine.advance(10);
  ASSERT_TRUE(probe->full_screen());
  ASSERT_TRUE(SameRect(PlanetariumRect(), Primary));

  EXPECT_EQ(link->EnsurePlanetarium(), PlanetariumStartedOrPlaced);
  EXPECT_TRUE(link->messages.empty());
  EXPECT_TRUE(probe->full_screen());
  EXPECT_TRUE(SameRect(PlanetariumRect(), Secondary));
  EXPECT_EQ(probe->starts(), 1);
}

TEST_F(EnsurePlanetariumTest, OutOfRangeStartupWaitIsTwelveSeconds) {
  link->ConsoleLayout = TrainingLayout;
  for (auto [stored, waited] : {std::pair{30u, 12000u}, std::pair{5u, 5000u}}) {
    WriteStartupWait(stored);
    if (HWND main = probe->windows().main) {
      PostMessageW(main, WM_QUIT, 0, 0);
      machine.run_until_idle();
    }
    link->planetariumPlacementPending = true;
    const desktop::Tick before = machine.clock().now();
    EXPECT_EQ(link->EnsurePlanetarium(), PlanetariumStartedOrPlaced);
    // The start-up wait, then 800 ms once the window is squared.
    EXPECT_EQ(machine.clock().now() - before, waited + 800) << stored;
  }
}

LinkMachine NotInstalled() {
  LinkMachine setup;
  setup.install.installed = false;
  return setup;
}

class NotInstalledTest : public LinkTest {
 protected:
  NotInstalledTest() : LinkTest(NotInstalled()) {}
};

TEST_F(NotInstalledTest, AgreedStartFailsWithTheFolderAndTheNotRunningMessages) {
  link->ConsoleLayout = TwoMonitorLayout;
  EXPECT_EQ(link->EnsurePlanetarium(), PlanetariumDidNotAppear);
  ASSERT_EQ(link->messages.size(), 3u);
  EXPECT_EQ(link->messages[0].stringId, 19020u);
  EXPECT_EQ(link->messages[1].text,
            L"Orvenna Folder not found. Please verify that Orvenna is correctly installed, otherwise contact "
            L"support.");
  EXPECT_EQ(link->messages[2].stringId, 3960u);
  EXPECT_EQ(link->messages[2].errorNumber, 100099);
  EXPECT_EQ(link->launchedProcessId, 0u);
}

LinkMachine TrainingOnTwoMonitors() {
  return OnMonitors({Primary, Secondary});
}

class TrainingLayoutTest : public LinkTest {
 protected:
  TrainingLayoutTest() : LinkTest(TrainingOnTwoMonitors()) { link->ConsoleLayout = TrainingLayout; }
};

TEST_F(TrainingLayoutTest, OrvennaOnTheSecondaryMonitorIsRefusedBeforeItIsSquared) {
  StartPlanetariumByHand();
  SetWindowPos(probe->windows().main, nullptr, 2000, 100, 800, 600, SWP_NOZORDER);
  EXPECT_EQ(link->EnsurePlanetarium(), PlanetariumOnSecondaryMonitor);
  EXPECT_TRUE(link->planetariumPlacementPending);
  EXPECT_EQ(link->startStateResets, 0);
}

TEST_F(TrainingLayoutTest, AnOrvennaGoneFullScreenIsSquaredAgain) {
  StartPlanetariumByHand();
  EXPECT_EQ(link->EnsurePlanetarium(), PlanetariumStartedOrPlaced);
  ASSERT_TRUE(SameRect(PlanetariumRect(), {0, 0, 952, 952}));
  link->ActivatePlanetariumView(link->FindPlanetariumView());
  SendKeyToPlanetarium(VK_F11, false);
  machine.advance(10);
  ASSERT_TRUE(probe->full_screen());

  EXPECT_EQ(link->EnsurePlanetarium(), PlanetariumAlreadyPlaced);
  EXPECT_FALSE(probe->full_screen());
  EXPECT_TRUE(SameRect(PlanetariumRect(), {0, 0, 952, 952}));
  EXPECT_EQ(GetForegroundWindow(), console);
  EXPECT_EQ(link->startStateResets, 1);
}

class SingleMonitorTest : public LinkTest {
 protected:
  SingleMonitorTest() : LinkTest(OnMonitors({Primary})) {}
};

TEST_F(SingleMonitorTest, TwoMonitorLayoutRefusesBeforeLookingForOrvenna) {
  link->ConsoleLayout = TwoMonitorLayout;
  EXPECT_EQ(link->EnsurePlanetarium(), PlanetariumMonitorsMissing);
  ASSERT_EQ(link->messages.size(), 1u);
  EXPECT_EQ(link->messages[0].stringId, 19010u);
  EXPECT_EQ(link->messages[0].kind, ConsoleMessage::Kind::Error);
  EXPECT_EQ(probe->starts(), 0);
}

}  // namespace
