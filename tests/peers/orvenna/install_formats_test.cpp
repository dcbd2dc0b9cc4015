// The installed files read back the way the console reads them. Each reader here is written
// from the console's rules, apart from the installer's code.
#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "peers/orvenna/sky_names.h"
#include "platform/desktop/image_file.h"
#include "platform/desktop/utf8.h"
#include "tests/peers/orvenna/install_fixture.h"

namespace {

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = std::min(text.find('\n', at), text.size());
    std::string line = text.substr(at, end - at);
    while (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines.push_back(line);
    at = end + 1;
  }
  return lines;
}

std::string trimmed(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string lower(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> fields;
  std::size_t at = 0;
  while (true) {
    std::size_t end = text.find(separator, at);
    fields.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
    if (end == std::string::npos) return fields;
    at = end + 1;
  }
}

// The star lookup: the number before the first "|", the name between it and the next, each
// trimmed, the name without "_(\"" and "\")".
std::optional<std::string> star_name_of(const std::string& file, unsigned hip) {
  for (const std::string& line : lines_of(file)) {
    std::vector<std::string> parts = split(line, '|');
    if (parts.size() < 2 || lower(trimmed(parts[0])) != std::to_string(hip)) continue;
    std::string name = trimmed(parts[1]);
    return name.size() < 5 ? std::string() : name.substr(3, name.size() - 5);
  }
  return std::nullopt;
}

// The search lists' reading: comment lines skipped, the name cut at its closing parenthesis.
std::vector<std::pair<std::string, std::string>> listed_stars(const std::string& file) {
  std::vector<std::pair<std::string, std::string>> stars;
  for (const std::string& line : lines_of(file)) {
    if (line.empty() || line[0] == '#') continue;
    std::size_t bar = line.find('|');
    std::string number = trimmed(line.substr(0, bar));
    std::string field = bar == std::string::npos ? std::string() : trimmed(line.substr(bar + 1));
    std::size_t close = field.find(')', 1);
    std::string name = close != std::string::npos && close >= 4 ? field.substr(3, close - 4)
                                                                : field.substr(3, field.size() - 5);
    stars.emplace_back(number, name);
  }
  return stars;
}

// A culture's names: the text after the first "_", its start trimmed, less two characters at
// each end, without a leading "the ", dashes as blanks; a line under four characters ends it.
std::vector<std::string> culture_names(const std::string& file) {
  std::vector<std::string> names;
  for (const std::string& line : lines_of(file)) {
    if (line.size() < 4) break;
    std::size_t start = line.find_first_not_of('_', line.find('_'));
    std::string token = line.substr(start, line.find('_', start) - start);
    token = token.substr(token.find_first_not_of(" \t"));
    std::string name = token.substr(2, token.size() - 4);
    if (lower(name.substr(0, 4)) == "the ") name = name.substr(4);
    std::replace(name.begin(), name.end(), '-', ' ');
    names.push_back(name);
  }
  return names;
}

// The search dialog's picture of a constellation key.
std::string picture_file_of(std::string key, bool western) {
  std::string file;
  for (char c : lower(key)) {
    if (c == '\'' || c == '(' || c == ')') continue;
    file += c == ' ' ? '-' : c;
  }
  if (!western && file == "centaur") file = "CentaurAndThe-Beast-of-Prey";
  if (file == "serpens") file = "ophiuchus";
  return file + ".png";
}

struct FoundPlace {
  std::string longitude;
  std::string latitude;
  int quadrant;
};

// The event editor's place lookup: field 0 without regard to case, fields 5 and 6 with their
// hemisphere letters.
std::optional<FoundPlace> place_of(const std::string& file, const std::string& name) {
  for (const std::string& line : lines_of(file)) {
    std::vector<std::string> fields = split(line, '\t');
    if (lower(fields[0]) != lower(name) || fields.size() <= 6) continue;
    std::string latitude = trimmed(fields[5]);
    std::string longitude = trimmed(fields[6]);
    int quadrant = 2 + (std::toupper(latitude.back()) != 'N' ? 1 : 0) + (longitude.back() != 'E' ? 2 : 0);
    return FoundPlace{longitude.substr(0, longitude.size() - 1), latitude.substr(0, latitude.size() - 1),
                      quadrant};
  }
  return std::nullopt;
}

using IniFile = std::map<std::string, std::map<std::string, std::string>>;

// The ini store's reading: names without regard to case, values exactly as written.
IniFile ini_of(const std::string& file) {
  IniFile ini;
  std::map<std::string, std::string>* section = nullptr;
  for (const std::string& raw : lines_of(file)) {
    std::string line = raw.substr(std::min(raw.size(), raw.find_first_not_of(" \t")));
    if (line.empty() || line[0] == '=') continue;
    if (line[0] == '[' && trimmed(line).back() == ']') {
      section = &ini[lower(trimmed(trimmed(line).substr(1, trimmed(line).size() - 2)))];
    } else if (section != nullptr) {
      std::size_t equals = line.find('=');
      (*section)[lower(trimmed(line.substr(0, equals)))] =
          equals == std::string::npos ? std::string() : line.substr(equals + 1);
    }
  }
  return ini;
}

std::vector<std::string> titles_of(const std::vector<std::wstring>& files) {
  std::vector<std::string> titles;
  for (const std::wstring& file : files)
    titles.push_back(desktop::to_utf8(file.substr(0, file.size() - 4)));
  return titles;
}

class InstalledFilesTest : public InstallTest {
 protected:
  void SetUp() override { install(); }

  std::string installed(const std::wstring& path) { return read_file((install_folder() + path).c_str()); }
  bool loads_as_picture(const std::wstring& path) {
    std::string bytes = read_file(path.c_str());
    auto load =
        desktop::load_image(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    return load && load.image->width > 0;
  }
};

TEST_F(InstalledFilesTest, StarNamesAreFoundByHipparcosNumber) {
  std::string file = installed(L"skycultures\\western\\star_names.fab");
  struct Star {
    unsigned hip;
    const char* name;
  };
  for (Star star :
       {Star{11767, "Polaris"}, Star{53910, "Merak"}, Star{54061, "Dubhe"}, Star{45556, "Aspidiske"},
        Star{30438, "Canopus"}, Star{32349, "Sirius"}, Star{107556, "Deneb Algedi"}})
    EXPECT_EQ(star_name_of(file, star.hip), star.name) << star.hip;
  EXPECT_EQ(star_name_of(file, 12200), std::nullopt);
}

TEST_F(InstalledFilesTest, TheSearchListsReadEveryStarTheSkyKnows) {
  auto stars = listed_stars(installed(L"skycultures\\western\\star_names.fab"));
  ASSERT_GT(stars.size(), 100u);
  for (const auto& [number, name] : stars) {
    EXPECT_FALSE(number.empty() || number.find_first_not_of("0123456789") != std::string::npos) << number;
    EXPECT_FALSE(name.empty() || name.find_first_of("\"()_") != std::string::npos) << name;
  }
  for (std::string_view sky_star : orvenna::star_names())
    EXPECT_TRUE(std::ranges::any_of(stars, [&](const auto& star) { return star.second == sky_star; }))
        << sky_star;
}

TEST_F(InstalledFilesTest, EveryWesternConstellationHasArtworkByBothReadings) {
  std::vector<std::string> art =
      titles_of(found_names(install_folder() + L"skycultures\\western\\*.png", false));
  for (const char* added : {"puppis", "serpens", "carina", "vela", "horologium"})
    art.emplace_back(added);
  for (std::string& title : art) {
    std::replace(title.begin(), title.end(), '-', ' ');
    if (lower(title) == "hydra") title = "Hya";
  }
  std::vector<std::string> names(orvenna::constellation_names().begin(),
                                 orvenna::constellation_names().end());
  names.emplace_back("Argonavis");
  for (const std::string& name : names) {
    EXPECT_TRUE(std::ranges::any_of(art, [&](const std::string& title) {
      return lower(title) == lower(name);
    })) << name;
    std::string key = name == "Hya" ? "Hydra" : name;
    if (key == "Puppis" || key == "Vela" || key == "Carina") key = "argonavis";
    if (key == "Horologium") key = "horlogium";
    std::wstring picture =
        install_folder() + L"skycultures\\western\\" + desktop::from_utf8(picture_file_of(key, true));
    EXPECT_TRUE(loads_as_picture(picture)) << key;
  }
}

TEST_F(InstalledFilesTest, AnotherCulturesNamesAndTheirPictures) {
  std::vector<std::wstring> cultures = found_names(install_folder() + L"skycultures\\*", true);
  ASSERT_TRUE(std::ranges::find(cultures, L"western") != cultures.end());
  ASSERT_TRUE(std::ranges::find(cultures, L"inuit") != cultures.end());
  std::vector<std::string> names =
      culture_names(installed(L"skycultures\\inuit\\constellation_names.eng.fab"));
  for (const char* expected : {"Caribou", "Runners", "Polar Bear Like", "Dawn Sign"})
    EXPECT_TRUE(std::ranges::find(names, expected) != names.end()) << expected;
  for (const std::string& name : names)
    EXPECT_TRUE(loads_as_picture(install_folder() + L"skycultures\\inuit\\" +
                                 desktop::from_utf8(picture_file_of(name, false))))
        << name;
  EXPECT_EQ(culture_names(installed(L"skycultures\\western\\constellation_names.eng.fab")).size(), 88u);
}

// The Messier picker: titles cut at a credit tag into sorted keys, then one picture per object.
TEST_F(InstalledFilesTest, EveryMessierObjectButTwoHasAThumbnail) {
  const std::vector<std::string> tags = {"-hst", "-dss"};
  std::wstring folder = install_folder() + L"nebulae\\default\\";
  std::vector<std::string> titles = titles_of(found_names(folder + L"m*.png", false));
  titles.emplace_back("m45");
  auto key_of = [&](const std::string& title) {
    for (const std::string& tag : tags)
      if (std::size_t at = title.find(tag); at != std::string::npos && at >= 1) return title.substr(0, at);
    return title;
  };
  std::map<std::string, std::string> picture_of_key;
  for (const std::string& title : titles)
    picture_of_key[lower(key_of(title))] = title;
  for (int number = 1; number <= 110; ++number) {
    if (number == 40 || number == 43) continue;
    std::string key = "m" + std::to_string(number);
    std::string picture = number == 45 ? "pleiades" : number == 32 ? "m31" : picture_of_key[key];
    EXPECT_TRUE(loads_as_picture(folder + desktop::from_utf8(picture) + L".png")) << key;
  }
  for (const std::string& title : titles_of(found_names(folder + L"n*.png", false))) {
    std::string key = key_of(title);
    EXPECT_EQ(key.find_first_not_of("0123456789", 1), std::string::npos) << title;
    EXPECT_TRUE(loads_as_picture(folder + desktop::from_utf8(title) + L".png")) << title;
  }
}

TEST_F(InstalledFilesTest, LandscapesAreFoldersUnderTheConsolesLimit) {
  std::vector<std::wstring> folders = found_names(install_folder() + L"landscapes\\*", true);
  EXPECT_GE(folders.size(), 24u);
  EXPECT_LE(folders.size(), 50u);
  for (const wchar_t* required :
       {L"guereins", L"moon", L"mars", L"jupiter", L"saturn", L"uranus", L"neptune", L"ocean"}) {
    ASSERT_TRUE(std::ranges::find(folders, required) != folders.end()) << required;
    IniFile ini = ini_of(installed(L"landscapes\\" + std::wstring(required) + L"\\landscape.ini"));
    std::string name = ini["landscape"]["name"];
    EXPECT_EQ(lower(name), desktop::to_utf8(required));
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(name[0]))) << name;
  }
}

TEST_F(InstalledFilesTest, PlacesAreFoundWithTheirHemispheres) {
  std::string file = read_file((user_folder() + L"base_locations.txt").c_str());
  ASSERT_FALSE(file.starts_with("\xFF\xFE"));
  struct Place {
    const char* name;
    const char* longitude;
    const char* latitude;
    int quadrant;
  };
  for (Place place :
       {Place{"Rome", "12.4964", "41.9028", 2}, Place{"new york", "74.0060", "40.7128", 4},
        Place{"Sydney", "151.2093", "33.8688", 3}, Place{"Buenos Aires", "58.3816", "34.6037", 5},
        Place{"São Paulo", "46.6333", "23.5505", 5}}) {
    std::optional<FoundPlace> found = place_of(file, place.name);
    ASSERT_TRUE(found) << place.name;
    EXPECT_EQ(found->longitude, place.longitude) << place.name;
    EXPECT_EQ(found->latitude, place.latitude) << place.name;
    EXPECT_EQ(found->quadrant, place.quadrant) << place.name;
  }
  for (const char* home : {"Washington", "Rome", "Paris", "Madrid", "Ankara", "Beijing"})
    EXPECT_TRUE(place_of(file, home)) << home;
  EXPECT_FALSE(place_of(file, "Atlantis"));
}

TEST_F(InstalledFilesTest, ConfigIniHoldsTheSectionsTheConsoleReadsAndRewrites) {
  IniFile ini = ini_of(read_file((user_folder() + L"config.ini").c_str()));
  for (const char* section :
       {"shortcuts", "navigation", "localization", "landscape", "plugins_load_at_startup"})
    EXPECT_TRUE(ini.contains(section)) << section;
  EXPECT_EQ(ini["navigation"]["init_fov"], "60");
  for (const char* key : {"actionstop_script", "actionpause_script", "actionresume_script"})
    EXPECT_EQ(ini["shortcuts"].count(key), 1u) << key;
  EXPECT_EQ(lower(trimmed(ini["plugins_load_at_startup"]["meteorshowers"])), "true");
  EXPECT_EQ(lower(trimmed(ini["plugins_load_at_startup"]["satellites"])), "true");
  EXPECT_TRUE(ini["landscape"].contains("flag_fog"));
}

}  // namespace
