// The slide-show browser: its pages of thumbnails, the delay read, held and kept, a thumbnail
// clicked, and the start of a show.
#include "src/media/slide_show.h"

#include "platform/win/win32.h"
#include "src/media/slide_delay.h"
#include "src/settings/ini_files.h"
#include "tests/media/media_fixture.h"

namespace {

INT_PTR browserResult = -1;

class SlideShowTest : public MediaTest {
 protected:
  void OpenBrowser(int pictures) {
    const std::vector<std::wstring> names = MakeSlideFolder(pictures);
    Run([&names](TestConsoleDlg& dlg) {
      dlg.slideFiles = names;
      dlg.slideCount = static_cast<int>(names.size());
      dlg.slideFolder = SlideFolder;
      dlg.slideIndex = 0;
    });
    browserResult = -1;
    dialog->step = [](TestConsoleDlg& dlg) {
      CSlideShow browser(0, 6, &dlg, &dlg);
      browserResult = browser.DoModal();
    };
    PostMessageW(dialog->GetSafeHwnd(), TestConsoleDlg::RunStepMessage, 0, 0);
    machine.run_until_idle();
    Wait(200);
    browser = ShownDialog(L"Slide show");
    ASSERT_NE(browser, nullptr);
  }

  void TearDown() override {
    if (HWND open = ShownDialog(L"Slide show remote")) Press(open, IDCANCEL);
    if (HWND open = ShownDialog(L"Slide show")) Press(open, IDCANCEL);
    MediaTest::TearDown();
  }

  std::wstring Text(int id) const {
    wchar_t text[256] = {};
    GetDlgItemTextW(browser, id, text, 256);
    return text;
  }

  std::vector<std::wstring> Captions() const {
    std::vector<std::wstring> captions;
    for (int id = 1713; id <= 1722; ++id)
      captions.push_back(Text(id));
    return captions;
  }

  // The mouse pressed on a delay key and held for that long.
  void HoldDelayKey(int id, desktop::Tick ms) {
    HWND key = GetDlgItem(browser, id);
    PostMessageW(key, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    machine.run_until_idle();
    for (desktop::Tick passed = 0; passed < ms; passed += 50)
      Wait(50);
    PostMessageW(key, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    machine.run_until_idle();
  }

  HWND browser = nullptr;
};

TEST(SlidePagesTest, TenPicturesAPageAndAtLeastOnePage) {
  const std::pair<int, int> cases[] = {{0, 1}, {1, 1}, {10, 1}, {11, 2}, {20, 2}, {23, 3}};
  for (const auto& [pictures, pages] : cases)
    EXPECT_EQ(SlidePageCount(pictures), pages) << pictures;
}

TEST_F(SlideShowTest, PagesShowTenNamesAndTheLastPageWhatIsLeft) {
  OpenBrowser(23);
  const std::vector<std::wstring> first = Captions();
  EXPECT_EQ(first.front(), L"a.png");
  EXPECT_EQ(first.back(), L"j.png");
  Press(browser, 11146);
  Press(browser, 11146);
  const std::vector<std::wstring> last = Captions();
  EXPECT_EQ(last[0], L"u.png");
  EXPECT_EQ(last[2], L"w.png");
  EXPECT_EQ(last[3], L"");
  EXPECT_EQ(last[9], L"");
  Press(browser, 11146);
  EXPECT_EQ(Captions(), first) << "next from the last page";
  Press(browser, 11145);
  EXPECT_EQ(Captions(), last) << "previous from the first page";
}

TEST_F(SlideShowTest, OnePageOfPicturesDisablesThePageKeys) {
  OpenBrowser(10);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(browser, 11145)));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(browser, 11146)));
}

TEST_F(SlideShowTest, TheDelayIsReadFromTheSettingsAndOutOfRangeBecomesFive) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"12", L"12"}, {L"1", L"1"}, {L"60", L"60"}, {L"0", L"5"}, {L"61", L"5"}, {L"", L"5"}, {L"x", L"5"},
  };
  for (const auto& [stored, shown] : cases) {
    Run([stored](TestConsoleDlg&) { WriteIniValue(ConsoleIniFile, L"behavior", L"slideDelay", stored); });
    OpenBrowser(2);
    EXPECT_EQ(Text(1744), shown) << testing::PrintToString(std::wstring(stored));
    Press(browser, IDCANCEL);
    ASSERT_EQ(browserResult, 0);
  }
}

TEST_F(SlideShowTest, TheDelayIsDrawnInItsField) {
  for (const wchar_t* stored : {L"5", L"60"}) {
    Run([stored](TestConsoleDlg&) { WriteIniValue(ConsoleIniFile, L"behavior", L"slideDelay", stored); });
    OpenBrowser(2);
    HWND field = GetDlgItem(browser, 1744);
    RECT client{};
    GetClientRect(field, &client);
    HDC dc = GetDC(field);
    int inked = 0;
    for (int y = client.top; y < client.bottom; ++y)
      for (int x = client.left; x < client.right; ++x)
        if (GetRValue(GetPixel(dc, x, y)) > 150) ++inked;
    ReleaseDC(field, dc);
    EXPECT_GT(inked, 20) << "the number's strokes, for " << testing::PrintToString(std::wstring(stored));
    Press(browser, IDCANCEL);
  }
}

TEST_F(SlideShowTest, AHeldDelayKeyStepsEveryQuarterSecondUpToItsBound) {
  OpenBrowser(2);
  HoldDelayKey(1746, 1000);
  EXPECT_EQ(Text(1744), L"10") << "one at the press, four more in a second";
  HoldDelayKey(1746, 20000);
  EXPECT_EQ(Text(1744), L"60");
  HoldDelayKey(1747, 250);
  EXPECT_EQ(Text(1744), L"58");
  HoldDelayKey(1747, 20000);
  EXPECT_EQ(Text(1744), L"1");
}

TEST_F(SlideShowTest, AChangedDelayIsKeptWhenTheShowStarts) {
  Run([](TestConsoleDlg&) { WriteIniValue(ConsoleIniFile, L"behavior", L"slideDelay", L"7"); });
  OpenBrowser(1);
  HoldDelayKey(1747, 0);
  Press(browser, 1740);
  EXPECT_EQ(ReadIniEntry(ConsoleIniFile, L"behavior", L"slideDelay"), std::wstring(L"6"));
  EXPECT_EQ(ShownDialog(L"Slide show remote"), nullptr) << "one picture needs no remote";
  EXPECT_TRUE(dialog->pictureOverlays[6].IsVisible());
}

TEST_F(SlideShowTest, AShowOfSeveralPicturesRunsUnderItsRemoteAndTheEndTakesThePictureAway) {
  OpenBrowser(3);
  Press(browser, 1743);
  HWND remote = ShownDialog(L"Slide show remote");
  ASSERT_NE(remote, nullptr);
  EXPECT_EQ(dialog->slideIndex, 1);
  EXPECT_TRUE(dialog->pictureOverlays[6].IsVisible());
  Press(remote, 560);
  EXPECT_EQ(ShownDialog(L"Slide show remote"), nullptr);
  EXPECT_FALSE(dialog->pictureBackdrop.IsVisible());
  Wait(3000);
  EXPECT_FALSE(dialog->pictureOverlays[6].IsVisible());
  EXPECT_NE(ShownDialog(L"Slide show"), nullptr);
}

TEST_F(SlideShowTest, AClickedThumbnailIsShownAndHideImageTakesItAway) {
  OpenBrowser(3);
  RECT frame{};
  GetWindowRect(GetDlgItem(browser, 1731), &frame);
  POINT middle{(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
  ScreenToClient(browser, &middle);
  PostMessageW(browser, WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y));
  machine.run_until_idle();
  EXPECT_TRUE(dialog->pictureOverlays[6].IsVisible());
  EXPECT_TRUE(dialog->pictureBackdrop.IsVisible());
  Press(browser, 1749);
  EXPECT_FALSE(dialog->pictureBackdrop.IsVisible());
  Wait(3000);
  EXPECT_FALSE(dialog->pictureOverlays[6].IsVisible());
  Press(browser, IDCANCEL);
  EXPECT_EQ(browserResult, 0);
}

}  // namespace
