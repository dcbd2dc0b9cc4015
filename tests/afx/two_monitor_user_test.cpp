// The desktop's user on two monitors: it acts on and pictures a window on the second monitor
// as on the first, and its screenshot shows both monitors side by side.
#include "platform/desktop/gdi/surface.h"
#include "platform/desktop/image_file.h"
#include "platform/driver/desktop_user.h"
#include "tests/platform/desktop_fixture.h"

namespace {

constexpr COLORREF kPanelColour = RGB(200, 30, 40);
constexpr int kButtonId = 7;

desktop::DesktopConfig two_monitors() {
  desktop::DesktopConfig config;
  config.monitors = {desktop::MonitorConfig{{0, 0, 1920, 1080}},
                     desktop::MonitorConfig{{1920, 0, 3840, 1080}}};
  return config;
}

class TwoMonitorUserTest : public ::testing::Test {
 protected:
  TwoMonitorUserTest() : machine(two_monitors()) {
    MessageLog::clear();
    machine.attach(L"harness.exe");
    WNDCLASSEXW panel{};
    panel.cbSize = sizeof(panel);
    panel.lpfnWndProc = &MessageLog::procedure;
    panel.hbrBackground = CreateSolidBrush(kPanelColour);
    panel.lpszClassName = L"Panel";
    RegisterClassExW(&panel);
    // A panel on the second monitor with one button, as the console stands in the
    // two-monitor layout.
    window =
        create_logged_window(L"Panel", L"second", WS_POPUP | WS_VISIBLE, nullptr, 0, {2400, 300, 3000, 700});
    button = CreateWindowExW(0, L"Button", L"Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 120, 40,
                             window, reinterpret_cast<HMENU>(kButtonId), nullptr, nullptr);
    SetForegroundWindow(window);
    UpdateWindow(window);
  }
  bool button_clicked() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageW(&msg);
    bool clicked = false;
    for (const LoggedMessage& seen : MessageLog::entries())
      clicked |= seen.hwnd == window && seen.message == WM_COMMAND && LOWORD(seen.wParam) == kButtonId &&
                 HIWORD(seen.wParam) == BN_CLICKED;
    return clicked;
  }

  ~TwoMonitorUserTest() override {
    MessageLog::clear();
    machine.detach();
  }

  desktop::Desktop machine;
  driver::DesktopUser user{machine};
  HWND window = nullptr;
  HWND button = nullptr;
};

TEST_F(TwoMonitorUserTest, AClickReachesAControlOnTheSecondMonitor) {
  ASSERT_TRUE(user.click(kButtonId));
  EXPECT_TRUE(button_clicked());
}

TEST_F(TwoMonitorUserTest, AControlTheCursorCannotReachIsAReasonNotAClickElsewhere) {
  const RECT first_monitor{0, 0, 1920, 1080};
  ClipCursor(&first_monitor);
  const driver::Outcome clicked = user.click(kButtonId);
  EXPECT_FALSE(clicked);
  EXPECT_EQ(clicked.reason, "control 7 at (2480, 340) is out of the mouse's reach");
  EXPECT_FALSE(button_clicked());
  ClipCursor(nullptr);
}

TEST_F(TwoMonitorUserTest, TheScreenshotShowsBothMonitorsSideBySide) {
  const auto file = machine.data_folder() / "both.png";
  ASSERT_TRUE(user.screenshot(file));
  desktop::ImageLoad loaded = desktop::load_image_file(file);
  ASSERT_TRUE(loaded) << loaded.failure;
  EXPECT_EQ(loaded.image->width, 3840);
  EXPECT_EQ(loaded.image->height, 1080);
  EXPECT_EQ(loaded.image->at(2900, 650) & 0xFFFFFFu, desktop::pixel_of(kPanelColour));
  EXPECT_EQ(loaded.image->at(1000, 500) & 0xFFFFFFu, 0u);  // the first monitor's empty desktop
}

}  // namespace
