// The clock and stopwatch labels on the virtual clock, the stopwatch buttons, and the clock
// thread's end with the dialog.
#include <cstddef>
#include <string>

#include "platform/win/win32.h"
#include "src/util/format_text.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr int ClockControls[] = {COrvennaConsoleDlg::ClockLabelId, COrvennaConsoleDlg::StopwatchLabelId,
                                 COrvennaConsoleDlg::StopwatchStartId, COrvennaConsoleDlg::StopwatchResetId};

class ShowClockTest : public ConsoleDialogTest {
 protected:
  void SetUp() override {
    StartDialog();
    Run([](TestConsoleDlg& dlg) {
      for (int id : ClockControls)
        CreateWindowExW(
            0,
            id == COrvennaConsoleDlg::StopwatchStartId || id == COrvennaConsoleDlg::StopwatchResetId
                ? L"Button"
                : L"Static",
            L"", WS_CHILD | (id == COrvennaConsoleDlg::StopwatchResetId ? 0 : WS_VISIBLE), 0, 0, 80, 20,
            dlg.GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
      dlg.StartClockThread();
    });
  }

  std::wstring Label(int id) const {
    wchar_t text[64] = {};
    GetDlgItemTextW(MainDialog(), id, text, 64);
    return text;
  }

  bool Visible(int id) const { return IsWindowVisible(GetDlgItem(MainDialog(), id)) != FALSE; }
};

TEST_F(ShowClockTest, ClockLabelShowsTheLocalTimeEveryHalfSecond) {
  for (int tick = 0; tick < 3; ++tick) {
    Wait(500);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(Label(COrvennaConsoleDlg::ClockLabelId),
              FormatText(L"%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond));
  }
  EXPECT_EQ(Label(COrvennaConsoleDlg::StopwatchLabelId), L"00:00:00");
}

TEST_F(ShowClockTest, StopwatchCountsAndResets) {
  Run([](TestConsoleDlg& dlg) { dlg.OnStopwatchStart(); });
  EXPECT_FALSE(Visible(COrvennaConsoleDlg::StopwatchStartId));
  EXPECT_TRUE(Visible(COrvennaConsoleDlg::StopwatchResetId));
  Wait(63000);
  EXPECT_EQ(Label(COrvennaConsoleDlg::StopwatchLabelId), L"00:01:03");
  Run([](TestConsoleDlg& dlg) { dlg.OnStopwatchReset(); });
  EXPECT_TRUE(Visible(COrvennaConsoleDlg::StopwatchStartId));
  EXPECT_FALSE(Visible(COrvennaConsoleDlg::StopwatchResetId));
  Wait(500);
  EXPECT_EQ(Label(COrvennaConsoleDlg::StopwatchLabelId), L"00:00:00");
}

TEST_F(ShowClockTest, StopwatchRefusesWhileAScriptRuns) {
  Run([](TestConsoleDlg& dlg) {
    dlg.scriptRunning = true;
    dlg.OnStopwatchStart();
  });
  EXPECT_EQ(StatusLine().substr(0, 38), L"Another simulation script is currently");
  EXPECT_TRUE(Visible(COrvennaConsoleDlg::StopwatchStartId));
  Wait(3000);
  EXPECT_EQ(Label(COrvennaConsoleDlg::StopwatchLabelId), L"00:00:00");
  EXPECT_EQ(StatusLine(), L"");
}

TEST_F(ShowClockTest, ClockThreadIsJoinedWhenTheDialogsWindowGoes) {
  std::size_t before = 0, running = 0, after = 0;
  RunToEnd([&](TestConsoleDlg&) {
    before = console->threads.size();
    TestConsoleDlg second;
    second.ConsoleLayout = TrainingLayout;
    second.Create(COrvennaConsoleDlg::IDD);
    second.StartClockThread();
    running = console->threads.size();
    second.DestroyWindow();
    after = console->threads.size();
  });
  EXPECT_EQ(running, before + 1);
  EXPECT_EQ(after, before);
}

TEST_F(ShowClockTest, RunningClockEndsWithTheConsole) {
  Run([](TestConsoleDlg& dlg) { dlg.OnStopwatchStart(); });
  Wait(1000);
  Run([](TestConsoleDlg& dlg) { dlg.EndDialog(7); });
  Wait(2000);
  EXPECT_EQ(ExitCode(), 7);
}

TEST(StopwatchText, DropsWholeDays) {
  struct Case {
    long long seconds;
    const wchar_t* text;
  };
  constexpr Case cases[] = {{0, L"00:00:00"},     {59, L"00:00:59"},    {3599, L"00:59:59"},
                            {90061, L"01:01:01"}, {86399, L"23:59:59"}, {-5, L"00:00:00"}};
  for (const Case& c : cases)
    EXPECT_EQ(StopwatchText(c.seconds), c.text) << c.seconds;
}

}  // namespace
