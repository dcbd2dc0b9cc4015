#include <cstdint>

#include "tests/platform/controls/controls_fixture.h"

namespace {

class StaticTest : public ControlsTest {
 protected:
};

TEST_F(StaticTest, ABitmapStaticTakesThePicturesSizeAndShowsIt) {
  HWND picture = make(WC_STATICW, L"", SS_BITMAP, {10, 10, 20, 20});
  HBITMAP red = solid_bitmap(70, 40, RGB(255, 0, 0));
  EXPECT_EQ(SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(red)), 0);
  EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)), red);
  EXPECT_EQ(SendMessageW(picture, STM_GETIMAGE, IMAGE_ICON, 0), 0);
  RECT client{};
  GetClientRect(picture, &client);
  EXPECT_EQ(client.right, 70);
  EXPECT_EQ(client.bottom, 40);
  EXPECT_EQ(pixel(picture, 35, 20), RGB(255, 0, 0));
  HBITMAP blue = solid_bitmap(70, 40, RGB(0, 0, 255));
  EXPECT_EQ(reinterpret_cast<HBITMAP>(
                SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(blue))),
            red);
  EXPECT_EQ(pixel(picture, 35, 20), RGB(0, 0, 255));
  DeleteObject(red);
  DeleteObject(blue);
}

TEST_F(StaticTest, ACentredPictureKeepsTheControlsSize) {
  HWND picture = make(WC_STATICW, L"", SS_BITMAP | SS_CENTERIMAGE, {10, 10, 110, 110});
  HBITMAP green = solid_bitmap(20, 20, RGB(0, 255, 0));
  SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(green));
  RECT client{};
  GetClientRect(picture, &client);
  EXPECT_EQ(client.right, 100);
  EXPECT_EQ(pixel(picture, 50, 50), RGB(0, 255, 0));
  EXPECT_NE(pixel(picture, 5, 5), RGB(0, 255, 0));
  DeleteObject(green);
}

TEST_F(StaticTest, AnIconStaticTakesTheIconsSizeAndDrawsItWithItsTransparency) {
  // A 4 by 4 icon: a red left half, magenta (transparent) on the right.
  static constexpr std::uint32_t kRuns[] = {2, 0xFF0000, 2, 0xFF00FF, 2, 0xFF0000, 2, 0xFF00FF,
                                            2, 0xFF0000, 2, 0xFF00FF, 2, 0xFF0000, 2, 0xFF00FF};
  static constexpr BitmapResource kIcons[] = {{ImageKind::Icon, 32, 4, 4, kRuns, 16}};
  static const ResourceTable kTable{nullptr, 0, nullptr, 0, kIcons, 1};
  SetModuleResources(&kTable);
  HICON icon = LoadIconW(nullptr, MAKEINTRESOURCEW(32));
  ASSERT_NE(icon, nullptr);
  HWND picture = make(WC_STATICW, L"", SS_ICON | WS_DISABLED, {10, 10, 50, 50});
  EXPECT_EQ(SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0), 0);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(picture, STM_GETIMAGE, IMAGE_ICON, 0)), icon);
  RECT client{};
  GetClientRect(picture, &client);
  EXPECT_EQ(client.right, 4);
  EXPECT_EQ(client.bottom, 4);
  EXPECT_EQ(pixel(picture, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(pixel(picture, 3, 3), GetSysColor(COLOR_BTNFACE));
}

TEST_F(StaticTest, TheParentChoosesTheColoursOfTheText) {
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  HWND asked_for = nullptr;
  MessageLog::handler() = [&](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_CTLCOLORSTATIC) return false;
    asked_for = reinterpret_cast<HWND>(lParam);
    SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    result = reinterpret_cast<LRESULT>(black);
    return true;
  };
  HWND label = make(WC_STATICW, L"Your current location:", SS_LEFT, {10, 10, 300, 40});
  UpdateWindow(label);
  EXPECT_EQ(asked_for, label);
  EXPECT_EQ(pixel(label, 280, 25), RGB(0, 0, 0));
  bool white_text = false;
  HDC dc = GetDC(label);
  for (int x = 0; x < 150 && !white_text; ++x)
    for (int y = 0; y < 20 && !white_text; ++y)
      white_text = GetPixel(dc, x, y) == RGB(255, 255, 255);
  ReleaseDC(label, dc);
  EXPECT_TRUE(white_text);
}

TEST_F(StaticTest, OnlyANotifyingStaticTakesClicks) {
  HWND plain = make(WC_STATICW, L"plain", SS_LEFT, {10, 10, 110, 40}, 1);
  HWND notifying = make(WC_STATICW, L"notifying", SS_LEFT | SS_NOTIFY, {10, 50, 110, 80}, 2);
  forget_messages();
  click_centre(plain);
  EXPECT_TRUE(notifications(plain).empty());
  EXPECT_EQ(host_messages(WM_LBUTTONDOWN).size(), 1u);
  click_centre(notifying);
  EXPECT_EQ(notifications(notifying), std::vector<WORD>{STN_CLICKED});
}

TEST_F(StaticTest, AlignmentStylesPlaceTheText) {
  struct Case {
    DWORD style;
    bool ink_left;
    bool ink_right;
  };
  const Case cases[] = {{SS_LEFT, true, false}, {SS_RIGHT, false, true}, {SS_CENTER, false, false}};
  for (const Case& test : cases) {
    SCOPED_TRACE(test.style);
    HWND label = make(WC_STATICW, L"Hi", test.style, {10, 10, 310, 40});
    UpdateWindow(label);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    HDC dc = GetDC(label);
    auto ink_between = [&](int from, int to) {
      for (int x = from; x < to; ++x)
        for (int y = 0; y < 30; ++y)
          if (GetPixel(dc, x, y) != face) return true;
      return false;
    };
    EXPECT_EQ(ink_between(0, 40), test.ink_left);
    EXPECT_EQ(ink_between(260, 300), test.ink_right);
    EXPECT_EQ(ink_between(130, 170), test.style == SS_CENTER);
    ReleaseDC(label, dc);
    DestroyWindow(label);
  }
}

}  // namespace
