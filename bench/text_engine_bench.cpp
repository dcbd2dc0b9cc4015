// Speed of the text engine on what the console draws most: captions measured and fitted, a
// message wrapped, a caption rendered.
#include <benchmark/benchmark.h>

#include "platform/desktop/text/line_breaking.h"
#include "platform/desktop/text/text_engine.h"

namespace {

using desktop::text::FontId;
using desktop::text::FontRequest;
using desktop::text::TextEngine;

FontId caption_font(LONG height) {
  FontRequest request;
  request.face = L"MS Sans Serif";
  request.height = height;
  request.weight = FW_EXTRABOLD;
  return TextEngine::shared().realize(request).value();
}

// A button's caption measured at every height its fitting may choose.
void BM_FitCaption(benchmark::State& state) {
  for (auto _ : state)
    for (LONG height = -14; height <= 14; ++height)
      benchmark::DoNotOptimize(TextEngine::shared().extent(caption_font(height), L"Precession Circles"));
}
BENCHMARK(BM_FitCaption);

void BM_WrapMessage(benchmark::State& state) {
  const FontId font = caption_font(-11);
  const std::wstring message =
      L"The script was written for an older version of Orvenna. Some of its commands may not work as "
      L"expected. Do you want to run it anyway? \u662f\u5426\u7ee7\u7eed\u8fd0\u884c\u811a\u672c\uff1f";
  for (auto _ : state)
    benchmark::DoNotOptimize(desktop::text::break_lines(TextEngine::shared(), font, message, 200,
                                                        {.word_break = true, .prefix = false}));
}
BENCHMARK(BM_WrapMessage);

void BM_RenderCaption(benchmark::State& state) {
  const FontId font = caption_font(-14);
  for (auto _ : state)
    benchmark::DoNotOptimize(TextEngine::shared().render(font, L"Find and select the Sun"));
}
BENCHMARK(BM_RenderCaption);

}  // namespace

BENCHMARK_MAIN();
