// The search's wide keys as the presenter sees them: the face of its letter keys, with nothing of
// the main window's find and zoom pictures drawn over their captions.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/catalog/search/search_dlg.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr int LetterQ = 11133;
constexpr int SpaceKey = 567;
constexpr int CloseKey = 11096;
constexpr int ObjectsKey = 577;
constexpr int ModeKey = 1847;
// The magnifier's lens on the find key's face, and the white bar of the zoom-out key.
constexpr COLORREF MagnifierLens = RGB(0xE0, 0xD0, 0xA0);
constexpr COLORREF ZoomBar = RGB(0xE0, 0xE0, 0xF0);

struct KeyPixels {
  COLORREF face;  // left of the caption, in the face's inner part
  std::vector<COLORREF> all;
};

KeyPixels PixelsOf(HWND search, int id) {
  HWND key = GetDlgItem(search, id);
  RECT client{};
  GetClientRect(key, &client);
  KeyPixels pixels;
  HDC dc = GetDC(key);
  pixels.face = GetPixel(dc, client.right * 12 / 100, client.bottom * 30 / 100);
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x)
      pixels.all.push_back(GetPixel(dc, x, y));
  ReleaseDC(key, dc);
  return pixels;
}

int CountOf(const std::vector<COLORREF>& pixels, COLORREF colour) {
  return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

class SearchKeysTest : public ConsoleDialogTest {};

TEST_F(SearchKeysTest, TheWideKeysWearTheLetterKeysFaceWithNoPictureOverTheirCaptions) {
  StartDialog();
  std::wstring isolated = L"Orion";
  Run([&isolated](TestConsoleDlg& dlg) { CSearchDlg(&dlg.consoleState, {true, &isolated}, &dlg).DoModal(); });
  driver::DesktopUser user{machine};
  HWND search = user.target_window();
  ASSERT_NE(search, MainDialog());
  KeyPixels letter, space;
  std::vector<KeyPixels> barred;
  Run([&](TestConsoleDlg&) {
    letter = PixelsOf(search, LetterQ);
    space = PixelsOf(search, SpaceKey);
    for (int id : {CloseKey, ObjectsKey, ModeKey})
      barred.push_back(PixelsOf(search, id));
  });
  EXPECT_EQ(space.face, letter.face);
  EXPECT_EQ(CountOf(space.all, MagnifierLens), 0);
  for (const KeyPixels& key : barred) {
    EXPECT_EQ(key.face, letter.face);
    EXPECT_EQ(CountOf(key.all, ZoomBar), 0);
  }
  Run([search](TestConsoleDlg&) {
    static_cast<CDialog*>(CWnd::FromHandlePermanent(search))->EndDialog(IDCANCEL);
  });
}

}  // namespace
