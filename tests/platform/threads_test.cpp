#include "tests/platform/desktop_fixture.h"

namespace {

using ThreadsTest = DesktopTest;

TEST_F(ThreadsTest, WaitingOnAThreadGivesItsExitCode) {
  static int ran;
  ran = 0;
  int parameter = 5;
  DWORD id = 0;
  HANDLE thread = CreateThread(
      nullptr, 0,
      [](LPVOID parameter) -> DWORD {
        Sleep(250);
        ran = *static_cast<int*>(parameter);
        return 17;
      },
      &parameter, 0, &id);
  ASSERT_NE(thread, nullptr);
  EXPECT_NE(id, 0u);
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(code, STILL_ACTIVE);
  EXPECT_EQ(WaitForSingleObject(thread, 100), WAIT_TIMEOUT);
  EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(ran, 5);
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(code, 17u);
  EXPECT_TRUE(CloseHandle(thread));
  EXPECT_FALSE(CloseHandle(thread));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_FAILED);
}

TEST_F(ThreadsTest, EventsWakeTheirWaiters) {
  HANDLE manual = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE automatic = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  std::vector<std::string> order;
  machine.start_thread(machine.create_process(L"waiter.exe"), [&] {
    HANDLE both[] = {manual, automatic};
    DWORD first = WaitForMultipleObjects(2, both, FALSE, INFINITE);
    order.push_back("woken by " + std::to_string(first - WAIT_OBJECT_0));
    DWORD all = WaitForMultipleObjects(2, both, TRUE, 1000);
    order.push_back(all == WAIT_OBJECT_0 ? "all signalled" : "timed out");
    return DWORD{0};
  });
  machine.run_until_idle();
  EXPECT_TRUE(order.empty());
  SetEvent(automatic);
  machine.run_until_idle();
  EXPECT_EQ(order, (std::vector<std::string>{"woken by 1"}));
  EXPECT_EQ(WaitForSingleObject(automatic, 0), WAIT_TIMEOUT);  // the waiter took the auto-reset signal
  SetEvent(manual);
  SetEvent(automatic);
  machine.run_until_idle();
  EXPECT_EQ(order.back(), "all signalled");
  EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);  // manual-reset stays signalled
  ResetEvent(manual);
  EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_TIMEOUT);
}

TEST_F(ThreadsTest, SuspendedThreadRunsWhenResumed) {
  static bool ran;
  ran = false;
  HANDLE thread = CreateThread(
      nullptr, 0,
      [](LPVOID) -> DWORD {
        ran = true;
        return 0;
      },
      nullptr, CREATE_SUSPENDED, nullptr);
  machine.run_until_idle();
  EXPECT_FALSE(ran);
  EXPECT_EQ(ResumeThread(thread), 1u);
  machine.run_until_idle();
  EXPECT_TRUE(ran);
}

TEST_F(ThreadsTest, AProcessEndsWithItsMainThreadAndTakesItsOtherThreads) {
  int clock_ticks = 0;
  desktop::Process& program = machine.create_process(L"console.exe");
  machine.start_thread(program, [&] {
    machine.start_thread(program, [&] {
      for (;;) {  // a clock thread that never ends by itself
        ++clock_ticks;
        Sleep(500);
      }
      return DWORD{0};
    });
    Sleep(1200);
    return DWORD{3};
  });
  machine.advance(5000);
  EXPECT_EQ(clock_ticks, 3);
  EXPECT_TRUE(program.threads.empty());
  EXPECT_TRUE(program.object->signalled);
  EXPECT_EQ(program.object->exit_code, 3u);
}

TEST_F(ThreadsTest, WaitArgumentsAreChecked) {
  EXPECT_EQ(WaitForMultipleObjects(0, nullptr, FALSE, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  HANDLE bogus = reinterpret_cast<HANDLE>(0x12345678);
  EXPECT_EQ(WaitForSingleObject(bogus, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(SetEvent(bogus));
}

// Two programs trade posted and sent messages on timers for ten minutes of desktop time.
std::vector<std::string> ten_minutes_of_traffic() {
  std::vector<std::string> log;
  HWND windows[2] = {nullptr, nullptr};
  desktop::Desktop machine;  // after what its threads use, so that it ends them first
  machine.attach(L"harness.exe");
  for (int side = 0; side < 2; ++side) {
    machine.start_thread(machine.create_process(side ? L"b.exe" : L"a.exe"), [&, side] {
      WNDCLASSEXW window_class{};
      window_class.cbSize = sizeof(window_class);
      window_class.lpfnWndProc = DefWindowProcW;
      window_class.lpszClassName = L"Traffic";
      RegisterClassExW(&window_class);
      windows[side] =
          CreateWindowExW(0, L"Traffic", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
      SetTimer(windows[side], 1, side ? 70 : 100, nullptr);
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER) {
          HWND peer = windows[1 - side];
          if (side)
            SendMessageW(peer, WM_USER, 0, 0);
          else
            PostMessageW(peer, WM_USER, 0, 0);
          log.push_back(std::to_string(GetTickCount()) + (side ? " b" : " a"));
        }
        DispatchMessageW(&msg);
      }
      return DWORD{0};
    });
  }
  machine.advance(10 * 60 * 1000);
  std::vector<std::string> seen = log;
  machine.detach();
  return seen;
}

TEST(VirtualTimeTest, TenMinutesOfTwoThreadsRunTheSameWayEveryTime) {
  auto first = ten_minutes_of_traffic();
  // a fires every 100 ms, b every 70 ms; at 10:00 exactly the harness, the oldest thread, wakes first.
  EXPECT_EQ(first.size(), 5999u + 8571u);
  EXPECT_EQ(first, ten_minutes_of_traffic());
}

}  // namespace
