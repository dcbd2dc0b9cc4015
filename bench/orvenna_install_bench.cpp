// Speed of installing the stand-in planetarium: tests install it on every fresh desktop, so
// a whole install should take well under a second. Creating its few hundred files on the
// host is most of the time: on a busy ext4 folder a file can take a millisecond, on tmpfs
// (TMPDIR=/dev/shm) a few microseconds.
#include <benchmark/benchmark.h>

#include <memory>

#include "peers/orvenna/install/generated_pictures.h"
#include "peers/orvenna/install/installer.h"
#include "platform/desktop/png_file.h"

namespace {

void install_on_fresh_desktops(benchmark::State& state, const orvenna::InstallSettings& settings) {
  for (auto _ : state) {
    state.PauseTiming();
    auto machine = std::make_unique<desktop::Desktop>();
    machine->attach(L"bench.exe");
    state.ResumeTiming();
    orvenna::InstallResult result = orvenna::install_orvenna(*machine, settings);
    state.PauseTiming();
    if (!result) state.SkipWithError("the install failed");
    machine->detach();
    machine.reset();
    state.ResumeTiming();
  }
}

void BM_InstallOnAFreshDesktop(benchmark::State& state) {
  install_on_fresh_desktops(state, {});
}
BENCHMARK(BM_InstallOnAFreshDesktop)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_InstallWithoutPictures(benchmark::State& state) {
  orvenna::InstallSettings settings;
  settings.pictures = false;
  install_on_fresh_desktops(state, settings);
}
BENCHMARK(BM_InstallWithoutPictures)->Unit(benchmark::kMillisecond)->UseRealTime();

// The pictures are most of the install's work.
void BM_NebulaThumbnailAsPng(benchmark::State& state) {
  for (auto _ : state) {
    desktop::PngEncoding png = desktop::encode_png(orvenna::nebula_thumbnail("m42"));
    benchmark::DoNotOptimize(png.bytes);
  }
}
BENCHMARK(BM_NebulaThumbnailAsPng)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
