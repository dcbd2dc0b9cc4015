// Writes short media files to play, made at run time: a clip whose frame i is a solid colour
// that encodes i (so a frame on screen is known from one pixel) with a 440 Hz tone, or the
// tone alone, in the container its extension names.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/win_types.h"

namespace media {

struct ClipSpec {
  double seconds = 2;
  bool video = true;  // false: the tone alone; audio-only containers never have video
  bool audio = true;  // false: the picture alone, in a container that has video
  int width = 160;
  int height = 120;
  int frames_per_second = 25;
  double tone_hz = 440;
  double amplitude = 0.5;  // of full scale
  // A white quarter-size block in each frame's top left corner, to see how a picture is turned.
  bool mark_top_left = false;
  // A moving, grainy texture in place of the solid colours, so that a codec has real work.
  bool textured = false;
  // B-frames, so that frames are stored, and decoded, out of the order they are shown in; a
  // textured clip always has them.
  bool reordered = false;
};

// The extensions a clip can be written in: video containers first, then audio-only ones.
const std::vector<std::string>& clip_extensions();
bool is_audio_only_extension(const std::string& extension);

// Empty when written; else why not.
std::string write_clip(const std::filesystem::path& file, const ClipSpec& spec);

// Frame i's colour (i modulo 64), and the frame a colour on screen shows, if it is one.
COLORREF frame_colour(int index);
std::optional<int> frame_index_of(COLORREF colour);

}  // namespace media
