// The constellations of a sky culture other than the western one, from its
// constellation_names.eng.fab: one name a line, written id "native" _("English").
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "src/catalog/constellation_name_table.h"

// The English name of a line as the search shows it: without quotes and parentheses, without a
// leading "the ", dashes as blanks. Nullopt for a line that names nothing.
std::optional<std::wstring> CultureConstellationName(std::wstring_view line);

// Appends a row of eight copies and an art title for each name until a line shorter than four
// characters; a file that cannot be opened is reported. Gives how many rows were added.
std::size_t LoadCultureConstellationNames(const std::wstring& installFolder, const std::wstring& culture,
                                          ConstellationNameTable& table,
                                          std::vector<std::wstring>& artTitles);
