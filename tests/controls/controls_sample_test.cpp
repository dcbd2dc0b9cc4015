// The controls kit's sample dialog as the presenter sees it, compared pixel for pixel with the
// picture kept in tests/fixtures; and clicked with the real mouse.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>

#include "platform/driver/scenario.h"
#include "platform/view/desktop_screenshot.h"
#include "platform/win/win32.h"
#include "src/controls_sample_program.h"
#include "tests/controls/user_input.h"
#include "tests/view/kept_screenshot.h"

namespace {

const std::filesystem::path kFixture = std::filesystem::path(OC_SCREENSHOT_FIXTURES) / "controls_sample.png";
const std::filesystem::path kStandardFixture =
    std::filesystem::path(OC_SCREENSHOT_FIXTURES) / "standard_controls_sample.png";

desktop::DesktopConfig small_screen() {
  desktop::DesktopConfig config;
  config.monitors = {desktop::MonitorConfig{{0, 0, 480, 300}}};
  return config;
}

void start_sample(desktop::Desktop& machine) {
  ASSERT_TRUE(start_controls_sample(machine));
}

TEST(ControlsSampleTest, TheSampleDialogLooksExactlyAsKept) {
  const bool update = std::getenv(view_testing::UpdateScreenshotsVariable) != nullptr;
  const std::filesystem::path taken =
      update ? kFixture
             : std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "-controls.png");
  ASSERT_TRUE(view::screenshot_of_new_desktop(small_screen(), 500, taken, start_sample));
  if (update) GTEST_SKIP() << "wrote " << kFixture;
  view_testing::ExpectSameAsKept(taken, kFixture);
}

std::wstring text_of(HWND hwnd) {
  wchar_t text[128] = {};
  GetWindowTextW(hwnd, text, 128);
  return text;
}

TEST(ControlsSampleTest, TheSamplesButtonsAnswerTheMouse) {
  desktop::Desktop machine(small_screen());
  start_sample(machine);
  machine.attach(L"presenter.exe");
  machine.run_until_idle();
  HWND dialog = FindWindowW(WC_DIALOG, L"Controls");
  ASSERT_NE(dialog, nullptr);
  UserInput(machine).click(GetDlgItem(dialog, 30106));
  EXPECT_EQ(text_of(GetDlgItem(dialog, 30102)), L"Pressed: GO TO");
  UserInput(machine).click(GetDlgItem(dialog, 30107));
  HWND question = FindWindowW(WC_DIALOG, L"Controls sample");
  ASSERT_NE(question, nullptr);
  UserInput(machine).click(GetDlgItem(question, IDNO));
  EXPECT_EQ(FindWindowW(WC_DIALOG, L"Controls sample"), nullptr);
  EXPECT_EQ(text_of(GetDlgItem(dialog, 30102)), L"Answer: No");
  UserInput(machine).click(GetDlgItem(dialog, IDOK));
  EXPECT_EQ(FindWindowW(WC_DIALOG, L"Controls"), nullptr);
  machine.detach();
}

TEST(ControlsSampleTest, TheBrowseFieldsButtonsOpenTheFileDialogAndTheFolderBrowser) {
  desktop::Desktop machine(small_screen());
  start_sample(machine);
  machine.attach(L"presenter.exe");
  machine.run_until_idle();
  HWND dialog = FindWindowW(WC_DIALOG, L"Controls");
  ASSERT_NE(dialog, nullptr);
  for (const auto& [id, title] : {std::pair{30108, L"Open"}, std::pair{30109, L"Browse For Folder"}}) {
    RECT field{};
    GetWindowRect(GetDlgItem(dialog, id), &field);
    UserInput(machine).click_at({field.right - 4, (field.top + field.bottom) / 2});
    HWND opened = FindWindowW(WC_DIALOG, title);
    ASSERT_NE(opened, nullptr) << id;
    UserInput(machine).key(VK_ESCAPE);
    EXPECT_EQ(FindWindowW(WC_DIALOG, title), nullptr);
  }
  EXPECT_EQ(text_of(GetDlgItem(dialog, 30102)), L"Ready");
  machine.detach();
}

TEST(ControlsSampleTest, TabAndEnterTreatTheImageButtonsAsPushButtons) {
  desktop::Desktop machine(small_screen());
  start_sample(machine);
  machine.attach(L"presenter.exe");
  machine.run_until_idle();
  HWND dialog = FindWindowW(WC_DIALOG, L"Controls");
  ASSERT_NE(dialog, nullptr);
  UserInput(machine).key(VK_TAB);
  UserInput(machine).key(VK_RETURN);
  EXPECT_EQ(text_of(GetDlgItem(dialog, 30102)), L"Pressed: X");
  // The dialog manager made the focused button its default and back; each stays owner-drawn.
  for (const int id : {30104, 30105, 30106, 30107, 30118, IDOK})
    EXPECT_EQ(GetWindowLongPtrW(GetDlgItem(dialog, id), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << id;
  UserInput(machine).key(VK_ESCAPE);
  EXPECT_EQ(FindWindowW(WC_DIALOG, L"Controls"), nullptr);
  machine.detach();
}

// The kit sample's "Standard" button opens the standard controls' sample over it.
class StandardControlsTest : public ::testing::Test {
 protected:
  StandardControlsTest() : machine(screen_of(640, 420)) {
    start_sample(machine);
    machine.attach(L"presenter.exe");
    machine.run_until_idle();
    HWND kit = FindWindowW(WC_DIALOG, L"Controls");
    EXPECT_NE(kit, nullptr);
    UserInput(machine).click(GetDlgItem(kit, 30118));
    dialog = FindWindowW(WC_DIALOG, L"Standard controls");
  }
  ~StandardControlsTest() override {
    machine.end_other_threads();
    machine.detach();
  }
  static desktop::DesktopConfig screen_of(LONG width, LONG height) {
    desktop::DesktopConfig config;
    config.monitors = {desktop::MonitorConfig{{0, 0, width, height}}};
    return config;
  }
  desktop::Desktop machine;
  HWND dialog = nullptr;
};

TEST_F(StandardControlsTest, TheStandardControlsLookExactlyAsKept) {
  ASSERT_NE(dialog, nullptr);
  const bool update = std::getenv(view_testing::UpdateScreenshotsVariable) != nullptr;
  const std::filesystem::path taken =
      update ? kStandardFixture
             : std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "-standard.png");
  ASSERT_TRUE(view::write_screenshot(machine, taken));
  if (update) GTEST_SKIP() << "wrote " << kStandardFixture;
  view_testing::ExpectSameAsKept(taken, kStandardFixture);
}

TEST_F(StandardControlsTest, EachStandardControlAnswersTheMouseAndKeyboard) {
  ASSERT_NE(dialog, nullptr);
  driver::DesktopUser user(machine);
  const std::pair<const char*, const wchar_t*> steps[] = {
      {"spin 30112 down 2", L"Fading: 5 s"},
      {"settime 30113 06:45:00", L"Start time: 06:45:00"},
      {"dblrow 30114 6", L"Opened: Seasons.pdf"},
      {"pickdate 30115 2026-02-14", L"Start date: 2026/2/14"},
  };
  for (const auto& [step, report] : steps) {
    driver::ScenarioResult result = driver::ScenarioRunner(user).run(std::string(step) + "\n");
    ASSERT_TRUE(result) << step << ": " << result.reason;
    EXPECT_EQ(text_of(GetDlgItem(dialog, 30117)), report) << step;
  }
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, 30116), PBM_GETPOS, 0, 0), 5);
  EXPECT_TRUE(user.click(IDOK));
  EXPECT_EQ(FindWindowW(WC_DIALOG, L"Standard controls"), nullptr);
  EXPECT_NE(FindWindowW(WC_DIALOG, L"Controls"), nullptr);
}

}  // namespace
