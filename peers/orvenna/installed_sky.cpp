#include "peers/orvenna/installed_sky.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "peers/orvenna/config_ini.h"
#include "peers/orvenna/desktop_files.h"
#include "platform/desktop/utf8.h"

namespace orvenna {

namespace {

constexpr double kDegreesPerHour = 15;

// Calls each(line) for every line that is neither blank nor a "#" comment.
template <typename Each>
void for_each_line(std::string_view text, Each each) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = trim_blanks(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.front() != '#') each(line);
  }
}

std::optional<double> number(std::string_view text) {
  const std::string copy(trim_blanks(text));
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  // "nan" and "inf" are no numbers of a sky.
  if (copy.empty() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<unsigned> whole_number(std::string_view text) {
  text = trim_blanks(text);
  unsigned value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::vector<Landscape> read_landscapes(const std::wstring& install_folder) {
  std::vector<Landscape> landscapes;
  const std::wstring folder = install_folder + L"landscapes\\";
  for (const std::wstring& name : folders_in(folder)) {
    std::optional<std::string> ini = read_desktop_file(folder + name + L"\\landscape.ini");
    if (!ini) continue;
    if (std::optional<Landscape> landscape = read_landscape(desktop::to_utf8(name), *ini))
      landscapes.push_back(std::move(*landscape));
  }
  return landscapes;
}

std::vector<std::string> read_sky_cultures(const std::wstring& install_folder) {
  std::vector<std::string> cultures;
  for (const std::wstring& name : folders_in(install_folder + L"skycultures\\"))
    cultures.push_back(desktop::to_utf8(name));
  return cultures;
}

}  // namespace

std::optional<Landscape> read_landscape(std::string folder, std::string_view ini_text) {
  const std::vector<IniEntry> ini = read_ini(ini_text);
  std::optional<std::string> name = ini_value(ini, "landscape", "name");
  if (!name || name->empty()) return std::nullopt;
  Landscape landscape{std::move(folder), std::move(*name), std::nullopt};
  std::optional<std::string> planet = ini_value(ini, "location", "planet");
  if (!planet || planet->empty()) return landscape;
  ObserverLocation where{*planet, 0, 0, 0, landscape.name};
  for (auto [key, value] : {std::pair{"longitude", &where.longitude}, std::pair{"latitude", &where.latitude},
                            std::pair{"altitude", &where.altitude}})
    if (std::optional<std::string> text = ini_value(ini, "location", key)) *value = number(*text).value_or(0);
  landscape.location = where;
  return landscape;
}

std::vector<NamedStar> read_star_names(std::string_view text) {
  std::vector<NamedStar> stars;
  for_each_line(text, [&](std::string_view line) {
    const std::size_t bar = line.find('|');
    if (bar == std::string_view::npos) return;
    const std::optional<unsigned> hip = whole_number(line.substr(0, bar));
    const std::string_view written = line.substr(bar + 1);
    const std::size_t open = written.find('"');
    const std::size_t close = written.rfind('"');
    if (!hip || open == std::string_view::npos || close <= open + 1) return;
    stars.push_back({*hip, std::string(written.substr(open + 1, close - open - 1)), std::nullopt});
  });
  return stars;
}

void place_stars(std::vector<NamedStar>& stars, std::string_view positions_text) {
  std::unordered_map<unsigned, Equatorial> positions;
  for_each_line(positions_text, [&](std::string_view line) {
    const std::size_t first = line.find(' ');
    const std::size_t second = line.find(' ', first + 1);
    if (second == std::string_view::npos) return;
    const std::optional<unsigned> hip = whole_number(line.substr(0, first));
    const std::optional<double> ra = number(line.substr(first + 1, second - first - 1));
    const std::optional<double> dec = number(line.substr(second + 1));
    if (hip && ra && dec && *ra >= 0 && *ra < 24 && *dec >= -90 && *dec <= 90)
      positions[*hip] = {*ra * kDegreesPerHour, *dec};
  });
  for (NamedStar& star : stars)
    if (auto found = positions.find(star.hip); found != positions.end()) star.position = found->second;
}

std::vector<Figure> read_figures(std::string_view lines_text, std::string_view names_text) {
  std::unordered_map<std::string, std::string> latin;
  for_each_line(names_text, [&](std::string_view line) {
    const std::size_t open = line.find("_(\"");
    const std::size_t close = line.rfind('"');
    if (open != std::string_view::npos && close > open + 3)
      latin[std::string(line.substr(0, line.find_first_of(" \t")))] = line.substr(open + 3, close - open - 3);
  });
  std::vector<Figure> figures;
  for_each_line(lines_text, [&](std::string_view line) {
    std::vector<std::string_view> words;
    for (std::size_t start = 0; start < line.size();) {
      const std::size_t end = std::min(line.find(' ', start), line.size());
      if (end > start) words.push_back(line.substr(start, end - start));
      start = end + 1;
    }
    const auto name = words.empty() ? latin.end() : latin.find(std::string(words[0]));
    const std::optional<unsigned> count = words.size() > 1 ? whole_number(words[1]) : std::nullopt;
    if (name == latin.end() || !count || words.size() != 2 + 2 * std::size_t{*count}) return;
    Figure figure{name->second, {}};
    for (std::size_t i = 2; i + 1 < words.size(); i += 2) {
      const std::optional<unsigned> from = whole_number(words[i]);
      const std::optional<unsigned> to = whole_number(words[i + 1]);
      if (!from || !to) return;
      figure.lines.emplace_back(*from, *to);
    }
    figures.push_back(std::move(figure));
  });
  return figures;
}

InstalledSky read_installed_sky(const std::wstring& install_folder) {
  InstalledSky sky{read_landscapes(install_folder), read_sky_cultures(install_folder), {}, {}};
  const std::wstring western = install_folder + L"skycultures\\western\\";
  if (std::optional<std::string> names = read_desktop_file(western + L"star_names.fab"))
    sky.stars = read_star_names(*names);
  if (std::optional<std::string> positions =
          read_desktop_file(install_folder + L"stars\\default\\star_positions.txt"))
    place_stars(sky.stars, *positions);
  std::optional<std::string> lines = read_desktop_file(western + L"constellationship.fab");
  std::optional<std::string> names = read_desktop_file(western + L"constellation_names.eng.fab");
  if (lines && names) sky.figures = read_figures(*lines, *names);
  return sky;
}

}  // namespace orvenna
