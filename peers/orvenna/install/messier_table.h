// The Messier objects of the console's catalogue: the ones a show points out most.
#pragma once

#include <span>
#include <string_view>

namespace orvenna {

struct MessierEntry {
  std::string_view designation;  // "M31"
  std::string_view ngc_ic;       // "NGC 224"; empty when it has none
  std::string_view common_name;  // empty when it has none
  std::string_view type;
  std::string_view right_ascension;
  std::string_view constellation;  // Latin name
  double magnitude;
  long distance_ly;
};

std::span<const MessierEntry> messier_objects();

}  // namespace orvenna
