// The world map: where it opens over its owner, what a click on it writes into the owner's
// script buffer, and the clicks and keys that close it without a place.
#include <string>

#include "platform/win/win32.h"
#include "src/dialogs/mercator.h"
#include "tests/dialogs/chooser_fixture.h"

namespace {

std::wstring statement(const wchar_t* longitudeAndLatitude) {
  return std::wstring(L"core.setObserverLocation(") + longitudeAndLatitude +
         L", -2000, 5, \"\", \"Earth\");\rcore.wait(5);";
}

class MercatorTest : public ChooserTest {
 protected:
  void open_map(BOOL resize, BOOL alignLeft, RECT ownerRect = {0, 0, 1000, 600}) {
    open([this, resize,
          alignLeft](CWnd* owner) { return CMercator(owner, &scriptBuffer, resize, alignLeft).DoModal(); },
         ownerRect);
  }
  CRect map_client() const {
    CRect area;
    GetClientRect(user.control(CMercator::MapStaticId), &area);
    return area;
  }

  std::wstring scriptBuffer = L"unchanged";
};

// An owner of 1000 by 600 at the origin gives a map of 900 by 500: 2.5 pixels a degree of
// longitude, 250/90 a degree of latitude.
TEST_F(MercatorTest, AClickOnTheMapMovesTheObserverThere) {
  struct Case {
    POINT click;
    const wchar_t* place;
  };
  const Case cases[] = {
      {{0, 0}, L"-180.000000, 90.000000"},     {{450, 250}, L"0.000000, 0.000000"},
      {{675, 125}, L"90.000000, 45.000000"},   {{225, 375}, L"-90.000000, -45.000000"},
      {{899, 499}, L"179.600000, -89.640000"}, {{0, 500}, L"-180.000000, -90.000000"},
      {{899, 250}, L"179.600000, 0.000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.click.x << ", " << c.click.y << ")");
    scriptBuffer = L"unchanged";
    open_map(TRUE, TRUE);
    ASSERT_TRUE(user.click_at(c.click));
    EXPECT_EQ(result(), CMercator::PlaceChosen);
    EXPECT_EQ(scriptBuffer, statement(c.place));
  }
}

TEST_F(MercatorTest, AClickBelowTheMapKeepsItOpen) {
  open_map(TRUE, TRUE);
  ASSERT_EQ(map_client().Height(), 500);
  ASSERT_TRUE(user.click_at({100, 501}));
  ASSERT_TRUE(user.click_at({800, 530}));
  EXPECT_TRUE(open_now());
  EXPECT_EQ(scriptBuffer, L"unchanged");
  ASSERT_TRUE(user.click_at({100, 100}, driver::DesktopUser::Button::Right));
  EXPECT_EQ(result(), CMercator::NothingChosen);
  EXPECT_EQ(scriptBuffer, L"unchanged");
}

TEST_F(MercatorTest, ItOpensOverTheOwnerByTheLayoutsFlags) {
  struct Case {
    BOOL alignLeft;
    RECT owner;
    RECT window;
    SIZE map;
  };
  const Case cases[] = {
      {TRUE, {0, 0, 1000, 600}, {30, 30, 930, 570}, {900, 500}},
      {TRUE, {200, 100, 1200, 700}, {30, 30, 1110, 660}, {1080, 500}},
      {FALSE, {200, 100, 1200, 700}, {230, 30, 1130, 660}, {900, 500}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "left " << c.alignLeft << ", owner at " << c.owner.left);
    open_map(TRUE, c.alignLeft, c.owner);
    CRect window;
    GetWindowRect(dialog(), &window);
    EXPECT_EQ(window, CRect(c.window));
    EXPECT_EQ(map_client().Size(), CSize(c.map.cx, c.map.cy));
    user.key("ESCAPE");
    EXPECT_EQ(result(), CMercator::NothingChosen);
  }
}

TEST_F(MercatorTest, WithoutResizingTheTemplatesMapTakesTheClick) {
  open_map(FALSE, TRUE);
  const CRect map = map_client();
  CRect client;
  GetClientRect(dialog(), &client);
  EXPECT_GT(map.Width(), 0);
  EXPECT_EQ(map.Width(), client.Width());
  EXPECT_LT(map.Height(), client.Height());
  ASSERT_TRUE(user.click_at({map.Width() / 2, map.Height() / 2}));
  EXPECT_EQ(result(), CMercator::PlaceChosen);
  EXPECT_EQ(scriptBuffer, statement(L"0.000000, 0.000000"));
}

TEST_F(MercatorTest, EscapeAndTheRightButtonChooseNothing) {
  open_map(TRUE, TRUE);
  user.key("ESCAPE");
  EXPECT_EQ(result(), CMercator::NothingChosen);
  open_map(TRUE, TRUE);
  user.key("RETURN");
  EXPECT_EQ(result(), CMercator::NothingChosen);
  EXPECT_EQ(scriptBuffer, L"unchanged");
}

TEST_F(MercatorTest, ItIsTranslucentAndDrawsTheMapAfterAFifthOfASecond) {
  open_map(TRUE, TRUE);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(dialog(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 240);
  EXPECT_EQ(flags, LWA_ALPHA);
  HWND map = user.control(CMercator::MapStaticId);
  user.wait(150);
  EXPECT_EQ(SendMessageW(map, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  user.wait(60);
  HBITMAP picture = reinterpret_cast<HBITMAP>(SendMessageW(map, STM_GETIMAGE, IMAGE_BITMAP, 0));
  ASSERT_NE(picture, nullptr);
  BITMAP size{};
  GetObjectW(picture, sizeof(size), &size);
  EXPECT_EQ(size.bmWidth, 900);
  EXPECT_EQ(size.bmHeight, 500);
  // The Sahara (20 E, 20 N) is land, the Atlantic west of it (45 W, 20 N) sea.
  HDC dc = GetDC(map);
  const COLORREF land = GetPixel(dc, 500, 194);
  const COLORREF sea = GetPixel(dc, 337, 194);
  ReleaseDC(map, dc);
  EXPECT_GT(GetGValue(land), GetBValue(land));
  EXPECT_GT(GetBValue(sea), GetGValue(sea));
}

}  // namespace
