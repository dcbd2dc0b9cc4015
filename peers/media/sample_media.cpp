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
    {"Colour count.mp4", {.seconds = 5, .width = 320, .height = 180}},
    {"Colour count.wmv", {.seconds = 5, .width = 320, .height = 180}},
    {"Colour count.avi", {.seconds = 5, .width = 320, .height = 180}},
    {"Tone 440 Hz.mp3", {.seconds = 5, .video = false}},
    {"Tone 440 Hz.wav", {.seconds = 5, .video = false}},
};

}  // namespace

std::string install_sample_media(desktop::Desktop& machine, const std::wstring& folder) {
  std::filesystem::path host;
  bool made = false;
  bool there = false;
  machine.call_from_outside([&] {
    there = machine.drives().locate(folder).exists;
    if (there) return;
    made = machine.drives().make_folders(folder);
    host = machine.drives().locate(folder).host;
  });
  if (there) return {};
  if (!made) return "cannot make the sample folder";
  for (const Sample& sample : kSamples)
    if (std::string why = write_clip(host / sample.name, sample.spec); !why.empty())
      return std::string(sample.name) + ": " + why;
  return {};
}

}  // namespace media
