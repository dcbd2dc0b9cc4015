// Hiding and showing the taskbar moves the work area's bottom edge only when its visibility changes.
#include "src/link/taskbar.h"
#include "platform/desktop/shell.h"
#include "tests/platform/desktop_fixture.h"

namespace {

class TaskbarTest : public ::testing::Test {
 protected:
  explicit TaskbarTest(DWORD windowsMinor = 1) : machine(WithShell(windowsMinor)) {
    machine.attach(L"harness.exe");
    machine.run_until_idle();
  }
  ~TaskbarTest() override {
    machine.end_other_threads();
    machine.detach();
  }
  static desktop::DesktopConfig WithShell(DWORD windowsMinor) {
    desktop::DesktopConfig config;
    config.start_shell = true;
    config.windows_version.minor = windowsMinor;
    return config;
  }
  static RECT WorkArea() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
  }
  static bool Visible(const wchar_t* windowClass, const wchar_t* title) {
    return IsWindowVisible(FindWindowW(windowClass, title)) != FALSE;
  }

  desktop::Desktop machine;
};

TEST_F(TaskbarTest, HiddenAndShownTwiceLeavesTheWorkAreaAsItWas) {
  const RECT before = WorkArea();
  ASSERT_EQ(before.bottom, 1080 - desktop::kTaskbarHeight);
  for (int time = 0; time < 2; ++time) {
    SetTaskbarHidden(true);
    EXPECT_EQ(WorkArea().bottom, 1080);
    EXPECT_FALSE(Visible(L"Shell_TrayWnd", L""));
    EXPECT_FALSE(Visible(L"Button", L"Start"));
  }
  for (int time = 0; time < 2; ++time) {
    SetTaskbarHidden(false);
    EXPECT_EQ(WorkArea().bottom, before.bottom);
    EXPECT_TRUE(Visible(L"Shell_TrayWnd", L""));
    EXPECT_TRUE(Visible(L"Button", L"Start"));
  }
  EXPECT_EQ(WorkArea().top, before.top);
  EXPECT_EQ(WorkArea().right, before.right);
}

class Windows8TaskbarTest : public TaskbarTest {
 protected:
  Windows8TaskbarTest() : TaskbarTest(2) {}
};

TEST_F(Windows8TaskbarTest, LeavesTheStartButtonAlone) {
  EXPECT_TRUE(IsWindowsVersionEqual(2));
  EXPECT_FALSE(IsWindowsVersionEqual(1));
  SetTaskbarHidden(true);
  EXPECT_FALSE(Visible(L"Shell_TrayWnd", L""));
  EXPECT_TRUE(Visible(L"Button", L"Start"));
}

}  // namespace
