#include <gtest/gtest.h>

#include "peers/mpv/command_line.h"

namespace {

TEST(MpvCommandLine, TakesTheLineTheConsoleBuilds) {
  const std::wstring line =
      L"mpv.exe  --ontop --no-border --no-osc --no-osd-bar --osd-level=0   --vf=flip   --volume=50 "
      L"--video-rotate=90   --screen=1 --geometry=1920x1080+0+0   \"C:\\My Videos\\the sky.mp4\" ";
  auto parsed = mpv::parse_command_line(line);
  ASSERT_TRUE(std::holds_alternative<mpv::Options>(parsed)) << std::get<std::string>(parsed);
  const mpv::Options& options = std::get<mpv::Options>(parsed);
  EXPECT_TRUE(options.on_top);
  EXPECT_FALSE(options.border);
  EXPECT_FALSE(options.osc);
  EXPECT_FALSE(options.osd_bar);
  EXPECT_EQ(options.osd_level, 0);
  EXPECT_TRUE(options.flip);
  EXPECT_EQ(options.volume, 50);
  EXPECT_EQ(options.rotation, 90);
  EXPECT_EQ(options.screen, 1);
  ASSERT_TRUE(options.geometry);
  EXPECT_EQ(options.geometry->width, 1920);
  EXPECT_EQ(options.geometry->height, 1080);
  EXPECT_EQ(options.file, L"C:\\My Videos\\the sky.mp4");
}

struct GeometryCase {
  const wchar_t* option;
  int width, height, x, y;
};

TEST(MpvCommandLine, GeometryIsSizeAndOffsetFromTheScreen) {
  const GeometryCase cases[] = {
      {L"--geometry=640x360+2020+50", 640, 360, 2020, 50},
      {L"--geometry=800x600-10+0", 800, 600, -10, 0},
      {L"--geometry=320x200", 320, 200, 0, 0},
  };
  for (const GeometryCase& c : cases) {
    auto parsed = mpv::parse_command_line(std::wstring(L"mpv.exe ") + c.option + L" a.mp4");
    ASSERT_TRUE(std::holds_alternative<mpv::Options>(parsed));
    const auto& geometry = *std::get<mpv::Options>(parsed).geometry;
    EXPECT_EQ(geometry.width, c.width);
    EXPECT_EQ(geometry.height, c.height);
    EXPECT_EQ(geometry.x, c.x);
    EXPECT_EQ(geometry.y, c.y);
  }
}

struct InvalidCase {
  const wchar_t* arguments;
  const char* logged;
};

TEST(MpvCommandLine, WhatItCannotTakeIsSaid) {
  const InvalidCase cases[] = {
      {L"--fullscreen-please a.mp4", "Error parsing option fullscreen-please (option not found)"},
      {L"--volume=loud a.mp4", "Error parsing option volume (invalid value \"loud\")"},
      {L"--volume=200 a.mp4", "Error parsing option volume (invalid value \"200\")"},
      {L"--video-rotate=360 a.mp4", "Error parsing option video-rotate (invalid value \"360\")"},
      {L"--geometry=wide a.mp4", "Error parsing option geometry (invalid geometry \"wide\")"},
      {L"--geometry a.mp4", "Error parsing option geometry (option requires parameter)"},
      {L"--vf=blur a.mp4", "Error parsing option vf (no video filter \"blur\")"},
      {L"--screen=-1 a.mp4", "Error parsing option screen (invalid value \"-1\")"},
      {L"--ontop", "no file to play"},
  };
  for (const InvalidCase& c : cases) {
    auto parsed = mpv::parse_command_line(std::wstring(L"mpv.exe ") + c.arguments);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
    EXPECT_EQ(std::get<std::string>(parsed), c.logged);
  }
}

}  // namespace
