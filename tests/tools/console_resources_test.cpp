// The console's own resources, compiled from res/ at build time, as the program reaches them.
#include "res/console_resources.h"
#include "tests/platform/desktop_fixture.h"

namespace {

class ConsoleResourcesTest : public DesktopTest {
 protected:
  ConsoleResourcesTest() { SetModuleResources(&console_resources()); }
};

TEST_F(ConsoleResourcesTest, TextsAreFoundByBaseAndLanguageAndAnIdNoTextHasIsEmpty) {
  const std::pair<UINT, const wchar_t*> cases[] = {
      {3000, L"EARTH"}, {3001, L"TERRA"}, {3005, L"地球"}, {9001, L"&Ok"}, {9002, L"&Cancel"}, {3006, L""},
  };
  for (auto [id, expected] : cases) {
    wchar_t text[64] = L"unchanged";
    LoadStringW(GetModuleHandleW(nullptr), id, text, 64);
    EXPECT_STREQ(text, expected) << id;
  }
}

TEST_F(ConsoleResourcesTest, TheMessageBoxTemplateIsAnEmptyPopupOfItsSize) {
  const DialogTemplate* box = FindDialogTemplate(nullptr, MAKEINTRESOURCEW(121));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->cx, 186);
  EXPECT_EQ(box->cy, 95);
  EXPECT_EQ(box->item_count, 0);
  EXPECT_STREQ(box->font_name, L"MS Sans Serif");
  EXPECT_EQ(box->style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
            WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
}

TEST_F(ConsoleResourcesTest, ButtonPicturesKeepMagentaAroundTheirDrawing) {
  for (WORD id : {5410, 5411, 8460, 8461, 5481}) {
    HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
    ASSERT_NE(bitmap, nullptr) << id;
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 48);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 255)) << id;
    EXPECT_NE(GetPixel(dc, 24, 24), RGB(255, 0, 255)) << id;
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  EXPECT_NE(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128)), nullptr);
}

}  // namespace
