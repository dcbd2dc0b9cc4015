// The splash window: a topmost popup the size of its bitmap, centred on the desktop.
#include <cstdint>

#include "src/controls/splash.h"
#include "tests/platform/desktop_fixture.h"

namespace {

// A 40 by 30 bitmap of one colour.
constexpr std::uint32_t kRuns[] = {40 * 30, 0x203060};
constexpr BitmapResource kBitmaps[] = {{ImageKind::Bitmap, 2021, 40, 30, kRuns, 2}};
constexpr ResourceTable kSplashResources{nullptr, 0, nullptr, 0, kBitmaps, 1};

class SplashTest : public DesktopTest {
 protected:
  SplashTest() {
    SetModuleResources(&kSplashResources);
    MessageLog::register_class(L"Console");
    owner = create_logged_window(L"Console", L"Console", WS_POPUP | WS_VISIBLE);
  }
  HWND owner = nullptr;
};

TEST_F(SplashTest, ItShowsCentredAtItsBitmapsSizeAndHides) {
  HWND splash = nullptr;
  {
    SPLASH screen;
    ASSERT_TRUE(screen.Create(owner, nullptr, 2021));
    splash = screen.GetSafeHwnd();
    EXPECT_FALSE(IsWindowVisible(splash));
    EXPECT_EQ(GetWindow(splash, GW_OWNER), owner);
    EXPECT_TRUE(GetWindowLongW(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
    screen.Show();
    EXPECT_TRUE(screen.IsShown());
    EXPECT_TRUE(IsWindowVisible(splash));
    RECT rect{};
    GetWindowRect(splash, &rect);
    EXPECT_EQ(rect.left, 940);
    EXPECT_EQ(rect.top, 525);
    EXPECT_EQ(rect.right - rect.left, 40);
    EXPECT_EQ(rect.bottom - rect.top, 30);
    screen.Hide();
    EXPECT_FALSE(screen.IsShown());
    EXPECT_FALSE(IsWindowVisible(splash));
  }
  EXPECT_FALSE(IsWindow(splash));
}

TEST_F(SplashTest, AMissingBitmapFailsTheCreation) {
  SPLASH screen;
  EXPECT_FALSE(screen.Create(owner, nullptr, 9999));
}

}  // namespace
