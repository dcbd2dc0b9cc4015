// base_locations.txt of the user folder: the places a script or config.ini names by name.
#pragma once

#include <string_view>
#include <vector>

#include "peers/orvenna/sky_state.h"

namespace orvenna {

// One place a line, fields separated by tabs: 0 the name, 5 the latitude and 6 the longitude
// as degrees with their hemisphere letter (40.7128N, 74.0060W), 7 the altitude in metres.
// UTF-16LE with its byte-order mark, or 8-bit text. Lines that do not read are skipped.
std::vector<ObserverLocation> read_place_list(std::string_view bytes);

}  // namespace orvenna
