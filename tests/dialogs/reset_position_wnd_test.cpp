// The home confirmation: its two answers and its cancel, in the language it is given.
#include <string>

#include "platform/win/win32.h"
#include "src/dialogs/reset_position_wnd.h"
#include "tests/dialogs/chooser_fixture.h"

namespace {

class ResetPositionWndTest : public ChooserTest {
 protected:
  void open_question(int language = 0) {
    open([language](CWnd* owner) { return CResetPositionWnd(language, owner).DoModal(); });
  }
};

TEST_F(ResetPositionWndTest, EachButtonGivesItsAnswer) {
  const std::pair<int, long> cases[] = {
      {CResetPositionWnd::HomePlaceButton, 160},
      {CResetPositionWnd::WholeSkyButton, 176},
      {CResetPositionWnd::CancelButton, 0},
  };
  for (auto [button, answer] : cases) {
    SCOPED_TRACE(button);
    open_question();
    ASSERT_TRUE(user.click(button));
    EXPECT_EQ(result(), answer);
  }
}

TEST_F(ResetPositionWndTest, EscapeIsCancel) {
  open_question();
  user.key("ESCAPE");
  EXPECT_EQ(result(), CResetPositionWnd::Cancelled);
}

TEST_F(ResetPositionWndTest, ItSpeaksTheLanguageItIsGivenOnATranslucentBlackWindow) {
  const std::pair<int, const wchar_t*> cases[] = {{3, L"&Cancelar"}, {4, L"&İptal"}, {9, L"&Cancel"}};
  for (auto [language, cancel] : cases) {
    SCOPED_TRACE(language);
    open_question(language);
    EXPECT_EQ(user.text_of(CResetPositionWnd::CancelButton), cancel);
    EXPECT_FALSE(user.text_of(CResetPositionWnd::HomePlaceButton).empty());
    EXPECT_NE(user.text_of(CResetPositionWnd::HomePlaceButton),
              user.text_of(CResetPositionWnd::WholeSkyButton));
    BYTE alpha = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(dialog(), nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, 240);
    HDC dc = GetDC(dialog());
    const COLORREF corner = GetPixel(dc, 1, 1);
    ReleaseDC(dialog(), dc);
    EXPECT_EQ(corner, RGB(0, 0, 0));
    user.key("ESCAPE");
  }
}

}  // namespace
