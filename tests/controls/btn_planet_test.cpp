// The image button: its pictures over the parent's background, its hover and pressed states
// under the real mouse, its caption, and its place among the dialog's push buttons.
#include <memory>

#include "src/controls/btn_planet.h"
#include "tests/controls/kit_fixture.h"

namespace {

constexpr COLORREF kCaptionColour = RGB(221, 46, 46);
constexpr RECT kButtonRect{40, 30, 140, 80};
// A corner of the picture is magenta; the face's left part lies away from the caption.
constexpr POINT kCorner{1, 1};
constexpr POINT kFace{12, 25};

class BtnPlanetTest : public KitTest {
 protected:
  CBtnPlanet& make_button(const wchar_t* caption, DWORD type = BS_PUSHBUTTON) {
    HWND hwnd = make_child(WC_BUTTONW, caption, type | WS_TABSTOP, kButtonRect);
    button = std::make_unique<CBtnPlanet>();
    button->m_nNormalId = kSampleNormalBitmap;
    button->m_nActiveId = kSampleActiveBitmap;
    button->SubclassWindow(hwnd);
    button->Invalidate();
    pump();
    return *button;
  }
  COLORREF face() const { return pixel(*button, kFace.x, kFace.y); }
  void TearDown() override {
    if (button) button->DestroyWindow();
    KitTest::TearDown();
  }

  std::unique_ptr<CBtnPlanet> button;
};

TEST_F(BtnPlanetTest, MagentaShowsTheParentsAnswerOrWhatItsEraseHandlerPaints) {
  for (const bool answers : {true, false}) {
    backdrop.answers = answers;
    CBtnPlanet& planet = make_button(L"");
    EXPECT_EQ(GetPropW(planet, L"###tranparentctrl_tag###"), static_cast<HANDLE>(planet.GetSafeHwnd()));
    EXPECT_EQ(planet.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
    const COLORREF behind =
        answers ? Backdrop::PictureAt(kButtonRect.left + kCorner.x, kButtonRect.top + kCorner.y)
                : Backdrop::kEraseColour;
    EXPECT_EQ(pixel(planet, kCorner.x, kCorner.y), behind) << answers;
    EXPECT_EQ(face(), kSampleNormalColour) << answers;
    planet.DestroyWindow();
  }
}

TEST_F(BtnPlanetTest, ThePointerOverTheButtonShowsTheActivePictureUntilItLeaves) {
  make_button(L"");
  move(*button, {50, 25});
  EXPECT_EQ(face(), kSampleActiveColour);
  move(backdrop, {300, 200});
  EXPECT_EQ(face(), kSampleNormalColour);
}

TEST_F(BtnPlanetTest, APressMovedAwayAndReleasedDoesNotClickAndAPressReleasedOnItDoes) {
  make_button(L"");
  move(*button, {50, 25});
  press();
  EXPECT_EQ(face(), kSampleActiveColour);
  // While the button holds the mouse the pointer has not left it.
  move(backdrop, {300, 200});
  EXPECT_EQ(face(), kSampleActiveColour);
  release();
  EXPECT_EQ(backdrop.clicks, 0);
  EXPECT_EQ(face(), kSampleNormalColour);
  click(*button, {50, 25});
  EXPECT_EQ(backdrop.clicks, 1);
}

TEST_F(BtnPlanetTest, ThePressedCaptionMovesRightAndDownAndOneCharacterIsDrawnLarger) {
  make_button(L"Go");
  const CRect caption = bounds_of(*button, kCaptionColour);
  ASSERT_FALSE(caption.IsRectEmpty());
  EXPECT_LE(std::abs(caption.left - (kButtonRect.right - kButtonRect.left - caption.right)), 2);
  move(*button, {50, 25});
  press();
  const CRect pressed = bounds_of(*button, kCaptionColour);
  EXPECT_EQ(pressed.left, caption.left + 2);
  EXPECT_EQ(pressed.top, caption.top + 1);
  EXPECT_EQ(pressed.Size(), caption.Size());
  release();
  button->SetWindowText(L"X");
  const CRect single = bounds_of(*button, kCaptionColour);
  EXPECT_GT(single.Height(), caption.Height() + 3);
}

TEST_F(BtnPlanetTest, ADisabledKeyIsFadedIntoItsBackgroundWithAGreyCaptionAndHoverDoesNotLightIt) {
  CBtnPlanet& planet = make_button(L"Go");
  const COLORREF behind = Backdrop::PictureAt(kButtonRect.left + kFace.x, kButtonRect.top + kFace.y);
  planet.EnableWindow(FALSE);
  pump();
  const COLORREF greyed = face();
  EXPECT_NE(greyed, kSampleNormalColour);
  // Between the background and the picture, nearer the background.
  for (auto channel : {GetRValue, GetGValue, GetBValue}) {
    const int picture = channel(kSampleNormalColour), back = channel(behind), shown = channel(greyed);
    EXPECT_LE(std::abs(shown - back), std::abs(picture - back) / 2 + 1);
  }
  EXPECT_TRUE(bounds_of(planet, kCaptionColour).IsRectEmpty());
  move(planet, {50, 25});
  EXPECT_EQ(face(), greyed);
  planet.EnableWindow(TRUE);
  pump();
  EXPECT_EQ(face(), kSampleNormalColour);
  EXPECT_FALSE(bounds_of(planet, kCaptionColour).IsRectEmpty());
}

TEST_F(BtnPlanetTest, TheDialogManagerSeesADefaultOrPlainPushButtonThatStaysOwnerDrawn) {
  CBtnPlanet& planet = make_button(L"OK", BS_DEFPUSHBUTTON);
  EXPECT_EQ(planet.SendMessage(WM_GETDLGCODE) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON),
            DLGC_DEFPUSHBUTTON);
  planet.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EXPECT_EQ(planet.SendMessage(WM_GETDLGCODE) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON),
            DLGC_UNDEFPUSHBUTTON);
  EXPECT_EQ(planet.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
  planet.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_NE(planet.SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON, 0);
  EXPECT_EQ(planet.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
  planet.DestroyWindow();
  CBtnPlanet& check = make_button(L"Box", BS_AUTOCHECKBOX);
  EXPECT_EQ(check.SendMessage(WM_GETDLGCODE) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON), 0);
}

}  // namespace
