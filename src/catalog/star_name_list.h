// The western star names in file order, as the search lists them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct StarNameList {
  std::vector<std::wstring> names;
  std::vector<std::wstring> hips;  // parallel to names, the Hipparcos numbers as written
};

struct StarNameLine {
  std::wstring hip;
  std::wstring name;
};
// A "number|_("name")" line; nullopt for a comment or a line that names nothing.
std::optional<StarNameLine> ParseStarNameLine(std::wstring_view line);

// Every star of star_names.fab; empty, reported, when the file cannot be opened.
StarNameList ReadStarNameList(const std::wstring& installFolder);
