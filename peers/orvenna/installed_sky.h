// What the program reads of its install folder at its start: the landscapes (each folder's
// landscape.ini), the sky cultures, and the western culture's named stars with where they stand
// and its constellation figures.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "peers/orvenna/sky_state.h"

namespace orvenna {

// Each list is empty when its part of the install is missing.
struct InstalledSky {
  std::vector<Landscape> landscapes;
  std::vector<std::string> sky_cultures;
  std::vector<NamedStar> stars;
  std::vector<Figure> figures;
};

// install_folder ends in a backslash.
InstalledSky read_installed_sky(const std::wstring& install_folder);

// The folder's landscape.ini: its [landscape] name, and its [location] when it names a planet.
std::optional<Landscape> read_landscape(std::string folder, std::string_view ini_text);
// star_names.fab: "<Hipparcos number>|_("<name>")" a line; "#" starts a comment.
std::vector<NamedStar> read_star_names(std::string_view text);
// constellationship.fab: "<abbreviation> <line count> <star> <star> ..." a line, named by the
// Latin names that constellation_names.eng.fab gives the abbreviations.
std::vector<Figure> read_figures(std::string_view lines_text, std::string_view names_text);
// Gives the stars the positions of star_positions.txt: "<number> <ra hours> <dec degrees>".
void place_stars(std::vector<NamedStar>& stars, std::string_view positions_text);

}  // namespace orvenna
