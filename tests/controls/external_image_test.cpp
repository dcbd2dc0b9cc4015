// The picture overlay: its cropped picture, its fades on the virtual clock, and a show, hide or
// destruction in the middle of a fade.
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/desktop/png_file.h"
#include "platform/win/gdiplus_api.h"
#include "platform/win/layered_window_api.h"
#include "src/controls/external_image.h"
#include "tests/controls/user_input.h"
#include "tests/platform/desktop_fixture.h"

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

class ExternalImageTest : public DesktopTest {
 protected:
  ExternalImageTest() {
    std::filesystem::create_directories(machine.data_folder() / "C" / "Shows");
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    MessageLog::register_class(L"Planetarium");
    owner =
        create_logged_window(L"Planetarium", L"Orvenna", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 800, 600});
    // Four columns of colour, two rows: the middle square is the green and blue columns.
    write_picture("wide.png", 4, 2, {kRed, kGreen, kBlue, kWhite, kRed, kGreen, kBlue, kWhite});
    image = std::make_unique<CExternalImage>();
    image->Create(owner, nullptr, 100, 100, 40, 40);
  }
  // The overlay joins its fade threads while they still run.
  void TearDown() override {
    image.reset();
    DesktopTest::TearDown();
  }
  ~ExternalImageTest() override { Gdiplus::GdiplusShutdown(token); }

  void write_picture(const char* name, int width, int height, std::vector<std::uint32_t> pixels) {
    ASSERT_TRUE(
        desktop::write_png(width, height, pixels, false, machine.data_folder() / "C" / "Shows" / name));
  }

  BOOL show(BYTE alpha, LPCWSTR path = L"C:\\Shows\\wide.png") {
    return image->ShowImage(path, alpha, RECT{0, 0, 40, 40});
  }

  int alpha() const {
    BYTE value = 0;
    GetLayeredWindowAttributes(image->GetSafeHwnd(), nullptr, &value, nullptr);
    return value;
  }

  // Lets the desktop run for ms, then handles what was posted to the test's thread.
  void run(DWORD ms) {
    machine.advance(ms);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageW(&msg);
  }

  // The alpha at each 40 ms step, starting 1 ms after now.
  std::vector<int> alphas_every_step(int steps) {
    std::vector<int> seen;
    run(1);
    for (int i = 0; i < steps; ++i) {
      seen.push_back(alpha());
      run(40);
    }
    return seen;
  }

  COLORREF pixel(int x, int y) const { return UserInput::pixel_of(image->GetSafeHwnd(), x, y); }

  ULONG_PTR token = 0;
  HWND owner = nullptr;
  std::unique_ptr<CExternalImage> image;
};

TEST_F(ExternalImageTest, TheOverlayIsAHiddenClickThroughLayeredPopupOfItsOwner) {
  HWND overlay = image->GetSafeHwnd();
  ASSERT_NE(overlay, nullptr);
  EXPECT_FALSE(IsWindowVisible(overlay));
  EXPECT_EQ(GetWindow(overlay, GW_OWNER), owner);
  const LONG ex_style = GetWindowLongW(overlay, GWL_EXSTYLE);
  EXPECT_EQ(ex_style & (WS_EX_LAYERED | WS_EX_TRANSPARENT), WS_EX_LAYERED | WS_EX_TRANSPARENT);
  RECT rect{};
  GetWindowRect(overlay, &rect);
  EXPECT_EQ(rect.left, 100);
  EXPECT_EQ(rect.right, 140);
}

TEST_F(ExternalImageTest, APictureShowsItsMiddleSquareStretched) {
  write_picture("tall.png", 2, 4, {kRed, kRed, kGreen, kGreen, kBlue, kBlue, kWhite, kWhite});
  struct Case {
    LPCWSTR path;
    POINT first, second;
  };
  const Case cases[] = {
      {L"C:\\Shows\\wide.png", {10, 20}, {30, 20}},  // the middle columns, side by side
      {L"C:\\Shows\\tall.png", {20, 10}, {20, 30}},  // the middle rows, one above the other
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(show(255, c.path));
    EXPECT_EQ(pixel(c.first.x, c.first.y), RGB(0, 255, 0));
    EXPECT_EQ(pixel(c.second.x, c.second.y), RGB(0, 0, 255));
  }
}

TEST_F(ExternalImageTest, AMissingPictureShowsNothing) {
  EXPECT_FALSE(show(200, L"C:\\Shows\\none.png"));
  EXPECT_FALSE(image->IsVisible());
  EXPECT_FALSE(IsWindowVisible(image->GetSafeHwnd()));
}

TEST_F(ExternalImageTest, ItShowsAtTheTargetThenFadesInFromZeroBy15Every40Ms) {
  ASSERT_TRUE(show(200));
  EXPECT_TRUE(IsWindowVisible(image->GetSafeHwnd()));
  EXPECT_TRUE(image->IsVisible());
  EXPECT_EQ(alpha(), 200);
  std::vector<int> expected;
  for (int a = 0; a <= 195; a += 15)
    expected.push_back(a);
  expected.back() = 200;  // 195 + 15 passes the target, which is set exactly at once
  expected.push_back(200);
  EXPECT_EQ(alphas_every_step(15), expected);
}

TEST_F(ExternalImageTest, ATargetOfZeroStaysAtZero) {
  ASSERT_TRUE(show(0));
  EXPECT_EQ(alphas_every_step(3), (std::vector<int>{0, 0, 0}));
  EXPECT_TRUE(IsWindowVisible(image->GetSafeHwnd()));
}

TEST_F(ExternalImageTest, AFadeOutStepsDownBy7Every40MsThenHides) {
  ASSERT_TRUE(show(255));
  run(1000);
  image->FadeOut();
  EXPECT_FALSE(image->IsFadeOutAllowed());
  std::vector<int> expected;
  for (int a = 255; a >= 0; a -= 7)
    expected.push_back(a);
  ASSERT_EQ(expected.size(), 37u);
  const std::vector<int> seen = alphas_every_step(37);
  EXPECT_EQ(seen, expected);
  EXPECT_FALSE(IsWindowVisible(image->GetSafeHwnd()));
  EXPECT_FALSE(image->IsVisible());
  EXPECT_TRUE(image->IsFadeOutAllowed());
}

TEST_F(ExternalImageTest, APictureShownDuringAFadeOutStaysShown) {
  ASSERT_TRUE(show(255));
  run(1000);
  image->FadeOut();
  run(200);
  ASSERT_TRUE(show(180));
  run(3000);
  EXPECT_TRUE(IsWindowVisible(image->GetSafeHwnd()));
  EXPECT_TRUE(image->IsVisible());
  EXPECT_EQ(alpha(), 180);
  EXPECT_TRUE(image->IsFadeOutAllowed());
}

TEST_F(ExternalImageTest, ASecondFadeOutHidesAtOnceAndTheFirstDoesNotShowItAgain) {
  ASSERT_TRUE(show(255));
  run(1000);
  image->FadeOut();
  run(200);
  const int fading = alpha();
  image->FadeOut();
  EXPECT_FALSE(IsWindowVisible(image->GetSafeHwnd()));
  EXPECT_FALSE(image->IsVisible());
  run(3000);
  EXPECT_FALSE(IsWindowVisible(image->GetSafeHwnd()));
  EXPECT_EQ(alpha(), fading);  // the first fade stopped where it was
  EXPECT_TRUE(image->IsFadeOutAllowed());
}

TEST_F(ExternalImageTest, TheOverlayDestroyedMidFadeStopsItsThreads) {
  for (bool fading_out : {false, true}) {
    ASSERT_TRUE(show(255));
    run(100);
    if (fading_out) image->FadeOut();
    run(100);
    HWND overlay = image->GetSafeHwnd();
    image.reset();
    EXPECT_FALSE(IsWindow(overlay));
    run(3000);
    image = std::make_unique<CExternalImage>();
    image->Create(owner, nullptr, 100, 100, 40, 40);
  }
}

}  // namespace
