#include "platform/desktop/shell.h"
#include "tests/platform/desktop_fixture.h"

namespace {

desktop::DesktopConfig two_monitors() {
  desktop::DesktopConfig config;
  config.monitors = {desktop::MonitorConfig{{0, 0, 1920, 1080}},
                     desktop::MonitorConfig{{1920, 0, 3200, 1024}, 120, 120, 75}};
  config.start_shell = true;
  return config;
}

class MonitorsTest : public ::testing::Test {
 protected:
  MonitorsTest() : machine(two_monitors()) {
    machine.attach(L"harness.exe");
    machine.run_until_idle();
    MessageLog::register_class(L"Placed");
  }
  ~MonitorsTest() override { machine.detach(); }

  MONITORINFOEXW info_of(HMONITOR monitor) {
    MONITORINFOEXW info{};
    info.cbSize = sizeof(info);
    EXPECT_TRUE(GetMonitorInfoW(monitor, &info));
    return info;
  }

  desktop::Desktop machine;
};

TEST_F(MonitorsTest, MonitorsAreEnumeratedPrimaryFirst) {
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
  EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 3200);
  EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 1080);
  std::vector<HMONITOR> seen;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM out) {
        reinterpret_cast<std::vector<HMONITOR>*>(out)->push_back(monitor);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&seen));
  ASSERT_EQ(seen.size(), 2u);
  MONITORINFOEXW primary = info_of(seen[0]);
  EXPECT_EQ(primary.dwFlags, MONITORINFOF_PRIMARY);
  EXPECT_STREQ(primary.szDevice, L"\\\\.\\DISPLAY1");
  EXPECT_EQ(primary.rcWork.bottom, 1080 - desktop::kTaskbarHeight);
  MONITORINFOEXW secondary = info_of(seen[1]);
  EXPECT_EQ(secondary.dwFlags, 0u);
  EXPECT_EQ(secondary.rcMonitor.left, 1920);
  EXPECT_EQ(secondary.rcWork.bottom, 1024);
}

TEST_F(MonitorsTest, MonitorOfAPointRectangleOrWindow) {
  HMONITOR primary = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  HMONITOR secondary = MonitorFromPoint({2000, 10}, MONITOR_DEFAULTTONULL);
  ASSERT_NE(secondary, nullptr);
  EXPECT_NE(primary, secondary);
  struct Case {
    POINT point;
    DWORD flags;
    HMONITOR expected;
  };
  for (Case c : {Case{{5000, 5000}, MONITOR_DEFAULTTONULL, nullptr},
                 Case{{5000, 10}, MONITOR_DEFAULTTONEAREST, secondary},
                 Case{{5000, 10}, MONITOR_DEFAULTTOPRIMARY, primary},
                 Case{{-50, 500}, MONITOR_DEFAULTTONEAREST, primary}})
    EXPECT_EQ(MonitorFromPoint(c.point, c.flags), c.expected) << c.point.x << "," << c.point.y;

  RECT mostly_right{1800, 0, 2400, 100};
  EXPECT_EQ(MonitorFromRect(&mostly_right, MONITOR_DEFAULTTONULL), secondary);
  HWND window = create_logged_window(L"Placed", L"w", WS_POPUP, nullptr, 0, {1500, 0, 2000, 500});
  EXPECT_EQ(MonitorFromWindow(window, MONITOR_DEFAULTTONULL), primary);
  MoveWindow(window, 2500, 100, 400, 300, TRUE);
  EXPECT_EQ(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), secondary);
  ShowWindow(window, SW_MINIMIZE);  // a minimised window still belongs where it was
  EXPECT_EQ(MonitorFromWindow(window, MONITOR_DEFAULTTONULL), secondary);
  // No window: an owner-less dialog centred with DS_CENTER asks so.
  EXPECT_EQ(MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY), primary);
  EXPECT_EQ(MonitorFromWindow(nullptr, MONITOR_DEFAULTTONEAREST), primary);
  EXPECT_EQ(MonitorFromWindow(nullptr, MONITOR_DEFAULTTONULL), nullptr);
}

TEST_F(MonitorsTest, TaskbarAndStartButtonAreTopLevelWindowsOfTheShell) {
  HWND tray = FindWindowW(L"Shell_TrayWnd", L"");
  HWND start = FindWindowW(L"Button", L"Start");
  ASSERT_NE(tray, nullptr);
  ASSERT_NE(start, nullptr);
  RECT rect;
  GetWindowRect(tray, &rect);
  EXPECT_EQ(rect.bottom, 1080);
  EXPECT_EQ(rect.bottom - rect.top, desktop::kTaskbarHeight);
  EXPECT_TRUE(GetWindowLongW(tray, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(MonitorsTest, OnlySetWorkAreaChangesTheWorkArea) {
  HWND tray = FindWindowW(L"Shell_TrayWnd", L"");
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(work.bottom, 1040);
  ShowWindow(tray, SW_HIDE);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(work.bottom, 1040);
  EXPECT_FALSE(IsWindowVisible(tray));

  work.bottom = 1080;
  ASSERT_TRUE(SystemParametersInfoW(SPI_SETWORKAREA, 0, &work, 0));
  RECT now;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &now, 0);
  EXPECT_EQ(now.bottom, 1080);
  HWND window = create_logged_window(L"Placed", L"big", WS_POPUP, nullptr, 0, {10, 10, 200, 200});
  ShowWindow(window, SW_SHOWMAXIMIZED);
  RECT maximised;
  GetWindowRect(window, &maximised);
  EXPECT_EQ(maximised.bottom, 1080);  // a maximised window fills the work area of its monitor

  RECT secondary_work{1920, 0, 3200, 1000};
  ASSERT_TRUE(SystemParametersInfoW(SPI_SETWORKAREA, 0, &secondary_work, 0));
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromPoint({2000, 0}, MONITOR_DEFAULTTONULL), &info);
  EXPECT_EQ(info.rcWork.bottom, 1000);
}

TEST_F(MonitorsTest, BadArgumentsAreRefused) {
  MONITORINFO info{};
  info.cbSize = 3;
  EXPECT_FALSE(GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info));
  info.cbSize = sizeof(info);
  EXPECT_FALSE(GetMonitorInfoW(reinterpret_cast<HMONITOR>(0x1234), &info));
  RECT nowhere{9000, 9000, 9100, 9100};
  EXPECT_FALSE(SystemParametersInfoW(SPI_SETWORKAREA, 0, &nowhere, 0));
  EXPECT_FALSE(SystemParametersInfoW(0x7777, 0, nullptr, 0));
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  EXPECT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0));
  EXPECT_STREQ(metrics.lfMessageFont.lfFaceName, L"Segoe UI");
}

}  // namespace

namespace {

int screen_caps(UINT dpi, int index) {
  desktop::DesktopConfig config;
  config.monitors = {desktop::MonitorConfig{{0, 0, 1920, 1080}, dpi, dpi, 60}};
  desktop::Desktop machine(config);
  machine.attach(L"harness.exe");
  HDC screen = GetDC(nullptr);
  int value = GetDeviceCaps(screen, index);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
  EXPECT_EQ(GetDeviceCaps(screen, index), 0);  // a released context is refused
  machine.detach();
  return value;
}

TEST(DeviceCapsTest, ScreenContextReportsTheDisplay) {
  EXPECT_EQ(screen_caps(96, LOGPIXELSX), 96);
  EXPECT_EQ(screen_caps(120, LOGPIXELSY), 120);
  EXPECT_EQ(screen_caps(96, HORZRES), 1920);
  EXPECT_EQ(screen_caps(96, BITSPIXEL), 32);
  EXPECT_EQ(screen_caps(96, VREFRESH), 60);
}

TEST_F(MonitorsTest, DisplayContextsAndWindowContexts) {
  HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  ASSERT_NE(display, nullptr);
  EXPECT_EQ(GetDeviceCaps(display, VERTRES), 1080);
  EXPECT_TRUE(DeleteDC(display));
  EXPECT_FALSE(DeleteDC(display));
  EXPECT_EQ(CreateDCW(L"PRINTER", nullptr, nullptr, nullptr), nullptr);
  HWND window = create_logged_window(L"Placed", L"w", WS_POPUP);
  HDC dc = GetDC(window);
  EXPECT_EQ(WindowFromDC(dc), window);
  EXPECT_EQ(ReleaseDC(nullptr, dc), 0);  // released only with its own window
  EXPECT_EQ(ReleaseDC(window, dc), 1);
}

}  // namespace
