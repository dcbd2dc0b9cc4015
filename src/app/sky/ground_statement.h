// The statements that change Orvenna's ground only when it shows another one, as the location,
// event and fly-by scripts write them.
#pragma once

#include <string>
#include <string_view>

std::wstring LandscapeUnlessCurrent(std::wstring_view landscape);
