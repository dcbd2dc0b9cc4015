// Speed of the drawing the console does most: full-screen copies, the live monitor's halftone
// shrink of a full-HD frame, and alpha-blended pictures.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/desktop/desktop.h"
#include "platform/win/win32.h"

namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

struct Bitmap {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  std::uint32_t* bits = nullptr;
};

// A memory context with a top-down DIB section, filled with a pattern that varies per pixel.
Bitmap dib(int width, int height, std::uint32_t seed) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  Bitmap result;
  void* bits = nullptr;
  result.bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  result.bits = static_cast<std::uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i)
    result.bits[i] = (static_cast<std::uint32_t>(i) * 2654435761u) ^ seed;
  result.dc = CreateCompatibleDC(nullptr);
  result.previous = SelectObject(result.dc, result.bitmap);
  return result;
}

void release(Bitmap& bitmap) {
  SelectObject(bitmap.dc, bitmap.previous);
  DeleteDC(bitmap.dc);
  DeleteObject(bitmap.bitmap);
}

class Machine {
 public:
  Machine() { machine_.attach(L"bench.exe"); }
  ~Machine() { machine_.detach(); }

 private:
  desktop::Desktop machine_;
};

// The floor for every full-frame operation: copying its bytes once.
void BM_MemcpyFrame(benchmark::State& state) {
  std::vector<std::uint32_t> from(kScreenWidth * kScreenHeight, 0x00123456), to(from.size());
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(
      static_cast<std::int64_t>(state.iterations() * from.size() * sizeof(std::uint32_t)));
}
BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMillisecond);

void BM_BitBltFullScreenBitmap(benchmark::State& state) {
  Machine machine;
  Bitmap from = dib(kScreenWidth, kScreenHeight, 1);
  Bitmap to = dib(kScreenWidth, kScreenHeight, 2);
  for (auto _ : state)
    BitBlt(to.dc, 0, 0, kScreenWidth, kScreenHeight, from.dc, 0, 0, SRCCOPY);
  release(from);
  release(to);
}
BENCHMARK(BM_BitBltFullScreenBitmap)->Unit(benchmark::kMillisecond);

// The live monitor's capture: the display composed from a full-screen window, then copied.
void BM_BitBltFromTheDisplay(benchmark::State& state) {
  Machine machine;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.lpszClassName = L"Full";
  RegisterClassExW(&window_class);
  HWND hwnd = CreateWindowExW(0, L"Full", L"", WS_POPUP | WS_VISIBLE, 0, 0, kScreenWidth, kScreenHeight,
                              nullptr, nullptr, nullptr, nullptr);
  HDC window = GetDC(hwnd);
  PatBlt(window, 0, 0, kScreenWidth, kScreenHeight, WHITENESS);
  ReleaseDC(hwnd, window);
  HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  Bitmap to = dib(kScreenWidth, kScreenHeight, 2);
  for (auto _ : state)
    BitBlt(to.dc, 0, 0, kScreenWidth, kScreenHeight, display, 0, 0, SRCCOPY);
  release(to);
  DeleteDC(display);
  DestroyWindow(hwnd);
}
BENCHMARK(BM_BitBltFromTheDisplay)->Unit(benchmark::kMillisecond);

void BM_HalftoneFullHdToThird(benchmark::State& state) {
  Machine machine;
  Bitmap from = dib(kScreenWidth, kScreenHeight, 1);
  Bitmap to = dib(kScreenWidth / 3, kScreenHeight / 3, 2);
  SetStretchBltMode(to.dc, HALFTONE);
  for (auto _ : state)
    StretchBlt(to.dc, 0, 0, kScreenWidth / 3, kScreenHeight / 3, from.dc, 0, 0, kScreenWidth, kScreenHeight,
               SRCCOPY);
  release(from);
  release(to);
}
BENCHMARK(BM_HalftoneFullHdToThird)->Unit(benchmark::kMillisecond);

void BM_AlphaBlendPicture(benchmark::State& state) {
  Machine machine;
  constexpr int kSide = 1080;
  Bitmap from = dib(kSide, kSide, 1);
  Bitmap to = dib(kSide, kSide, 2);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(state.range(0)),
                            static_cast<BYTE>(state.range(1) ? AC_SRC_ALPHA : 0)};
  for (auto _ : state)
    AlphaBlend(to.dc, 0, 0, kSide, kSide, from.dc, 0, 0, kSide, kSide, blend);
  release(from);
  release(to);
}
BENCHMARK(BM_AlphaBlendPicture)
    ->ArgNames({"constant", "per_pixel"})
    ->Args({255, 1})
    ->Args({128, 1})
    ->Args({128, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
