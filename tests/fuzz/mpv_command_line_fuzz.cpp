// Feeds arbitrary bytes to the stand-in mpv's command line, both as a whole line and as the
// video the console starts mpv for. Any line gives options within mpv's own limits and a file to
// play, or one line saying what it cannot take; and every video the console's set-up can keep,
// with its place over Orvenna's view, starts mpv with exactly that file, volume, rotation, flip
// and window.
#include <string>
#include <variant>

#include "peers/mpv/command_line.h"
#include "src/media/players/mpv_arguments.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr wchar_t kNameCharacters[] = L"abcXYZ019 -_.()\\\u00E9\u4E2D";
constexpr int kRotations[] = {0, 90, 180, 270};

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  int next(int low, int high) {
    unsigned value = 0;
    for (int i = 0; i < 2; ++i)
      value = value << 8 | (at_ < size_ ? data_[at_++] : 0);
    return low + static_cast<int>(value % static_cast<unsigned>(high - low + 1));
  }
  std::wstring name() {
    std::wstring text = L"C:\\media\\";
    for (int length = next(1, 40); length > 0; --length)
      text += kNameCharacters[next(0, static_cast<int>(std::size(kNameCharacters)) - 2)];
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void check_any_line(const std::uint8_t* data, std::size_t size) {
  const auto parsed = mpv::parse_command_line(wide_text_of(data, size));
  if (const std::string* why = std::get_if<std::string>(&parsed)) {
    require(!why->empty());
    return;
  }
  const mpv::Options& options = std::get<mpv::Options>(parsed);
  require(!options.file.empty());
  require(options.volume >= 0 && options.volume <= 130 && options.osd_level >= 0 && options.osd_level <= 3);
  require(options.rotation >= 0 && options.rotation < 360);
  require(!options.screen || (*options.screen >= 0 && *options.screen <= 32));
  require(!options.geometry || (options.geometry->width > 0 && options.geometry->height > 0));
}

void check_console_video(const std::uint8_t* data, std::size_t size) {
  Bytes bytes(data, size);
  MpvVideo video;
  video.fileName = bytes.name();
  video.volume = bytes.next(0, 100);
  video.rotation = kRotations[bytes.next(0, 3)];
  video.flip = bytes.next(0, 1) == 1;
  video.fullScreen = bytes.next(0, 1) == 1;
  video.x = bytes.next(-1, 1920);
  video.y = bytes.next(-1, 1200);
  video.width = bytes.next(100, 3840);
  video.height = bytes.next(100, 2160);
  MpvScreen screen;
  screen.twoMonitorLayout = bytes.next(0, 1) == 1;
  screen.monitorIndex = bytes.next(0, 3);
  screen.monitor = {bytes.next(-3840, 3840), bytes.next(-2160, 2160), 0, 0};
  screen.view.left = screen.monitor.left + bytes.next(0, 200);
  screen.view.top = screen.monitor.top + bytes.next(0, 200);
  screen.view.right = screen.view.left + bytes.next(1, 3840);
  screen.view.bottom = screen.view.top + bytes.next(1, 2160);

  const auto parsed = mpv::parse_command_line(L"mpv.exe" + BuildMpvArguments(video, screen));
  const mpv::Options* options = std::get_if<mpv::Options>(&parsed);
  require(options != nullptr);
  require(options->file == video.fileName && options->volume == video.volume &&
          options->rotation == video.rotation && options->flip == video.flip);
  require(options->on_top && !options->border && !options->osc && !options->osd_bar &&
          options->osd_level == 0);
  require(options->geometry.has_value());
  const mpv::Geometry& geometry = *options->geometry;
  if (!video.fullScreen) {
    require(geometry.width == video.width && geometry.height == video.height &&
            geometry.x == video.x + screen.view.left && geometry.y == video.y + screen.view.top);
    return;
  }
  require(geometry.width == screen.view.right - screen.view.left &&
          geometry.height == screen.view.bottom - screen.view.top);
  require(options->screen.has_value() == screen.twoMonitorLayout);
  if (screen.twoMonitorLayout) require(*options->screen == screen.monitorIndex);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_desktop();
  check_any_line(data, size);
  check_console_video(data, size);
  return 0;
}
