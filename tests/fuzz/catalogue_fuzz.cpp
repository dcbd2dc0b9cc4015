// Feeds arbitrary bytes to the catalogue readers as stars_cat.csv, messier_cat.csv,
// solar_system.csv and star_names.fab at once. A record found has the key asked for and fields
// of one line; each information box keeps its lines, none longer than the fields it shows allow,
// so no number read from a file grows into hundreds of digits; every star name read is written
// back and read again as the same name.
#include <algorithm>
#include <string>
#include <string_view>

#include "platform/win/file_api.h"
#include "src/app/planets/find_object_info.h"
#include "src/app/planets/planet_information.h"
#include "src/catalog/catalogue_file.h"
#include "src/catalog/messier_catalogue.h"
#include "src/catalog/solar_system_catalogue.h"
#include "src/catalog/star_catalogue.h"
#include "src/catalog/star_name_list.h"
#include "src/link/planetarium_profile.h"
#include "src/util/compare_no_case.h"
#include "src/util/user_folder.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr wchar_t kInstallFolder[] = L"C:\\Fuzz\\";
constexpr int kStarHip = 32349;
// Labels and the formats' own text, in the longest language.
constexpr std::size_t kLabelRoom = 160;
constexpr std::size_t kPlanetLines = 9;
constexpr std::size_t kStarLines = 9;
constexpr std::size_t kMessierLines = 6;
// No distance beyond the observable universe is shown: twelve whole digits at most, and six
// decimals for a star's.
constexpr std::size_t kMostObjectDigits = 12;
constexpr std::size_t kMostStarDigits = 18;
constexpr std::size_t kStarLightYearsLine = 3;
constexpr std::size_t kMessierDistanceLine = 3;

void write_catalogues(const std::uint8_t* data, std::size_t size) {
  const std::wstring user = PlanetariumUserFolder();
  for (std::wstring_view name : {StarsCatCsv, MessierCatCsv, SolarSystemCsv})
    write_fuzz_file(user, PlanetariumUserFile(name), data, size);
  CreateDirectoryW(L"C:\\Fuzz", nullptr);
  CreateDirectoryW(L"C:\\Fuzz\\skycultures", nullptr);
  write_fuzz_file(L"C:\\Fuzz\\skycultures\\western",
                  std::wstring(kInstallFolder) + std::wstring(PlanetariumProfile::StarNamesFile), data, size);
}

// The first field of the first line, when it is plain ASCII: a key the file surely holds.
std::wstring first_key(const std::uint8_t* data, std::size_t size) {
  std::wstring key;
  for (std::size_t i = 0; i < size && data[i] != ';' && data[i] != '\n' && data[i] != '\r'; ++i) {
    if (data[i] == 0 || data[i] >= 0x80) return L"Mars";
    key += static_cast<wchar_t>(data[i]);
  }
  return key;
}

bool one_line(const std::wstring& field) {
  return field.find_first_of(L"\n;") == std::wstring::npos;
}

// Exactly that many lines, each ending in a line break and within the room of its fields.
void require_box(const std::wstring& text, std::size_t lines, std::size_t longest_field) {
  require(static_cast<std::size_t>(std::count(text.begin(), text.end(), L'\n')) == lines);
  require(!text.empty() && text.back() == L'\n');
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find(L'\n', start);
    require(end - start <= 2 * longest_field + kLabelRoom);
    start = end + 1;
  }
}

// The digits of the box's line that shows the distance in light years.
std::size_t digits_in_line(const std::wstring& text, std::size_t index) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < index; ++i)
    start = text.find(L'\n', start) + 1;
  const std::size_t end = text.find(L'\n', start);
  return static_cast<std::size_t>(std::count_if(text.begin() + static_cast<std::ptrdiff_t>(start),
                                                text.begin() + static_cast<std::ptrdiff_t>(end),
                                                [](wchar_t c) { return c >= L'0' && c <= L'9'; }));
}

void check_planet(const std::wstring& key) {
  SolarSystemBodyRecord body;
  if (!LookupSolarSystemBody(key, body)) return;
  std::size_t longest = 0;
  for (const std::wstring* field : {&body.meanDistanceKm, &body.diameterKm, &body.orbitalPeriod,
                                    &body.rotationPeriod, &body.meanTemperature, &body.surfaceGravity,
                                    &body.escapeVelocity, &body.massE24Kg, &body.diameterToEarth}) {
    require(one_line(*field));
    longest = std::max(longest, field->size());
  }
  for (bool sun : {false, true})
    require_box(PlanetInformation(body, sun, 0), kPlanetLines, longest);
}

void check_star(int hip, const std::wstring& name) {
  StarCatalogueRecord star;
  if (!LookupStarByHip(hip, star)) return;
  require(CompareTextNoCase(star.hip, std::to_wstring(hip)) == 0);
  std::size_t longest = name.size();
  for (const std::wstring* field : {&star.hip, &star.distancePc, &star.ra, &star.dec, &star.appMag,
                                    &star.absMag, &star.spectrum, &star.extra}) {
    require(one_line(*field));
    longest = std::max(longest, field->size());
  }
  const std::wstring box = StarInformation(name, star, 0);
  require_box(box, kStarLines, longest);
  require(digits_in_line(box, kStarLightYearsLine) <= kMostStarDigits);
}

void check_messier(const std::wstring& key) {
  MessierCatalogueRecord object;
  if (!LookupMessierObject(key, object)) return;
  std::size_t longest = 0;
  for (const std::wstring* field : {&object.ngcIc, &object.distanceLy, &object.constellation,
                                    &object.commonName, &object.magnitude, &object.objectType}) {
    require(one_line(*field));
    longest = std::max(longest, field->size());
  }
  const std::wstring box = MessierInformation(object, 0);
  require_box(box, kMessierLines, longest);
  require(digits_in_line(box, kMessierDistanceLine) <= kMostObjectDigits);
}

// A name without ")" goes back into its line form and comes out the same.
void check_star_names() {
  const StarNameList list = ReadStarNameList(kInstallFolder);
  require(list.names.size() == list.hips.size());
  for (std::size_t i = 0; i < list.names.size(); ++i) {
    require(!list.names[i].empty() && list.names[i].find_first_of(L"\n|") == std::wstring::npos);
    if (list.names[i].find(L')') != std::wstring::npos || list.hips[i].starts_with(L'#')) continue;
    const std::optional<StarNameLine> again =
        ParseStarNameLine(list.hips[i] + L"|_(\"" + list.names[i] + L"\")");
    require(again && again->hip == list.hips[i] && again->name == list.names[i]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_desktop();
  write_catalogues(data, size);
  const std::wstring key = first_key(data, size);
  check_planet(key);
  check_messier(key);
  check_messier(L"M31");
  check_star(kStarHip, key);
  const long hip = std::wcstol(key.c_str(), nullptr, 10);
  if (hip > 0 && hip < 1000000) check_star(static_cast<int>(hip), key);
  check_star_names();
  return 0;
}
