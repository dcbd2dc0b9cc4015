// Feeds arbitrary bytes to the players' demuxing and decoding as a media file on the desktop:
// opening either fails with a reason or gives a stream to play; reading and decoding packets
// ends, every frame has a size, and the file opens nothing else on the host.
#include "peers/media/media_file.h"
#include "peers/media/media_log.h"
#include "tests/fuzz/fuzz_desktop.h"

extern "C" {
#include <libavutil/frame.h>
}

namespace {

constexpr wchar_t kFolder[] = L"C:\\Fuzz";
constexpr wchar_t kPath[] = L"C:\\Fuzz\\clip.media";
constexpr int kMostSteps = 4000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  write_fuzz_file(kFolder, kPath, data, size);
  media::MediaLog log;
  media::LogScope scope(log);
  media::MediaFile file;
  const std::string why = file.open(kPath);
  if (!why.empty()) return 0;
  require(file.has_video() || file.has_audio());
  require(!file.has_video() || (file.width() > 0 && file.height() > 0));
  for (int steps = 0; steps < kMostSteps && (file.decode_video() || file.pull()); ++steps) {
    for (const media::DecodedFrame& frame : file.video_frames())
      require(frame.frame->width > 0 && frame.frame->height > 0);
    while (!file.video_frames().empty())
      file.drop_front_frame();
    require(file.audio_samples().size() % media::kOutputChannels == 0);
    file.audio_samples().clear();
  }
  return 0;
}
