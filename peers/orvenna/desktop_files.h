// Whole files of the desktop's drives, read the way the planetarium reads its scripts and settings.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvenna {

// The bytes of the file, or nullopt when it cannot be opened or read. Others may write or delete
// it meanwhile, as the console does with the scripts it hands over.
std::optional<std::string> read_desktop_file(const std::wstring& path);
// The names of the folders inside folder (a path ending in a backslash), in the order the
// drive lists them; none when it cannot be read.
std::vector<std::wstring> folders_in(const std::wstring& folder);

}  // namespace orvenna
