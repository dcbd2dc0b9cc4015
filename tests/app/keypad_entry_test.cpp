// The keypad button end to end: the presenter clicks it on the console, types a date and a time
// on the keypad's keys and confirms them; the stand-in Orvenna runs the date script and shows
// that date, or receives nothing when the keypad is cancelled.
#include "peers/orvenna/program_probe.h"
#include "peers/orvenna/sky_date.h"
#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/app/time/time_scripts.h"
#include "src/settings/date_time_entry.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr int SetDateTimeId = 1899;
constexpr int KeypadYearKey = 11184;
constexpr int KeypadDigitKey0 = 11105;
constexpr int KeypadUtcLocalKey = 11199;
constexpr int KeypadOkKey = 11211;
constexpr int KeypadCancelKey = 11096;
constexpr int KeypadDayKey = 11186;

class KeypadEntryTest : public ConsoleWithOrvennaTest {
 protected:
  void SetUp() override {
    ConsoleWithOrvennaTest::SetUp();
    RunToEnd([](TestConsoleDlg& dlg) {
      ::SetForegroundWindow(dlg.m_hWnd);
      dlg.RunScript(L"core.setTimeRate(0);\rcore.setDate(\"2001-01-01T00:00:00\",\"utc\");\r",
                    L"testdate.ovs", false, 100);
    });
    Wait(500);
  }

  void Click(int id) {
    const driver::Outcome clicked = user.click(id);
    ASSERT_TRUE(clicked) << id << ": " << clicked.reason;
  }
  void ClickDigits(const std::string& digits) {
    for (char digit : digits)
      Click(KeypadDigitKey0 + (digit - '0'));
  }
  std::string OrvennaDate() const { return orvenna::format_date(probe->state()->utc_seconds()); }

  driver::DesktopUser user{machine};
};

TEST_F(KeypadEntryTest, ADateTypedOnTheKeypadBecomesOrvennasDateAtTheNormalRate) {
  Click(SetDateTimeId);
  ASSERT_NE(user.control(KeypadOkKey), nullptr) << "the keypad is open";
  Click(KeypadYearKey);
  ClickDigits("020250314213007");
  Click(KeypadOkKey);
  Wait(2000);
  EXPECT_EQ(user.control(KeypadOkKey), nullptr);
  EXPECT_TRUE(RanExactly(LastScriptRun(), SetDateScript({21, 30, 7, L"02025/03/14"}, false)))
      << LastScriptRun();
  // Orvenna's clock runs on at the normal rate from the date it was given.
  const double typed = *orvenna::parse_date("2025-03-14T21:30:07", {}, false);
  EXPECT_NEAR(probe->state()->utc_seconds(), typed, 3);
  EXPECT_EQ(probe->state()->time_rate(), 1);
  EXPECT_EQ(GetDateTimeEntryDate(dialog->consoleState), L"02025/03/14");
}

TEST_F(KeypadEntryTest, ALocalTimeIsSetInOrvennasZoneAndTheKeypadOpensAgainOnIt) {
  Click(SetDateTimeId);
  Click(KeypadYearKey);
  ClickDigits("020250314213000");
  // On the dome's touch screen the presenter's finger presses the keys.
  ASSERT_TRUE(user.tap(KeypadUtcLocalKey, driver::DesktopUser::Pointer::Finger));
  ASSERT_TRUE(user.tap(KeypadOkKey, driver::DesktopUser::Pointer::Finger));
  Wait(2000);
  EXPECT_TRUE(RanExactly(LastScriptRun(), SetDateScript({21, 30, 0, L"02025/03/14"}, true)))
      << LastScriptRun();
  EXPECT_FALSE(dialog->consoleState.isUtc);
  // The keypad shows the entry it stored; stepping a day there and confirming moves Orvenna on.
  Click(SetDateTimeId);
  Click(KeypadDayKey);
  ASSERT_TRUE(user.key("ADD"));
  Click(KeypadOkKey);
  Wait(2000);
  EXPECT_TRUE(RanExactly(LastScriptRun(), SetDateScript({21, 30, 0, L"02025/03/15"}, true)))
      << LastScriptRun();
}

TEST_F(KeypadEntryTest, ACancelledKeypadSendsOrvennaNothing) {
  const std::size_t scripts = probe->scripts().size();
  Click(SetDateTimeId);
  ClickDigits("1999");
  Click(KeypadCancelKey);
  Wait(2000);
  EXPECT_EQ(probe->scripts().size(), scripts);
  EXPECT_EQ(OrvennaDate(), "2001-01-01T00:00:00");
  EXPECT_FALSE(dialog->consoleState.entrySet);
}

}  // namespace
