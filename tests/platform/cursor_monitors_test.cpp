// The cursor on a desktop of two monitors of different sizes: it goes wherever a monitor shows,
// so a window on the second monitor can be clicked, and never into the corner no monitor covers.
#include "platform/desktop/mouse_input.h"
#include "platform/win/rect_api.h"
#include "tests/platform/desktop_fixture.h"

namespace {

desktop::DesktopConfig two_monitors() {
  desktop::DesktopConfig config;
  config.monitors = {desktop::MonitorConfig{{0, 0, 1920, 1080}},
                     desktop::MonitorConfig{{1920, 0, 3200, 1024}}};
  return config;
}

class CursorMonitorsTest : public ::testing::Test {
 protected:
  CursorMonitorsTest() : machine(two_monitors()) {
    MessageLog::clear();
    machine.attach(L"harness.exe");
    MessageLog::register_class(L"Clicked");
  }
  ~CursorMonitorsTest() override {
    MessageLog::clear();
    machine.detach();
  }

  POINT cursor_after_moving_to(POINT to) {
    desktop::MouseEvent move;
    move.move_to = to;
    desktop::inject_mouse(machine, move);
    POINT at{};
    GetCursorPos(&at);
    return at;
  }

  desktop::Desktop machine;
};

struct CursorCase {
  const char* name;
  POINT asked;
  POINT reached;
};

constexpr CursorCase kCursorCases[] = {
    {"on the primary monitor", {100, 200}, {100, 200}},
    {"on the second monitor", {2500, 500}, {2500, 500}},
    {"the second monitor's last pixel", {3199, 1023}, {3199, 1023}},
    {"below the shorter second monitor", {2500, 1050}, {2500, 1023}},
    {"right of everything", {5000, 300}, {3199, 300}},
    {"far below and right", {5000, 5000}, {3199, 1023}},
    {"left of and above everything", {-40, -40}, {0, 0}},
};

TEST_F(CursorMonitorsTest, TheCursorGoesOverEveryMonitorAndOnlyOverMonitors) {
  for (const CursorCase& test : kCursorCases) {
    SCOPED_TRACE(test.name);
    const POINT reached = cursor_after_moving_to(test.asked);
    EXPECT_EQ(reached.x, test.reached.x);
    EXPECT_EQ(reached.y, test.reached.y);
  }
}

TEST_F(CursorMonitorsTest, AWindowOnTheSecondMonitorTakesItsClick) {
  HWND there =
      create_logged_window(L"Clicked", L"there", WS_POPUP | WS_VISIBLE, nullptr, 0, {2400, 400, 2800, 600});
  cursor_after_moving_to({2600, 500});
  desktop::MouseEvent press;
  press.buttons = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;
  desktop::inject_mouse(machine, press);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageW(&msg);
  const std::vector<UINT> seen = MessageLog::messages_of(there);
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_LBUTTONDOWN), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_LBUTTONUP), seen.end());
}

TEST_F(CursorMonitorsTest, TheClipIsTheWholeDesktopUnlessNarrowed) {
  RECT clip{};
  ASSERT_TRUE(GetClipCursor(&clip));
  const RECT whole{0, 0, 3200, 1080};
  EXPECT_TRUE(EqualRect(&clip, &whole));

  const RECT across{1800, 100, 2100, 300};
  ASSERT_TRUE(ClipCursor(&across));
  const POINT held = cursor_after_moving_to({2500, 500});
  EXPECT_EQ(held.x, 2099);
  EXPECT_EQ(held.y, 299);
  const RECT beyond{3000, 900, 4000, 2000};
  ASSERT_TRUE(ClipCursor(&beyond));
  ASSERT_TRUE(GetClipCursor(&clip));
  const RECT kept{3000, 900, 3200, 1080};
  EXPECT_TRUE(EqualRect(&clip, &kept));
  EXPECT_TRUE(ClipCursor(nullptr));
}

TEST_F(CursorMonitorsTest, AbsoluteInputSpansTheWholeDesktopWhenItAsks) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = 49152;  // three quarters of the way across
  input.mi.dy = 32768;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  ASSERT_EQ(SendInput(1, &input, sizeof(INPUT)), 1u);
  POINT at{};
  GetCursorPos(&at);
  EXPECT_EQ(at.x, 2400);
  EXPECT_EQ(at.y, 540);
  // Without the flag absolute input spans the primary monitor.
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ASSERT_EQ(SendInput(1, &input, sizeof(INPUT)), 1u);
  GetCursorPos(&at);
  EXPECT_EQ(at.x, 1440);
  EXPECT_EQ(at.y, 540);
}

}  // namespace
