#include "peers/media/sample_media.h"

#include <filesystem>

#include "peers/media/clip_writer.h"

namespace media {
namespace {

struct Sample {
  const char* name;
  ClipSpec spec;
};

const Sample kSamples[] = {
    {"Colour count.mp4", {.seconds = 10, .width = 640, .height = 360}},
    {"Colour count.wmv", {.seconds = 10, .width = 640, .height = 360}},
    {"Colour count.avi", {.seconds = 10, .width = 640, .height = 360}},
    {"Tone 440 Hz.mp3", {.seconds = 10, .video = false}},
    {"Tone 440 Hz.wav", {.seconds = 10, .video = false}},
};

}  // namespace

std::string install_sample_media(desktop::Desktop& machine, const std::wstring& folder) {
  std::filesystem::path host;
  bool exists = false;
  machine.call_from_outside([&] {
    desktop::HostPath at = machine.drives().locate(folder);
    host = at.host;
    exists = at.error != 0 || at.exists;
  });
  if (exists) return {};
  std::error_code error;
  std::filesystem::create_directories(host, error);
  if (error) return "cannot make the sample folder: " + error.message();
  for (const Sample& sample : kSamples)
    if (std::string why = write_clip(host / sample.name, sample.spec); !why.empty())
      return std::string(sample.name) + ": " + why;
  return {};
}

}  // namespace media
