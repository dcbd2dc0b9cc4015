// The string table's source, res/strings.txt: blocks of a base id and a step, each with up to
// six language lines (en it fr es tr zh, language index L = 0..5). The entry of language L has
// the id base + 20 × L with step 20 and base + L with steps 10, 6 and 1, whose bases lie that
// far apart: 3000 "EARTH" has its Italian "TERRA" at 3001, and 9001 "&Ok" its Italian at 9021.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/resource_compiler/parse_result.h"

namespace resource_script {

struct StringEntry {
  std::uint32_t id;
  std::wstring text;
  int line;
};

// Entries sorted by id. Refuses a malformed line, an id that two lines produce, or an id
// beyond the 16 bits of a string id, naming the line.
Parsed<std::vector<StringEntry>> parse_string_table(std::string_view source);

}  // namespace resource_script
