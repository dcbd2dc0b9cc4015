// %APPDATA%\Orvenna as the program's first start leaves it: config.ini and the place list, and
// black.png, the backdrop the console lays behind its pictures over the planetarium.
#include <cstdio>
#include <string>

#include "peers/orvenna/install/install_steps.h"
#include "peers/orvenna/install/place_table.h"
#include "platform/desktop/png_file.h"

namespace orvenna {

namespace {

// The script shortcuts are present and unbound: the console binds them at its start.
constexpr std::string_view kFreshConfig =
    "[init_location]\r\n"
    "landscape_name=guereins\r\n"
    "location=Guereins\r\n"
    "[landscape]\r\n"
    "flag_atmosphere=true\r\n"
    "flag_fog=false\r\n"
    "flag_landscape=true\r\n"
    "[localization]\r\n"
    "app_locale=system\r\n"
    "sky_locale=system\r\n"
    "[navigation]\r\n"
    "init_fov=60\r\n"
    "[plugins_load_at_startup]\r\n"
    "MeteorShowers=true\r\n"
    "Satellites=true\r\n"
    "[shortcuts]\r\n"
    "actionPause_Script=\r\n"
    "actionResume_Script=\r\n"
    "actionStop_Script=\r\n";

// A decimal number of degrees and its hemisphere letter: 40.7128N, 74.0060W.
std::string coordinate(double degrees, char positive, char negative) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f%c", degrees < 0 ? -degrees : degrees,
                degrees < 0 ? negative : positive);
  return text;
}

constexpr int kBackdropSide = 16;
constexpr std::uint32_t kOpaqueBlack = 0xFF000000;

std::string black_picture() {
  const std::vector<std::uint32_t> pixels(kBackdropSide * kBackdropSide, kOpaqueBlack);
  const desktop::PngEncoding png = desktop::encode_png(kBackdropSide, kBackdropSide, pixels, false);
  return png ? std::string(png.bytes->begin(), png.bytes->end()) : std::string();
}

std::string place_list() {
  std::string list = "# name\tregion\tcountry\trole\ttime zone\tlatitude\tlongitude\taltitude\n";
  for (const PlaceEntry& place : known_places()) {
    list += std::string(place.name) + '\t' + std::string(place.region) + '\t' + std::string(place.country) +
            '\t' + place.role + '\t' + std::string(place.time_zone) + '\t' +
            coordinate(place.latitude, 'N', 'S') + '\t' + coordinate(place.longitude, 'E', 'W') + '\t' +
            std::to_string(place.altitude) + '\n';
  }
  return list;
}

}  // namespace

void write_user_folder(InstallWriter& writer, const std::wstring& user_folder) {
  writer.file(user_folder + L"config.ini", kFreshConfig);
  writer.file(user_folder + L"base_locations.txt", place_list());
  writer.file(user_folder + L"black.png", black_picture());
}

}  // namespace orvenna
