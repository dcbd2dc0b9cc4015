#include "tests/platform/desktop_fixture.h"

namespace {

class TimersTest : public DesktopTest {
 protected:
  TimersTest() { MessageLog::register_class(L"Timed"); }

  // Pumps the harness's queue for ms of desktop time, noting each WM_TIMER id and its time.
  std::vector<std::pair<UINT_PTR, desktop::Tick>> pump_for(desktop::Tick ms) {
    std::vector<std::pair<UINT_PTR, desktop::Tick>> fired;
    const desktop::Tick end = machine.clock().now() + ms;
    UINT_PTR end_timer = SetTimer(nullptr, 0, static_cast<UINT>(ms), nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
      if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == end_timer) break;
      if (msg.message == WM_TIMER) fired.emplace_back(msg.wParam, machine.clock().now() - (end - ms));
      DispatchMessageW(&msg);
    }
    KillTimer(nullptr, end_timer);
    return fired;
  }
};

TEST_F(TimersTest, RepeatingTimerFiresEveryPeriodUntilKilled) {
  HWND hwnd = create_logged_window(L"Timed", L"t", WS_POPUP);
  SetTimer(hwnd, 201, 100, nullptr);
  auto fired = pump_for(350);
  EXPECT_EQ(fired, (std::vector<std::pair<UINT_PTR, desktop::Tick>>{{201, 100}, {201, 200}, {201, 300}}));
  EXPECT_TRUE(KillTimer(hwnd, 201));
  EXPECT_TRUE(pump_for(300).empty());
  EXPECT_FALSE(KillTimer(hwnd, 201));
}

TEST_F(TimersTest, ArmingAPendingIdRestartsIt) {
  HWND hwnd = create_logged_window(L"Timed", L"t", WS_POPUP);
  SetTimer(hwnd, 104, 6000, nullptr);
  machine.advance(4000);
  SetTimer(hwnd, 104, 6000, nullptr);
  auto fired = pump_for(6500);
  ASSERT_EQ(fired.size(), 1u);
  EXPECT_EQ(fired[0].second, 6000u);  // counted from the second arming
}

TEST_F(TimersTest, ZeroPeriodFiresAtTheNextChance) {
  HWND hwnd = create_logged_window(L"Timed", L"t", WS_POPUP);
  SetTimer(hwnd, 1, 0, nullptr);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, hwnd, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_TIMER);
  KillTimer(hwnd, 1);
}

TEST_F(TimersTest, TimersFireInsideANestedModalLoop) {
  HWND hwnd = create_logged_window(L"Timed", L"t", WS_POPUP);
  int outer_ticks = 0;
  int nested_ticks = 0;
  bool in_nested = false;
  MessageLog::handler() = [&](HWND window, UINT message, WPARAM id, LPARAM, LRESULT&) {
    if (message != WM_TIMER) return false;
    if (id == 1 && !in_nested) {
      ++outer_ticks;
      KillTimer(window, 1);
      in_nested = true;
      SetTimer(window, 2, 50, nullptr);
      MSG msg;  // a modal loop of its own, as a dialog runs
      while (nested_ticks < 3 && GetMessageW(&msg, nullptr, 0, 0))
        DispatchMessageW(&msg);
      KillTimer(window, 2);
      in_nested = false;
    } else if (id == 2) {
      ++nested_ticks;
    }
    return true;
  };
  SetTimer(hwnd, 1, 100, nullptr);
  pump_for(400);
  EXPECT_EQ(outer_ticks, 1);
  EXPECT_EQ(nested_ticks, 3);
}

TEST_F(TimersTest, TimerProcedureIsCalledByDispatch) {
  static int calls;
  calls = 0;
  HWND hwnd = create_logged_window(L"Timed", L"t", WS_POPUP);
  SetTimer(hwnd, 9, 30,
           [](HWND, UINT message, UINT_PTR id, DWORD) { calls += message == WM_TIMER && id == 9; });
  pump_for(100);
  EXPECT_EQ(calls, 3);
  // A posted WM_TIMER cannot make dispatch call an arbitrary procedure.
  MSG forged{hwnd, WM_TIMER, 9, 0x1234, 0, {}};
  EXPECT_EQ(DispatchMessageW(&forged), 0);
}

TEST_F(TimersTest, AnotherThreadsWindowCannotBeGivenATimer) {
  HWND foreign = start_peer(L"Timed", L"f");
  EXPECT_EQ(SetTimer(foreign, 1, 100, nullptr), 0u);
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

TEST_F(TimersTest, TimersDieWithTheirWindow) {
  HWND hwnd = create_logged_window(L"Timed", L"t", WS_POPUP);
  SetTimer(hwnd, 5, 10, nullptr);
  DestroyWindow(hwnd);
  EXPECT_TRUE(pump_for(100).empty());
}

}  // namespace
