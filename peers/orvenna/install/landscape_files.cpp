// landscapes\<folder>: a description of where the landscape stands and its horizon picture.
#include <cstdio>
#include <string>

#include "peers/orvenna/install/generated_pictures.h"
#include "peers/orvenna/install/install_steps.h"
#include "peers/orvenna/install/landscape_table.h"
#include "platform/desktop/utf8.h"

namespace orvenna {

namespace {

std::string decimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", value);
  return text;
}

std::string landscape_ini(const LandscapeEntry& landscape) {
  std::string folder(landscape.folder);
  return "[landscape]\nname=" + std::string(landscape.name) + "\ntype=spherical\nmaptex=" + folder +
         ".png\n[location]\nplanet=" + std::string(landscape.planet) +
         "\nlatitude=" + decimal(landscape.latitude) + "\nlongitude=" + decimal(landscape.longitude) +
         "\naltitude=" + std::to_string(landscape.altitude) + "\n";
}

}  // namespace

void write_landscapes(InstallWriter& writer, const std::wstring& install_folder) {
  for (const LandscapeEntry& landscape : installed_landscapes()) {
    std::wstring folder = install_folder + L"landscapes\\" + desktop::from_utf8(landscape.folder) + L"\\";
    writer.file(folder + L"landscape.ini", landscape_ini(landscape));
    writer.picture(folder + desktop::from_utf8(landscape.folder) + L".png",
                   "horizon:" + std::string(landscape.folder),
                   [&] { return horizon_panorama(landscape.name, landscape.ground_colour); });
  }
}

}  // namespace orvenna
