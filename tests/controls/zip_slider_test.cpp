// The skinned slider: where its thumb goes, how it is painted over the channel, and that it
// follows a drag and the keys.
#include "src/controls/zip_slider_ctl.h"
#include "tests/controls/dialog_program.h"

namespace {

constexpr COLORREF kChannel = RGB(0x0C, 0x14, 0x24);
constexpr COLORREF kThumb = RGB(0xD8, 0xE0, 0xF0);
constexpr DialogTemplate kSliderDialog{WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFONT,
                                       0,
                                       20,
                                       20,
                                       220,
                                       80,
                                       L"Speeds",
                                       L"MS Sans Serif",
                                       8,
                                       nullptr,
                                       0};

class SliderDlg : public CDialog {
 public:
  SliderDlg() : CDialog(&kSliderDialog) {}
  CZipSliderCtl slider;
  bool skin_loaded = false;
  HCURSOR skin_cursor = nullptr;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    HWND track = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 250, 50,
                                 m_hWnd, reinterpret_cast<HMENU>(200), nullptr, nullptr);
    slider.SubclassWindow(track);
    skin_loaded = slider.LoadSkin();
    skin_cursor = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(277));
    slider.SetRange(1, 12, TRUE);
    slider.SetPos(1);
    return TRUE;
  }
};

class ZipSliderTest : public DialogProgramTest<SliderDlg> {
 protected:
  HWND slider() const { return dialog->slider.GetSafeHwnd(); }
  int position() const { return static_cast<int>(SendMessageW(slider(), TBM_GETPOS, 0, 0)); }

  COLORREF pixel(int x, int y) const { return UserInput::pixel_of(slider(), x, y); }

  // The thumb's body (below its transparent top rows) at position, and the channel beside it.
  void expect_thumb_at(int at) {
    const int left = CZipSliderCtl::ThumbLeft(250, 1, 12, at);
    EXPECT_EQ(pixel(left + 7, 8), kThumb) << "position " << at;
    EXPECT_EQ(pixel(left, 0), kChannel) << "position " << at;  // the thumb's magenta corner
    const int away = at < 7 ? 240 : 2;
    EXPECT_EQ(pixel(away, 8), kChannel) << "position " << at;
  }
};

TEST_F(ZipSliderTest, TheThumbStepsAcrossTheChannel) {
  struct Case {
    int width, min, max, position, left;
  };
  const Case cases[] = {
      {250, 1, 12, 1, 4}, {250, 1, 12, 12, 224}, {250, 1, 12, 6, 104}, {100, 1, 4, 2, 27}, {250, 5, 4, 1, 4},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CZipSliderCtl::ThumbLeft(c.width, c.min, c.max, c.position), c.left)
        << c.width << " " << c.position;
}

TEST_F(ZipSliderTest, TheSkinIsPaintedWithTheThumbKeyedOut) {
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->skin_loaded);
  expect_thumb_at(1);
  user.move_to(UserInput::centre_of(slider()));
  EXPECT_EQ(GetCursor(), dialog->skin_cursor);
}

TEST_F(ZipSliderTest, DraggingAndKeysRepaintTheThumbWhereTheTrackBarPutsIt) {
  RECT rect{};
  GetWindowRect(slider(), &rect);
  HWND track = slider();
  // Grab the track bar's own thumb, wherever it draws it, and drag it right.
  RECT thumb{};
  SendMessageW(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  POINT grab{rect.left + (thumb.left + thumb.right) / 2, rect.top + (thumb.top + thumb.bottom) / 2};
  user.move_to(grab);
  user.press_left();
  user.move_to({grab.x + 100, grab.y});
  const int dragged = position();
  EXPECT_GT(dragged, 1);
  expect_thumb_at(dragged);  // repainted while the button is still down
  user.release_left();
  expect_thumb_at(position());

  SetFocus(track);
  machine.run_until_idle();
  const int before = position();
  user.key(VK_LEFT);
  EXPECT_EQ(position(), before - 1);
  expect_thumb_at(before - 1);
}

}  // namespace
