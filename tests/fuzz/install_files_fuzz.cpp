// Feeds arbitrary bytes to the stand-in planetarium's readers of its install files, as five texts
// split at 0x1E: a landscape.ini, star_names.fab, star_positions.txt, constellationship.fab and
// constellation_names.eng.fab. A landscape read has a name of one line and a place of finite
// numbers; every named star has a number and a name of one line; every star placed stands on the
// sky (right ascension 0 to 360 degrees, declination -90 to 90); every figure is named by the
// names file; and the install read from the desktop's drive gives what the texts give.
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "peers/orvenna/installed_sky.h"
#include "platform/win/file_api.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr char kSeparator = '\x1E';
constexpr wchar_t kInstall[] = L"C:\\Fuzz\\install\\";
constexpr const wchar_t* kFolders[] = {L"C:\\Fuzz",
                                       L"C:\\Fuzz\\install",
                                       L"C:\\Fuzz\\install\\landscapes",
                                       L"C:\\Fuzz\\install\\landscapes\\field",
                                       L"C:\\Fuzz\\install\\skycultures",
                                       L"C:\\Fuzz\\install\\skycultures\\western",
                                       L"C:\\Fuzz\\install\\stars",
                                       L"C:\\Fuzz\\install\\stars\\default"};
constexpr const wchar_t* kFiles[] = {
    L"landscapes\\field\\landscape.ini", L"skycultures\\western\\star_names.fab",
    L"stars\\default\\star_positions.txt", L"skycultures\\western\\constellationship.fab",
    L"skycultures\\western\\constellation_names.eng.fab"};

std::vector<std::string_view> texts_of(const std::uint8_t* data, std::size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> texts;
  std::size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    const std::size_t end = all.find(kSeparator, start);
    if (end == std::string_view::npos) break;
    texts.push_back(all.substr(start, end - start));
    start = end + 1;
  }
  texts.push_back(all.substr(start));
  texts.resize(5);
  return texts;
}

bool one_line(const std::string& text) {
  return text.find('\n') == std::string::npos;
}

void check_landscape(const std::optional<orvenna::Landscape>& landscape) {
  if (!landscape) return;
  require(landscape->folder == "field" && !landscape->name.empty() && one_line(landscape->name));
  if (!landscape->location) return;
  const orvenna::ObserverLocation& where = *landscape->location;
  require(!where.planet.empty() && std::isfinite(where.longitude) && std::isfinite(where.latitude) &&
          std::isfinite(where.altitude));
}

void check_stars(const std::vector<orvenna::NamedStar>& stars) {
  for (const orvenna::NamedStar& star : stars) {
    require(!star.name.empty() && one_line(star.name));
    if (star.position)
      require(star.position->ra >= 0 && star.position->ra < 360 && star.position->dec >= -90 &&
              star.position->dec <= 90);
  }
}

bool same_stars(const std::vector<orvenna::NamedStar>& a, const std::vector<orvenna::NamedStar>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].hip != b[i].hip || a[i].name != b[i].name ||
        a[i].position.has_value() != b[i].position.has_value())
      return false;
    if (a[i].position && (a[i].position->ra != b[i].position->ra || a[i].position->dec != b[i].position->dec))
      return false;
  }
  return true;
}

void write_install(const std::vector<std::string_view>& texts) {
  for (const wchar_t* folder : kFolders)
    CreateDirectoryW(folder, nullptr);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::wstring path = std::wstring(kInstall) + kFiles[i];
    write_fuzz_file(kInstall, path, reinterpret_cast<const std::uint8_t*>(texts[i].data()), texts[i].size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_desktop();
  const std::vector<std::string_view> texts = texts_of(data, size);
  const std::optional<orvenna::Landscape> landscape = orvenna::read_landscape("field", texts[0]);
  check_landscape(landscape);
  std::vector<orvenna::NamedStar> stars = orvenna::read_star_names(texts[1]);
  orvenna::place_stars(stars, texts[2]);
  check_stars(stars);
  const std::vector<orvenna::Figure> figures = orvenna::read_figures(texts[3], texts[4]);
  for (const orvenna::Figure& figure : figures)
    require(!figure.name.empty() && texts[4].find(figure.name) != std::string_view::npos);

  write_install(texts);
  const orvenna::InstalledSky sky = orvenna::read_installed_sky(kInstall);
  require(same_stars(sky.stars, stars));
  require(sky.figures.size() == figures.size());
  require(sky.landscapes.size() == (landscape ? 1u : 0u));
  return 0;
}
