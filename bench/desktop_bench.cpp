// Speed of the desktop's message machinery and of its virtual clock.
#include <benchmark/benchmark.h>

#include "platform/desktop/desktop.h"
#include "platform/win/win32.h"

namespace {

LRESULT CALLBACK count_messages(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER || message == WM_TIMER) {
    ++*reinterpret_cast<long*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND counting_window(long* counter) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = count_messages;
  window_class.lpszClassName = L"Counting";
  RegisterClassExW(&window_class);
  HWND hwnd =
      CreateWindowExW(0, L"Counting", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(counter));
  return hwnd;
}

// A million messages posted and dispatched, a thousand at a time (a queue holds ten thousand).
void BM_PostAndDispatchAMillion(benchmark::State& state) {
  desktop::Desktop machine;
  machine.attach(L"bench.exe");
  long handled = 0;
  HWND hwnd = counting_window(&handled);
  for (auto _ : state) {
    for (int batch = 0; batch < 1000; ++batch) {
      for (int i = 0; i < 1000; ++i)
        PostMessageW(hwnd, WM_USER, static_cast<WPARAM>(i), 0);
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    }
  }
  state.counters["messages"] = benchmark::Counter(static_cast<double>(handled), benchmark::Counter::kIsRate);
  machine.detach();
}
BENCHMARK(BM_PostAndDispatchAMillion)->Unit(benchmark::kMillisecond);

// An hour of desktop time for two programs whose windows run the console's kinds of timers,
// the live monitor's 25 frames a second among them, and post to each other on every tick.
void BM_TimerHeavyVirtualHour(benchmark::State& state) {
  long ticks = 0;
  for (auto _ : state) {
    desktop::Desktop machine;
    machine.attach(L"bench.exe");
    HWND peers[2] = {nullptr, nullptr};
    for (int side = 0; side < 2; ++side) {
      machine.start_thread(machine.create_process(L"program.exe"), [&, side] {
        peers[side] = counting_window(&ticks);
        const UINT periods[] = {40, 200, 500, 1000, 6000};
        for (UINT id = 0; id < 5; ++id)
          SetTimer(peers[side], id + 1, periods[id], nullptr);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
          if (msg.message == WM_TIMER && peers[1 - side]) PostMessageW(peers[1 - side], WM_USER, 0, 0);
          DispatchMessageW(&msg);
        }
        return DWORD{0};
      });
    }
    machine.advance(60 * 60 * 1000);
    machine.detach();
  }
  state.counters["messages"] = benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TimerHeavyVirtualHour)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
