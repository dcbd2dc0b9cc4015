// The main dialog's timers: what each plain expiry does, that a one-shot fires once, and the status
// line's period restarting with every message.
#include <algorithm>
#include <functional>

#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

class TimerDispatcherTest : public ConsoleDialogTest {
 protected:
  void SetUp() override { StartDialog(); }

  long Fired(UINT_PTR id) const {
    return std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), id);
  }
};

TEST_F(TimerDispatcherTest, AStatusMessageShownAgainStaysItsFullPeriodAfterTheSecond) {
  Run([](TestConsoleDlg& dlg) { dlg.ShowStatusText(L"first", 5000); });
  Wait(3000);
  Run([](TestConsoleDlg& dlg) { dlg.ShowStatusText(L"second", 5000); });
  Wait(4900);
  EXPECT_EQ(StatusLine(), L"second");
  Wait(200);
  EXPECT_EQ(StatusLine(), L"");
  EXPECT_EQ(Fired(StatusLineTimer), 1);
}

struct ExpiryCase {
  const char* what;
  ConsoleTimerId id;
  bool scriptRunningAfter;
  bool statusAfter;
  bool flyByNoticeAfter;
};

// The end of a script also presses Orvenna's zoom-out key: its test runs with Orvenna
// (view_go_to_test).
TEST_F(TimerDispatcherTest, PlainExpiriesClearWhatTheirTimerGuards) {
  constexpr ExpiryCase cases[] = {
      {"status line", StatusLineTimer, true, false, true},
      {"script flag", ScriptFlagTimer, false, false, true},
      {"fly-by notice", FlyByNoticeTimer, true, true, false},
  };
  for (const ExpiryCase& c : cases) {
    SCOPED_TRACE(c.what);
    Run([&c](TestConsoleDlg& dlg) {
      dlg.firedTimers.clear();
      dlg.scriptRunning = true;
      dlg.flyByNoticeShown = true;
      dlg.SetDlgItemText(COrvennaConsoleDlg::StatusLineId, L"busy");
      dlg.SetTimer(c.id, 100, nullptr);
    });
    Wait(1000);
    EXPECT_EQ(dialog->scriptRunning, c.scriptRunningAfter);
    EXPECT_EQ(StatusLine().empty(), !c.statusAfter);
    EXPECT_EQ(dialog->flyByNoticeShown.load(), c.flyByNoticeAfter);
    EXPECT_EQ(Fired(c.id), 1) << "a one-shot timer fires once";
  }
}

TEST_F(TimerDispatcherTest, TheForegroundTimerBringsTheConsoleBack) {
  HWND other = nullptr;
  Run([&other](TestConsoleDlg&) {
    other = CreateWindowExW(0, L"Static", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                            nullptr, nullptr);
    SetForegroundWindow(other);
  });
  ASSERT_EQ(GetForegroundWindow(), other);
  Run([](TestConsoleDlg& dlg) { dlg.SetTimer(ConsoleForwardTimer, 400, nullptr); });
  Wait(300);
  EXPECT_EQ(GetForegroundWindow(), other);
  Wait(200);
  EXPECT_EQ(GetForegroundWindow(), MainDialog());
}

}  // namespace
