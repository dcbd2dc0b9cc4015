#include "peers/orvenna/place_list.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "peers/orvenna/config_ini.h"
#include "platform/afx/utf16_text.h"
#include "platform/desktop/utf8.h"

namespace orvenna {

namespace {

constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::size_t kNameField = 0;
constexpr std::size_t kLatitudeField = 5;
constexpr std::size_t kLongitudeField = 6;
constexpr std::size_t kAltitudeField = 7;

std::string as_utf8(std::string_view bytes) {
  if (!bytes.starts_with(kUtf16Mark)) return std::string(bytes);
  std::wstring wide;
  for (std::size_t i = kUtf16Mark.size(); i + 1 < bytes.size(); i += 2)
    AppendUtf16Unit(wide, static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                static_cast<unsigned char>(bytes[i + 1]) << 8));
  return desktop::to_utf8(wide);
}

std::vector<std::string_view> fields_of(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

// "40.7128N": degrees, negative towards the second letter.
std::optional<double> degrees(std::string_view text, char positive, char negative, double limit) {
  text = trim_blanks(text);
  if (text.size() < 2) return std::nullopt;
  const char hemisphere = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
  if (hemisphere != positive && hemisphere != negative) return std::nullopt;
  const std::string digits(text.substr(0, text.size() - 1));
  char* end = nullptr;
  const double value = std::strtod(digits.c_str(), &end);
  // Written so that "nan" fails it too.
  if (*end != '\0' || !(value >= 0 && value <= limit)) return std::nullopt;
  return hemisphere == positive ? value : -value;
}

}  // namespace

std::vector<ObserverLocation> read_place_list(std::string_view bytes) {
  const std::string text = as_utf8(bytes);
  std::vector<ObserverLocation> places;
  std::string_view rest = text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = trim_blanks(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string_view> fields = fields_of(line);
    if (fields.size() <= kLongitudeField) continue;
    const std::optional<double> latitude = degrees(fields[kLatitudeField], 'N', 'S', 90);
    const std::optional<double> longitude = degrees(fields[kLongitudeField], 'E', 'W', 180);
    const std::string_view name = trim_blanks(fields[kNameField]);
    if (!latitude || !longitude || name.empty()) continue;
    const double altitude =
        fields.size() > kAltitudeField ? std::atof(std::string(fields[kAltitudeField]).c_str()) : 0;
    if (!std::isfinite(altitude)) continue;
    places.push_back({"Earth", *longitude, *latitude, altitude, std::string(name)});
  }
  return places;
}

}  // namespace orvenna
