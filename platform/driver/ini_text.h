// An ini file's text with one key set, as a scenario prepares a machine's settings.
#pragma once

#include <string>
#include <string_view>

namespace driver {

// The text with KEY=VALUE in [SECTION]: the key's line replaced where the section holds it,
// else added after the section's last entry, else the section added at the end. Sections and
// keys match without regard to case and blanks around them; the other lines stay as they are,
// and new lines end as the file's first line does (CR LF in a new file).
std::string with_ini_value(std::string_view text, std::string_view section, std::string_view key,
                           std::string_view value);

}  // namespace driver
