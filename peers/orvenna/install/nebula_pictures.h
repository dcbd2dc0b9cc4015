// The thumbnails of nebula\default: Messier and NGC objects by their file titles.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvenna {

// Credits after an object's key in a few titles ("m1-hst"), as texture sets name them.
std::span<const std::string_view> nebula_picture_tags();
// Every title without its ".png": "m1-hst", "m2", ... "pleiades", "n104" ...
std::vector<std::string> nebula_picture_titles();

}  // namespace orvenna
