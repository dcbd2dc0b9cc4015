// A candidate's picture stays in its slot: stretched once into a bitmap the static keeps, so
// that every later paint shows it again.
#include "src/catalog/search/slot_picture.h"
#include "platform/afx/afx.h"
#include "platform/win/win32.h"
#include "res/console_resources.h"
#include "tests/platform/controls/controls_fixture.h"

namespace {

constexpr UINT StarPicture = 19299;

class SlotPictureTest : public ControlsTest {
 protected:
  SlotPictureTest() {
    SetModuleResources(&console_resources());
    parent.Attach(host);
    slot.Create(L"", WS_CHILD | WS_VISIBLE | SS_BITMAP, {10, 10, 115, 115}, &parent, 11201);
  }
  ~SlotPictureTest() override {
    slot.DestroyWindow();
    parent.Detach();
  }
  static bool IsBlack(COLORREF colour) { return colour == RGB(0, 0, 0); }
  CWnd parent;
  CStatic slot;
  CBitmap kept;
};

TEST_F(SlotPictureTest, APictureIsStretchedToTheSlotAndRepaintedFromWhatItKeeps) {
  ASSERT_TRUE(ShowResourcePicture(slot, kept, StarPicture));
  EXPECT_EQ(slot.GetBitmap(), static_cast<HBITMAP>(kept.GetSafeHandle()));
  BITMAP size{};
  ::GetObjectW(slot.GetBitmap(), sizeof(size), &size);
  EXPECT_EQ(size.bmWidth, 105);
  EXPECT_EQ(size.bmHeight, 105);
  EXPECT_FALSE(IsBlack(pixel(slot.GetSafeHwnd(), 52, 52)));
  slot.Invalidate();
  EXPECT_FALSE(IsBlack(pixel(slot.GetSafeHwnd(), 52, 52))) << "a repaint lost the picture";
  EXPECT_TRUE(IsBlack(pixel(slot.GetSafeHwnd(), 2, 2)));
}

TEST_F(SlotPictureTest, ASlotWithoutItsPictureIsBlack) {
  ASSERT_TRUE(ShowResourcePicture(slot, kept, StarPicture));
  EXPECT_FALSE(ShowFilePicture(slot, kept, L"C:\\nowhere\\m1.png"));
  EXPECT_TRUE(IsBlack(pixel(slot.GetSafeHwnd(), 52, 52)));
  ASSERT_TRUE(ShowResourcePicture(slot, kept, StarPicture));
  ShowBlackPicture(slot, kept);
  EXPECT_TRUE(IsBlack(pixel(slot.GetSafeHwnd(), 52, 52)));
  EXPECT_EQ(slot.GetBitmap(), static_cast<HBITMAP>(kept.GetSafeHandle()));
}

}  // namespace
