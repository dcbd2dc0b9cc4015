// The monitors the two-monitor layout asks about, on desktops of one and two monitors.
#include "src/controls/monitors.h"
#include "tests/platform/desktop_fixture.h"

namespace {

desktop::DesktopConfig with_monitors(std::vector<RECT> rects) {
  desktop::DesktopConfig config;
  config.monitors.clear();
  for (const RECT& rect : rects)
    config.monitors.push_back(desktop::MonitorConfig{rect});
  config.start_shell = true;
  return config;
}

class MonitorsFixture {
 public:
  explicit MonitorsFixture(std::vector<RECT> rects) : machine(with_monitors(std::move(rects))) {
    machine.attach(L"harness.exe");
    machine.run_until_idle();
    MessageLog::register_class(L"Placed");
  }
  ~MonitorsFixture() { machine.detach(); }

  desktop::Desktop machine;
};

RECT rect_of(const CMonitor& monitor) {
  RECT rect{};
  monitor.GetMonitorRect(&rect);
  return rect;
}

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(MonitorsTest, TheSecondaryIsRightOfThePrimaryOrElseTheNearest) {
  struct Case {
    const char* name;
    std::vector<RECT> monitors;
    RECT secondary;
  };
  const Case cases[] = {
      {"right of the primary", {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}}, {1920, 0, 3200, 1024}},
      {"alone", {{0, 0, 1920, 1080}}, {0, 0, 1920, 1080}},
      {"left of the primary", {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}}, {0, 0, 1920, 1080}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MonitorsFixture fixture(c.monitors);
    CMonitors monitors;
    EXPECT_EQ(monitors.GetCount(), static_cast<int>(c.monitors.size()));
    EXPECT_TRUE(rect_of(CMonitors::GetPrimaryMonitor()) == (RECT{0, 0, 1920, 1080}));
    EXPECT_TRUE(CMonitors::GetPrimaryMonitor().IsPrimaryMonitor());
    const CMonitor secondary = CMonitors::GetSecondaryMonitor();
    EXPECT_TRUE(rect_of(secondary) == c.secondary);
    CMonitor attached;
    attached.AttachToSecondaryMonitor();
    EXPECT_EQ(attached.GetHandle(), secondary.GetHandle());
    EXPECT_EQ(attached.IsPrimaryMonitor(), c.secondary.left == 0);
  }
}

TEST(MonitorsTest, AWindowIsCentredOnItsNearestMonitorByTheFullRectangle) {
  MonitorsFixture fixture({{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}});
  HWND hwnd =
      create_logged_window(L"Placed", L"Console", WS_POPUP | WS_VISIBLE, nullptr, 0, {3000, 900, 3400, 1200});
  CWnd wnd;
  wnd.Attach(hwnd);
  CMonitor nearest = CMonitors::GetNearestMonitor(&wnd);
  EXPECT_FALSE(nearest.IsPrimaryMonitor());
  nearest.CenterWindowToMonitor(&wnd);
  RECT placed{};
  GetWindowRect(hwnd, &placed);
  EXPECT_TRUE(placed == (RECT{2360, 362, 2760, 662}));

  // The taskbar takes the primary's bottom, but centring ignores the work area.
  CMonitor primary;
  primary.AttachToPrimaryMonitor();
  RECT tall{0, 0, 1000, 1080};
  primary.CenterRectToMonitor(&tall);
  EXPECT_TRUE(tall == (RECT{460, 0, 1460, 1080}));
  RECT odd{5, 5, 6, 8};
  primary.CenterRectToMonitor(&odd);
  EXPECT_TRUE(odd == (RECT{959, 538, 960, 541}));
  wnd.Detach();
  DestroyWindow(hwnd);
}

}  // namespace
