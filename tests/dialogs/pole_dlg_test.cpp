// The planet chooser: the body of each picture, a touch between pictures, cancel, and its
// texts in the interface language.
#include "src/dialogs/pole_dlg.h"
#include "platform/win/win32.h"
#include "tests/dialogs/chooser_fixture.h"

namespace {

constexpr int kUntouched = -7;

class PoleDlgTest : public ChooserTest {
 protected:
  void open_chooser() {
    state.homePlanetIndex = kUntouched;
    open([this](CWnd* owner) { return CPoleDlg(owner, &state).DoModal(); });
  }
  // A picture's rectangle in the dialog's client coordinates.
  CRect picture(int index) const {
    CRect area;
    GetWindowRect(user.control(CPoleDlg::FirstPictureId + index), &area);
    MapWindowPoints(nullptr, dialog(), reinterpret_cast<POINT*>(&area), 2);
    return area;
  }

  CConsoleState state;
};

TEST_F(PoleDlgTest, EachPictureChoosesItsBody) {
  for (int index = 0; index < CPoleDlg::BodyCount; ++index) {
    SCOPED_TRACE(index);
    open_chooser();
    ASSERT_TRUE(user.click(CPoleDlg::FirstPictureId + index));
    EXPECT_EQ(result(), CPoleDlg::BodyChosen);
    EXPECT_EQ(state.homePlanetIndex, index);
  }
}

TEST_F(PoleDlgTest, TheEdgesOfAPictureCountButTheGapsAndTheNamesDoNot) {
  open_chooser();
  const CRect earth = picture(2);
  const CRect mars = picture(3);
  ASSERT_LT(earth.right, mars.left);
  ASSERT_TRUE(user.click_at({(earth.right + mars.left) / 2, earth.CenterPoint().y}));
  ASSERT_TRUE(user.click(CPoleDlg::FirstCaptionId + 2));
  EXPECT_TRUE(open_now());
  EXPECT_EQ(state.homePlanetIndex, kUntouched);
  ASSERT_TRUE(user.click_at({earth.right - 1, earth.bottom - 1}));
  EXPECT_EQ(result(), CPoleDlg::BodyChosen);
  EXPECT_EQ(state.homePlanetIndex, 2);
}

TEST_F(PoleDlgTest, CancelAndEscapeLeaveTheChoiceAlone) {
  open_chooser();
  ASSERT_TRUE(user.click(IDCANCEL));
  EXPECT_EQ(result(), CPoleDlg::Cancelled);
  open_chooser();
  user.key("ESCAPE");
  EXPECT_EQ(result(), CPoleDlg::Cancelled);
  EXPECT_EQ(state.homePlanetIndex, kUntouched);
}

TEST_F(PoleDlgTest, ItSpeaksTheInterfaceLanguageOnATranslucentBlackWindow) {
  set_language(2);
  open_chooser();
  EXPECT_EQ(user.window_text(dialog()), L"Choisissez l'objet...");
  EXPECT_EQ(user.text_of(IDCANCEL), L"&Annuler");
  EXPECT_EQ(user.text_of(CPoleDlg::FirstCaptionId + 2), L"TERRE");
  EXPECT_EQ(user.text_of(CPoleDlg::FirstCaptionId + 9), L"LUNE");
  EXPECT_EQ(user.text_of(CPoleDlg::FirstCaptionId + 11), L"VESTA");
  BYTE alpha = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(dialog(), nullptr, &alpha, nullptr));
  EXPECT_EQ(alpha, 248);
  for (int index = 0; index < CPoleDlg::BodyCount; ++index) {
    HWND shown = user.control(CPoleDlg::FirstPictureId + index);
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(shown, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(bitmap, nullptr) << index;
    BITMAP size{};
    GetObjectW(bitmap, sizeof(size), &size);
    EXPECT_EQ(size.bmWidth, picture(index).Width()) << index;
  }
  // The Sun's picture is yellow at its middle, on black at its corner.
  HWND sun = user.control(CPoleDlg::FirstPictureId + 10);
  HDC dc = GetDC(sun);
  const COLORREF middle = GetPixel(dc, picture(10).Width() / 2, picture(10).Height() / 2);
  const COLORREF corner = GetPixel(dc, 0, 0);
  ReleaseDC(sun, dc);
  EXPECT_GT(GetRValue(middle), 200);
  EXPECT_EQ(corner, RGB(0, 0, 0));
}

}  // namespace
