// What the desktop notes for those who watch it from outside (tests, scenario files): the
// message boxes shown, and the sections that programs add to a dump of the machine.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win/win_types.h"

namespace desktop {

struct ShownMessageBox {
  HWND box = nullptr;
  std::wstring text;
  std::wstring title;
  UINT style = 0;
  int answer = 0;  // 0 while the box is open
};

struct Observations {
  std::vector<ShownMessageBox> message_boxes;
  // A program's own part of a dump, by its name: a JSON value. Written under the baton.
  std::map<std::string, std::function<std::string()>> dump_sections;
};

}  // namespace desktop
