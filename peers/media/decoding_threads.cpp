#include "peers/media/decoding_threads.h"

#include <algorithm>

extern "C" {
#include <libavutil/cpu.h>
}

namespace media {
namespace {

constexpr int kMostDecodingThreads = 4;

}  // namespace

int video_decoding_threads() {
  return std::clamp(av_cpu_count(), 1, kMostDecodingThreads);
}

}  // namespace media
