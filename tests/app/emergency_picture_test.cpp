// The emergency button: the early-release hint, the picture's path and square, and the messages
// for a picture that is not set or not found.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "platform/desktop/png_file.h"
#include "platform/win/gdiplus_api.h"
#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/settings/ini_files.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

class EmergencyPictureTest : public ConsoleDialogTest {
 protected:
  void SetUp() override { StartDialog(); }

  bool Fired(UINT_PTR id) const {
    return std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), id) > 0;
  }

  // Holds the button past the second with emergencyImage set to that value.
  void HoldWithImage(const wchar_t* value) {
    Run([value](TestConsoleDlg&) { WriteIniValue(ConsoleIniFile, L"startup", L"emergencyImage", value); });
    Run([](TestConsoleDlg& dlg) { dlg.OnEmergencyPressed(); });
    Wait(1000);
  }
};

TEST_F(EmergencyPictureTest, EarlyReleaseHintKeepsARunningScriptsFlag) {
  Run([](TestConsoleDlg& dlg) {
    dlg.scriptRunning = true;
    dlg.OnEmergencyPressed();
  });
  Wait(400);
  Run([](TestConsoleDlg& dlg) { dlg.OnEmergencyReleased(); });
  EXPECT_EQ(StatusLine(), L"Keep the button pressed for more than one second!");
  Wait(3300);
  EXPECT_EQ(StatusLine(), L"");
  EXPECT_TRUE(dialog->scriptRunning);
  EXPECT_FALSE(dialog->emergencyPressed);
  Wait(2000);
  EXPECT_FALSE(Fired(EmergencyTimer));
  EXPECT_EQ(MessageBoxShown(), nullptr);
}

TEST_F(EmergencyPictureTest, AnEmptyImageSettingIsReported) {
  HoldWithImage(L"");
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"No image file specified for the emergency.");
  Answer(box, IDOK);
  EXPECT_FALSE(dialog->emergencyShown);
  EXPECT_FALSE(dialog->emergencyPressed);
}

TEST_F(EmergencyPictureTest, AMissingPictureIsReportedWithTheValueAsConfigured) {
  HoldWithImage(L"%NOSUCHVARIABLE%\\Pictures\\e.png");
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"Cannot find the Emergency Image file: %NOSUCHVARIABLE%\\Pictures\\e.png");
  Answer(box, IDOK);
  EXPECT_FALSE(dialog->emergencyShown);
}

TEST_F(EmergencyPictureTest, PathsExpandTheirLeadingVariable) {
  struct Case {
    const wchar_t* value;
    std::optional<std::wstring> path;
  };
  const Case cases[] = {
      {L"C:\\pictures\\e.png", L"C:\\pictures\\e.png"},
      {L"%OCPICTURES%\\Pictures\\e.png", L"C:\\Users\\a\\Pictures\\e.png"},
      {L"%OCUNSET%\\e.png", L"\\e.png"},
      {L"%OCPICTURES\\e.png", std::nullopt},
      {L"", L""},
  };
  for (const Case& c : cases) {
    std::optional<std::wstring> path;
    Run([&](TestConsoleDlg&) {
      SetEnvironmentVariableW(L"OCPICTURES", L"C:\\Users\\a");
      path = ExpandEmergencyPath(c.value);
    });
    EXPECT_EQ(path, c.path) << testing::PrintToString(std::wstring(c.value));
  }
}

TEST_F(EmergencyPictureTest, HeldASecondThePictureCoversOrvennaUntilTheNextPressAndRelease) {
  const std::vector<std::uint32_t> pixels(16, 0xFF00FF00);
  std::filesystem::create_directories(machine.data_folder() / "C" / "Shows");
  ASSERT_TRUE(desktop::write_png(4, 4, pixels, false, machine.data_folder() / "C" / "Shows" / "e.png"));
  Run([](TestConsoleDlg& dlg) {
    dlg.ConsoleLayout = TwoMonitorLayout;
    dlg.ConsoleScreen = 1;
  });
  LaunchPlanetarium();
  ULONG_PTR token = 0;
  Run([&token](TestConsoleDlg&) {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
  });
  HoldWithImage(L"C:\\Shows\\e.png");
  ASSERT_EQ(MessageBoxShown(), nullptr);
  EXPECT_TRUE(dialog->emergencyShown);
  EXPECT_EQ(dialog->emergencyPicture.GetTargetAlpha(), 220) << "no transparency set";
  HWND overlay = dialog->emergencyPicture.GetSafeHwnd();
  ASSERT_TRUE(IsWindowVisible(overlay));
  RECT client{};
  GetClientRect(probe->windows().main, &client);
  RECT placed{};
  GetWindowRect(overlay, &placed);
  EXPECT_EQ(placed.right - placed.left, std::min(client.right, client.bottom));
  EXPECT_EQ(placed.bottom - placed.top, std::min(client.right, client.bottom));
  Run([](TestConsoleDlg& dlg) { dlg.OnEmergencyPressed(); });
  Wait(2000);
  EXPECT_TRUE(IsWindowVisible(overlay));
  Run([](TestConsoleDlg& dlg) { dlg.OnEmergencyReleased(); });
  EXPECT_FALSE(IsWindowVisible(overlay));
  EXPECT_FALSE(dialog->emergencyShown);
  EXPECT_EQ(StatusLine(), L"");
  // Held again: the same overlay comes back, not one more window per showing.
  Run([](TestConsoleDlg&) {
    WriteIniValue(ConsoleIniFile, L"startup", L"emergencyImageTransparency", L"128");
  });
  HoldWithImage(L"C:\\Shows\\e.png");
  EXPECT_TRUE(dialog->emergencyShown);
  EXPECT_EQ(dialog->emergencyPicture.GetTargetAlpha(), 128);
  EXPECT_EQ(dialog->emergencyPicture.GetSafeHwnd(), overlay);
  EXPECT_TRUE(IsWindowVisible(overlay));
  Run([token](TestConsoleDlg&) { Gdiplus::GdiplusShutdown(token); });
}

TEST_F(EmergencyPictureTest, WithoutOrvennaNothingIsShownOrClaimed) {
  const std::vector<std::uint32_t> pixels(16, 0xFF00FF00);
  std::filesystem::create_directories(machine.data_folder() / "C" / "Shows");
  ASSERT_TRUE(desktop::write_png(4, 4, pixels, false, machine.data_folder() / "C" / "Shows" / "e.png"));
  HoldWithImage(L"C:\\Shows\\e.png");
  EXPECT_EQ(MessageBoxShown(), nullptr);
  EXPECT_FALSE(dialog->emergencyShown);
  EXPECT_EQ(dialog->emergencyPicture.GetSafeHwnd(), nullptr);
}

TEST_F(EmergencyPictureTest, AFileThatIsNoPictureIsReportedAndNotClaimedShown) {
  std::filesystem::create_directories(machine.data_folder() / "C" / "Shows");
  std::FILE* text = std::fopen((machine.data_folder() / "C" / "Shows" / "e.png").c_str(), "w");
  ASSERT_NE(text, nullptr);
  std::fputs("not a picture", text);
  std::fclose(text);
  LaunchPlanetarium();
  HoldWithImage(L"C:\\Shows\\e.png");
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"The Emergency Image file is not a picture: C:\\Shows\\e.png");
  Answer(box, IDOK);
  EXPECT_FALSE(dialog->emergencyShown);
}

TEST(EmergencyPictureRect, IsACentredSquareOfTheShorterSide) {
  struct Case {
    RECT window;
    int clientWidth;
    int clientHeight;
    RECT square;
  };
  constexpr Case cases[] = {
      {{0, 0, 1920, 1080}, 1920, 1080, {420, 0, 1500, 1080}},
      {{100, 50, 1116, 818}, 1000, 740, {238, 70, 978, 810}},
      {{0, 0, 600, 1000}, 600, 1000, {0, 200, 600, 800}},
  };
  for (const Case& c : cases) {
    const RECT square = EmergencyPictureRect(c.window, c.clientWidth, c.clientHeight);
    EXPECT_EQ(square.left, c.square.left);
    EXPECT_EQ(square.top, c.square.top);
    EXPECT_EQ(square.right, c.square.right);
    EXPECT_EQ(square.bottom, c.square.bottom);
  }
}

}  // namespace
