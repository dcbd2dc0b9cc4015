// A multimedia button's picture over Orvenna: the square over its client area with the black
// backdrop behind it, the windows reused from one showing to the next, and the pictures that
// are refused.
#include <algorithm>
#include <filesystem>

#include "platform/desktop/png_file.h"
#include "platform/win/win32.h"
#include "tests/media/media_fixture.h"

namespace {

class PictureOverPlanetariumTest : public MediaTest {
 protected:
  bool Show(int k, const std::wstring& path) {
    bool shown = false;
    Run([&](TestConsoleDlg& dlg) { shown = dlg.ShowImageOverPlanetarium(k, path); });
    return shown;
  }
};

TEST_F(PictureOverPlanetariumTest, ThePictureCoversOrvennasSquareInFrontOfTheBackdrop) {
  MakePicture(L"Shows\\m31.png", 8, 6);
  ASSERT_TRUE(Show(3, L"C:\\Shows\\m31.png"));
  RECT client{};
  GetClientRect(probe->windows().main, &client);
  POINT origin{0, 0};
  ClientToScreen(probe->windows().main, &origin);
  const int side = std::min(client.right, client.bottom);
  HWND picture = dialog->pictureOverlays[3].GetSafeHwnd();
  HWND backdrop = dialog->pictureBackdrop.GetSafeHwnd();
  ASSERT_TRUE(IsWindowVisible(picture));
  ASSERT_TRUE(IsWindowVisible(backdrop));
  for (HWND window : {picture, backdrop}) {
    RECT placed{};
    GetWindowRect(window, &placed);
    EXPECT_EQ(placed.right - placed.left, side);
    EXPECT_EQ(placed.bottom - placed.top, side);
    EXPECT_EQ(placed.left - origin.x, (client.right - side) / 2);
    EXPECT_EQ(placed.top - origin.y, (client.bottom - side) / 2);
    EXPECT_EQ(GetWindow(window, GW_OWNER), MainDialog());
  }
  EXPECT_EQ(dialog->pictureOverlays[3].GetTargetAlpha(), 255);
  EXPECT_EQ(dialog->pictureBackdrop.GetTargetAlpha(), 255);
  EXPECT_EQ(dialog->pictureOverlays[0].GetSafeHwnd(), nullptr);
}

TEST_F(PictureOverPlanetariumTest, AShowingAgainReusesTheWindows) {
  MakePicture(L"Shows\\a.png");
  MakePicture(L"Shows\\b.png");
  ASSERT_TRUE(Show(0, L"C:\\Shows\\a.png"));
  HWND picture = dialog->pictureOverlays[0].GetSafeHwnd();
  HWND backdrop = dialog->pictureBackdrop.GetSafeHwnd();
  for (int showing = 0; showing < 5; ++showing) {
    Run([](TestConsoleDlg& dlg) {
      dlg.pictureOverlays[0].Hide();
      dlg.pictureBackdrop.Hide();
    });
    ASSERT_TRUE(Show(0, showing % 2 == 0 ? L"C:\\Shows\\b.png" : L"C:\\Shows\\a.png"));
    EXPECT_EQ(dialog->pictureOverlays[0].GetSafeHwnd(), picture);
    EXPECT_EQ(dialog->pictureBackdrop.GetSafeHwnd(), backdrop);
  }
}

TEST_F(PictureOverPlanetariumTest, PathsBeginningWithAVariableUseItsValue) {
  MakePicture(L"Users\\presenter\\Pictures\\m31.png");
  EXPECT_TRUE(Show(1, L"%USERPROFILE%\\Pictures\\m31.png"));
  EXPECT_TRUE(IsWindowVisible(dialog->pictureOverlays[1].GetSafeHwnd()));
}

TEST_F(PictureOverPlanetariumTest, PicturesThatCannotBeReadAreRefused) {
  MakePicture(L"Shows\\m31.png");
  std::filesystem::create_directories(machine.data_folder() / "C" / "Shows");
  std::FILE* text = std::fopen((machine.data_folder() / "C" / "Shows" / "notes.png").c_str(), "w");
  ASSERT_NE(text, nullptr);
  std::fputs("not a picture", text);
  std::fclose(text);
  const wchar_t* const refused[] = {
      L"C:\\Shows\\missing.png",
      L"%USERPROFILE\\Pictures\\m31.png",
      L"C:\\Shows\\notes.png",
  };
  for (const wchar_t* path : refused) {
    EXPECT_FALSE(Show(2, path)) << testing::PrintToString(std::wstring(path));
    EXPECT_FALSE(dialog->pictureOverlays[2].IsVisible());
    EXPECT_FALSE(dialog->pictureBackdrop.IsVisible()) << "the dome left black";
  }
}

class PictureWithoutOrvennaTest : public ConsoleDialogTest {
 protected:
  void SetUp() override { StartDialog(); }
};

TEST_F(PictureWithoutOrvennaTest, WithoutOrvennasWindowThePictureIsRefused) {
  std::filesystem::create_directories(machine.data_folder() / "C" / "Shows");
  const std::vector<std::uint32_t> pixels(16, 0xFF2040A0);
  ASSERT_TRUE(desktop::write_png(4, 4, pixels, false, machine.data_folder() / "C" / "Shows" / "a.png"));
  bool shown = true;
  Run([&shown](TestConsoleDlg& dlg) { shown = dlg.ShowImageOverPlanetarium(0, L"C:\\Shows\\a.png"); });
  EXPECT_FALSE(shown);
  EXPECT_EQ(dialog->pictureOverlays[0].GetSafeHwnd(), nullptr);
  EXPECT_EQ(dialog->pictureBackdrop.GetSafeHwnd(), nullptr);
}

}  // namespace
