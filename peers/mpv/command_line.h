// The stand-in mpv's command line: "mpv.exe [--option[=value]]... FILE", split as the C
// runtime splits a Windows command line (blanks apart, double quotes around a path with blanks).
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace mpv {

struct Geometry {
  int width = 0;
  int height = 0;
  int x = 0;  // from the screen's left and top
  int y = 0;
};

struct Options {
  bool on_top = false;
  bool border = true;
  bool osc = true;
  bool osd_bar = true;
  int osd_level = 1;
  bool flip = false;
  int volume = 100;
  int rotation = 0;
  std::optional<int> screen;  // in EnumDisplayMonitors order; none: the primary
  std::optional<Geometry> geometry;
  std::wstring file;
};

// The words of a command line, the program's name first.
std::vector<std::wstring> split_command_line(const std::wstring& command_line);

// The options, or the line mpv would log for the first thing it cannot take.
std::variant<Options, std::string> parse_command_line(const std::wstring& command_line);

}  // namespace mpv
