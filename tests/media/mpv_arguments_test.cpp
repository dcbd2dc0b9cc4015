// The command line mpv gets for a video: its fragments in order, each with its blanks, the
// place over Orvenna's view, and the file between double quotes.
#include "src/media/players/mpv_arguments.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t Plain[] = L" --ontop --no-border --no-osc --no-osd-bar --osd-level=0 ";

TEST(MpvArgumentsTest, EachVideoGetsItsPlaceAndOptions) {
  struct Case {
    const char* name;
    MpvVideo video;
    MpvScreen screen;
    std::wstring expected;
  };
  const RECT second{1920, 0, 3840, 1080};
  const RECT primary{0, 0, 1920, 1080};
  const RECT trainingView{0, 0, 940, 940};
  const Case cases[] = {
      {"windowed over a view on the second monitor",
       {L"C:\\Shows\\sky.mp4", 100, 0, false, false, 100, 50, 640, 360},
       {true, second, 1, second},
       std::wstring(Plain) +
           L" --volume=100 --video-rotate=0  --geometry=640x360+2020+50  \"C:\\Shows\\sky.mp4\" "},
      {"full screen on the dome's second monitor",
       {L"C:\\Shows\\sky.mp4", 100, 0, false, true},
       {true, second, 1, second},
       std::wstring(Plain) +
           L" --volume=100 --video-rotate=0  --screen=1 --geometry=1920x1080+0+0  \"C:\\Shows\\sky.mp4\" "},
      {"full screen on the dome's primary monitor, the console on the second",
       {L"C:\\Shows\\sky.mp4", 100, 0, false, true},
       {true, primary, 0, primary},
       std::wstring(Plain) +
           L" --volume=100 --video-rotate=0  --screen=0 --geometry=1920x1080+0+0  \"C:\\Shows\\sky.mp4\" "},
      {"full screen over the training layout's square",
       {L"C:\\Shows\\sky.mp4", 100, 0, false, true},
       {false, {8, 30, 948, 970}, 0, primary},
       std::wstring(Plain) +
           L" --volume=100 --video-rotate=0  --geometry=940x940+8+30  \"C:\\Shows\\sky.mp4\" "},
      {"flipped, softer and turned, a path with blanks",
       {L"C:\\My Shows\\night sky.mov", 35, 270, true, false, 0, 0, 320, 240},
       {false, trainingView, 0, primary},
       std::wstring(Plain) + L" --vf=flip  --volume=35 --video-rotate=270  --geometry=320x240+0+0  \"C:\\My "
                             L"Shows\\night sky.mov\" "},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BuildMpvArguments(c.video, c.screen), c.expected) << c.name;
}

}  // namespace
