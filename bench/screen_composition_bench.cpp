// Speed of composing the screen from twenty windows on a full-HD monitor: a full-screen one
// behind nineteen smaller ones, all plain, colour-keyed, at a constant alpha or with
// per-pixel alpha.
#include <benchmark/benchmark.h>

#include "platform/desktop/desktop.h"
#include "platform/desktop/gdi/screen_composition.h"
#include "platform/win/win32.h"

namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kWindows = 20;

enum class Look { Plain, ColourKey, ConstantAlpha, PerPixelAlpha };

// A picture whose pixels vary, with every alpha from clear to opaque, premultiplied.
HBITMAP picture(int width, int height, HDC& dc) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i) {
    const std::uint32_t alpha = static_cast<std::uint32_t>(i) % 256;
    const std::uint32_t grey = alpha / 2;
    pixels[i] = alpha << 24 | grey << 16 | grey << 8 | grey;
  }
  dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, bitmap);
  return bitmap;
}

HWND window(int index, Look look) {
  const bool back = index == 0;
  const int width = back ? kScreenWidth : 480;
  const int height = back ? kScreenHeight : 360;
  const int x = back ? 0 : (index * 97) % (kScreenWidth - width);
  const int y = back ? 0 : (index * 53) % (kScreenHeight - height);
  const DWORD ex_style = back || look == Look::Plain ? 0 : WS_EX_LAYERED;
  HWND hwnd = CreateWindowExW(ex_style, L"Composed", L"", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr,
                              nullptr, nullptr, nullptr);
  HDC dc = GetDC(hwnd);
  PatBlt(dc, 0, 0, width, height, index % 2 ? WHITENESS : BLACKNESS);
  PatBlt(dc, 0, 0, width / 2, height, DSTINVERT);
  ReleaseDC(hwnd, dc);
  if (back) return hwnd;
  switch (look) {
    case Look::Plain:
      break;
    case Look::ColourKey:
      SetLayeredWindowAttributes(hwnd, RGB(255, 255, 255), 0, LWA_COLORKEY);
      break;
    case Look::ConstantAlpha:
      SetLayeredWindowAttributes(hwnd, 0, 240, LWA_ALPHA);
      break;
    case Look::PerPixelAlpha: {
      HDC source = nullptr;
      HBITMAP bitmap = picture(width, height, source);
      POINT from{0, 0};
      BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
      UpdateLayeredWindow(hwnd, nullptr, nullptr, nullptr, source, &from, 0, &blend, ULW_ALPHA);
      DeleteDC(source);
      DeleteObject(bitmap);
      break;
    }
  }
  return hwnd;
}

void BM_ComposeTwentyWindows(benchmark::State& state) {
  desktop::Desktop machine;
  machine.attach(L"bench.exe");
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.lpszClassName = L"Composed";
  RegisterClassExW(&window_class);
  HWND windows[kWindows];
  for (int i = 0; i < kWindows; ++i)
    windows[i] = window(i, static_cast<Look>(state.range(0)));
  const RECT screen{0, 0, kScreenWidth, kScreenHeight};
  for (auto _ : state) {
    desktop::compose_screen(machine, screen);
    benchmark::ClobberMemory();
  }
  for (HWND hwnd : windows)
    DestroyWindow(hwnd);
  machine.detach();
}
BENCHMARK(BM_ComposeTwentyWindows)
    ->ArgName("look")
    ->Arg(static_cast<int>(Look::Plain))
    ->Arg(static_cast<int>(Look::ColourKey))
    ->Arg(static_cast<int>(Look::ConstantAlpha))
    ->Arg(static_cast<int>(Look::PerPixelAlpha))
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
