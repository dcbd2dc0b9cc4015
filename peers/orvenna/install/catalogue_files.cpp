// The console's catalogue files beside Orvenna's settings, as the console's installer puts them:
// stars_cat.csv, messier_cat.csv and solar_system.csv, ";"-separated, one header line each, in
// code page 1252.
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "peers/orvenna/install/body_facts_table.h"
#include "peers/orvenna/install/install_steps.h"
#include "peers/orvenna/install/messier_table.h"
#include "peers/orvenna/install/star_facts_table.h"
#include "peers/orvenna/install/star_name_table.h"

namespace orvenna {

namespace {

constexpr const char* kDegree = "\xB0";
constexpr double kLightYearsPerParsec = 3.26163344;

std::string number(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// 06h 45m 09s
std::string right_ascension(double hours) {
  const long seconds = std::lround(hours * 3600);
  char text[32];
  std::snprintf(text, sizeof text, "%02ldh %02ldm %02lds", seconds / 3600 % 24, seconds / 60 % 60,
                seconds % 60);
  return text;
}

// -16° 43'
std::string declination(double degrees) {
  const long minutes = std::lround(std::fabs(degrees) * 60);
  char text[32];
  std::snprintf(text, sizeof text, "%c%02ld%s %02ld'", degrees < 0 ? '-' : '+', minutes / 60, kDegree,
                minutes % 60);
  return text;
}

const StarNameEntry* named_star(unsigned hip) {
  for (const StarNameEntry& star : western_star_names())
    if (star.hip == hip) return &star;
  return nullptr;
}

std::string joined(std::initializer_list<std::string> fields) {
  std::string line;
  for (const std::string& field : fields) {
    if (&field != fields.begin()) line += ';';
    line += field;
  }
  return line + '\n';
}

// Fifteen fields on every line, the last never empty: the console drops an empty last field
// and takes a shorter line for the end of the file. Fields 0, 1, 4 to 7 and 11 to 14 are the
// ones it reads.
std::string stars_catalogue() {
  std::string text =
      joined({"constellation", "hip", "bayer", "parallax_mas", "name", "ra", "dec", "distance_pc",
              "distance_ly", "bv", "vmag_ref", "app_mag", "abs_mag", "spectrum", "notes"});
  for (const StarFactsEntry& star : star_facts()) {
    const StarNameEntry* named = named_star(star.hip);
    if (named == nullptr) continue;
    text += joined({std::string(star.constellation), std::to_string(star.hip), std::string(star.bayer),
                    number(1000 / star.distance_pc, 2), std::string(named->name),
                    right_ascension(named->ra_hours), declination(named->dec_degrees),
                    number(star.distance_pc, 2), number(star.distance_pc * kLightYearsPerParsec, 1),
                    number(star.colour_index, 2), "V", number(star.apparent_magnitude, 2),
                    number(star.absolute_magnitude, 2), std::string(star.spectrum), std::string(star.note)});
  }
  return text;
}

std::string messier_catalogue() {
  std::string text = "designation;ngc_ic;common_name;type;ra;constellation;magnitude;distance_ly\n";
  for (const MessierEntry& object : messier_objects())
    text += std::string(object.designation) + ";" + std::string(object.ngc_ic) + ";" +
            std::string(object.common_name) + ";" + std::string(object.type) + ";" +
            std::string(object.right_ascension) + ";" + std::string(object.constellation) + ";" +
            number(object.magnitude, 1) + ";" + std::to_string(object.distance_ly) + "\n";
  return text;
}

std::string solar_system_catalogue() {
  std::string text =
      "name;mean_distance_km;diameter_km;orbital_period;rotation_period;eccentricity;mean_temperature;"
      "surface_gravity;escape_velocity;known_moons;diameter_earths;mass_1e24_kg\n";
  for (const BodyFactsEntry& body : body_facts())
    text += std::string(body.name) + ";" + std::string(body.mean_distance_km) + ";" +
            std::string(body.diameter_km) + ";" + std::string(body.orbital_period) + ";" +
            std::string(body.rotation_period) + ";" + std::string(body.eccentricity) + ";" +
            std::string(body.mean_temperature_c) + " " + kDegree + "C;" +
            std::string(body.surface_gravity_m_s2) + " m/s\xB2;" + std::string(body.escape_velocity_km_s) +
            " km/s;" + std::string(body.known_moons) + ";" + std::string(body.diameter_to_earth) + ";" +
            std::string(body.mass_e24_kg) + "\n";
  return text;
}

}  // namespace

void write_console_catalogues(InstallWriter& writer, const std::wstring& user_folder) {
  writer.file(user_folder + L"stars_cat.csv", stars_catalogue());
  writer.file(user_folder + L"messier_cat.csv", messier_catalogue());
  writer.file(user_folder + L"solar_system.csv", solar_system_catalogue());
}

}  // namespace orvenna
