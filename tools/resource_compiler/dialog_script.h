// Dialog templates in res/dialogs.txt:
//
//   dialog 121 "Caption" 0 0 186 95          # id, caption, position and size in dialog units
//     style WS_POPUP WS_CAPTION DS_MODALFRAME
//     exstyle WS_EX_TOPMOST
//     font "MS Sans Serif" 8
//     control Button IDOK "&OK" 50 60 50 14 BS_DEFPUSHBUTTON WS_TABSTOP
//
// A control is a visible child unless its styles say -WS_VISIBLE; styles are names or numbers,
// extended styles follow the word "exstyle" on the control's line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/resource_compiler/parse_result.h"

namespace resource_script {

struct ControlDescription {
  std::wstring class_name;
  int id;
  std::wstring text;
  int x, y, cx, cy;
  std::uint32_t style;
  std::uint32_t ex_style;
};

struct DialogDescription {
  int id;
  std::wstring caption;
  int x, y, cx, cy;
  std::uint32_t style;
  std::uint32_t ex_style;
  std::wstring font_name;  // empty: the system font
  int font_size;
  std::vector<ControlDescription> controls;
  int line;
};

Parsed<std::vector<DialogDescription>> parse_dialogs(std::string_view source);

// The value of a style or control id name the scripts may use, or of a number.
std::optional<std::int64_t> style_value(std::string_view name);

}  // namespace resource_script
