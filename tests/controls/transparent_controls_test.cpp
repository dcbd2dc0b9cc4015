// The transparent label, edit and picture, and the parent's side of the protocol.
#include "src/controls/edit_ex.h"
#include "src/controls/static_ex.h"
#include "src/controls/transparent_helper.h"
#include "src/controls/transparent_image.h"
#include "tests/controls/kit_fixture.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kEditRed = RGB(255, 40, 40);
constexpr RECT kFieldRect{20, 100, 260, 140};
// A corner of the field that its text does not reach.
constexpr POINT kFieldCorner{230, 35};

class TransparentControlsTest : public KitTest {
 protected:
  template <typename Control>
  void subclass(Control& control, const wchar_t* class_name, const wchar_t* text, DWORD style = 0) {
    control.SubclassWindow(make_child(class_name, text, style, kFieldRect));
    control.Invalidate();
    pump();
  }
  static COLORREF behind_corner() {
    return Backdrop::PictureAt(kFieldRect.left + kFieldCorner.x, kFieldRect.top + kFieldCorner.y);
  }
};

TEST_F(TransparentControlsTest, ALabelAsksItsParentAndFallsBackToTheParentsEraseHandler) {
  for (const bool answers : {true, false}) {
    backdrop.answers = answers;
    CStaticEx label;
    subclass(label, WC_STATICW, L"Sirius");
    EXPECT_EQ(GetPropW(label, kTransparentControlTag), static_cast<HANDLE>(label.GetSafeHwnd()));
    EXPECT_EQ(pixel(label, kFieldCorner.x, kFieldCorner.y),
              answers ? behind_corner() : Backdrop::kEraseColour);
    const CRect text = bounds_of(label, kWhite);
    ASSERT_FALSE(text.IsRectEmpty());
    // A short text would be huge; its height stops at 25.
    EXPECT_LE(text.Height(), 25);
    EXPECT_GE(text.Height(), 12);
    label.DestroyWindow();
  }
}

TEST_F(TransparentControlsTest, AnEditDrawsItsTextInRedOverTheBackgroundAndStarsOnlySizeIt) {
  struct EditCase {
    const wchar_t* text;
    bool shows_text;
  };
  for (const EditCase& c :
       {EditCase{L"Ready", true}, EditCase{L"*", false}, EditCase{L"*****", false}, EditCase{L"", false}}) {
    CEditEx edit;
    subclass(edit, WC_EDITW, c.text, WS_DISABLED);
    EXPECT_EQ(GetPropW(edit, kTransparentControlTag), static_cast<HANDLE>(edit.GetSafeHwnd()));
    EXPECT_EQ(pixel(edit, kFieldCorner.x, kFieldCorner.y), behind_corner()) << c.text;
    EXPECT_EQ(!bounds_of(edit, kEditRed).IsRectEmpty(), c.shows_text) << c.text;
    edit.DestroyWindow();
  }
}

TEST_F(TransparentControlsTest, ThePrefixStarsChooseTheEditsTextHeight) {
  CEditEx edit;
  subclass(edit, WC_EDITW, L"*****Mars", WS_DISABLED);
  const int large = bounds_of(edit, kEditRed).Height();
  edit.SetWindowText(L"*Mars");
  edit.Invalidate();
  const int small = bounds_of(edit, kEditRed).Height();
  EXPECT_GT(large, small);
  EXPECT_GT(small, 5);
}

// A tagged child that asks not to be invalidated.
class OptingOut : public CWnd {
 protected:
  LRESULT OnOptOut(WPARAM, LPARAM) { return 1; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(OptingOut, CWnd)
ON_MESSAGE(WM_TRANSPARENT_OPT_OUT, &OptingOut::OnOptOut)
END_MESSAGE_MAP()

TEST_F(TransparentControlsTest, InvalidatingTheChildrenReachesEveryVisibleTaggedOneThatDoesNotOptOut) {
  struct Child {
    DWORD visible;
    bool tagged;
    bool opts_out;
    bool invalidated;
  };
  const Child children[] = {
      {WS_VISIBLE, true, false, true},
      {0, true, false, false},
      {WS_VISIBLE, false, false, false},
      {WS_VISIBLE, true, true, false},
  };
  std::vector<HWND> made;
  OptingOut opting_out;
  for (const Child& child : children) {
    HWND hwnd = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | child.visible, 0, 0, 20, 20, backdrop, nullptr,
                                nullptr, nullptr);
    if (child.tagged) SetPropW(hwnd, kTransparentControlTag, hwnd);
    if (child.opts_out) opting_out.SubclassWindow(hwnd);
    made.push_back(hwnd);
  }
  pump();
  for (HWND hwnd : made)
    ValidateRect(hwnd, nullptr);
  CTransparentHelper::InvalidateTransparentChildren(backdrop);
  for (std::size_t i = 0; i < made.size(); ++i)
    EXPECT_EQ(GetUpdateRect(made[i], nullptr, FALSE) != 0, children[i].invalidated) << i;
  opting_out.DestroyWindow();
}

TEST_F(TransparentControlsTest, APictureKeepsWhatLiesUnderItsMagenta) {
  CTransparentImage image;
  subclass(image, WC_STATICW, L"", SS_BITMAP);
  const COLORREF before = pixel(image, 1, 1);
  HBITMAP picture = LoadBitmapW(nullptr, MAKEINTRESOURCEW(kSampleNormalBitmap));
  image.SetBitmap(picture);
  image.Invalidate();
  EXPECT_EQ(pixel(image, 1, 1), before);
  EXPECT_NE(before, RGB(255, 0, 255));
  EXPECT_EQ(pixel(image, 40, 16), kSampleNormalColour);
  image.DestroyWindow();
  DeleteObject(picture);
}

}  // namespace
