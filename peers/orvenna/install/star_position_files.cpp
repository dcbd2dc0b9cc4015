// stars\default\star_positions.txt: one line a named star, "<Hipparcos number> <right ascension
// in hours> <declination in degrees>", so that the program draws them where they stand.
#include <cstdio>
#include <string>

#include "peers/orvenna/install/install_steps.h"
#include "peers/orvenna/install/star_name_table.h"

namespace orvenna {

void write_star_positions(InstallWriter& writer, const std::wstring& install_folder) {
  std::string lines = "# Hipparcos number, right ascension (hours), declination (degrees), J2000\n";
  for (const StarNameEntry& star : western_star_names()) {
    char line[64];
    std::snprintf(line, sizeof line, "%u %.4f %.3f\n", star.hip, star.ra_hours, star.dec_degrees);
    lines += line;
  }
  writer.file(install_folder + L"stars\\default\\star_positions.txt", lines);
}

}  // namespace orvenna
