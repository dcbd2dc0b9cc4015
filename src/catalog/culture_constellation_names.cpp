#include "src/catalog/culture_constellation_names.h"

#include <algorithm>

#include "src/catalog/catalogue_file.h"
#include "src/link/planetarium_profile.h"
#include "src/util/compare_no_case.h"
#include "src/util/text_trim.h"

namespace {

constexpr std::wstring_view NamesFile = L"constellation_names.eng.fab";
constexpr std::size_t ShortestNameLine = 4;
// ("Name") around the English name.
constexpr std::size_t NameOpening = 2;
constexpr std::size_t NameClosing = 2;
constexpr std::wstring_view Article = L"the ";

}  // namespace

std::optional<std::wstring> CultureConstellationName(std::wstring_view line) {
  const std::size_t mark = line.find(L'_');
  if (mark == std::wstring_view::npos) return std::nullopt;
  // Like a tokeniser, the marks right after the first are skipped: "__(" opens a name too.
  std::wstring_view token = line.substr(std::min(line.find_first_not_of(L'_', mark), line.size()));
  token = StripWhiteSpace(token.substr(0, token.find(L'_')));
  if (token.size() <= NameOpening + NameClosing) return std::nullopt;
  token = token.substr(NameOpening, token.size() - NameOpening - NameClosing);
  if (token.size() >= Article.size() && CompareTextNoCase(token.substr(0, Article.size()), Article) == 0)
    token.remove_prefix(Article.size());
  if (token.empty()) return std::nullopt;
  std::wstring name(token);
  std::replace(name.begin(), name.end(), L'-', L' ');
  return name;
}

std::size_t LoadCultureConstellationNames(const std::wstring& installFolder, const std::wstring& culture,
                                          ConstellationNameTable& table,
                                          std::vector<std::wstring>& artTitles) {
  const std::wstring path = installFolder + std::wstring(PlanetariumProfile::SkyCulturesFolder) + L"\\" +
                            culture + L"\\" + std::wstring(NamesFile);
  std::size_t added = 0;
  ScanTextFile(path, [&](const std::wstring& line) {
    if (line.size() < ShortestNameLine) return true;
    if (std::optional<std::wstring> name = CultureConstellationName(line)) {
      table.AddConstellationEntry(*name, *name, *name, *name, *name, *name, *name, *name);
      artTitles.push_back(*name);
      ++added;
    }
    return false;
  });
  return added;
}
