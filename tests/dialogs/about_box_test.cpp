// The about box: the console's icon, its version first in the text, and OK.
#include <string>

#include "platform/win/win32.h"
#include "src/dialogs/about_box.h"
#include "tests/dialogs/chooser_fixture.h"

namespace {

using AboutBoxTest = ChooserTest;

TEST_F(AboutBoxTest, ItShowsTheVersionAndEndsWithOk) {
  open([](CWnd* owner) { return CAboutBox(owner).DoModal(); });
  const std::wstring text = user.text_of(CAboutBox::TextStaticId);
  EXPECT_EQ(text.rfind(L"5.2.3", 0), 0u) << "the text begins with the version";
  EXPECT_NE(text.find(L"This software is designed to be used with a digital planetarium system (fisyeye lens "
                      L"only!)."),
            std::wstring::npos);
  EXPECT_NE(SendMessageW(user.control(CAboutBox::IconStaticId), STM_GETICON, 0, 0), 0);
  ASSERT_TRUE(user.click(IDOK));
  EXPECT_EQ(result(), IDOK);
}

}  // namespace
