// Where the bundled families' faces are on this host, found through fontconfig.
#pragma once

#include <optional>
#include <string>

#include "platform/desktop/text/font_family.h"

namespace desktop::text {

struct FontFile {
  std::string path;
  int index = 0;  // the face within a collection file

  bool operator==(const FontFile&) const = default;
};

// The upright face of a family, regular or bold; none when the family has no such face (its bold
// is then simulated) or is not installed. Looked up once per process: the files do not move.
std::optional<FontFile> font_file(FontFamily family, bool bold);

}  // namespace desktop::text
