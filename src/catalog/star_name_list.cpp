#include "src/catalog/star_name_list.h"

#include "src/catalog/catalogue_file.h"
#include "src/link/planetarium_profile.h"
#include "src/util/text_trim.h"

namespace {

// A name is written _("Name"): three characters before it, two after it.
constexpr std::size_t NameOpening = 3;
constexpr std::size_t NameClosing = 2;

// The name ends at the closing quote, just before the first ")", or else two characters before
// the field's end.
std::wstring_view QuotedName(std::wstring_view field) {
  const std::size_t close = field.find(L')', 1);
  const std::size_t closing = close == std::wstring_view::npos ? NameClosing : field.size() - close + 1;
  if (field.size() <= NameOpening + closing) return {};
  return field.substr(NameOpening, field.size() - NameOpening - closing);
}

}  // namespace

std::optional<StarNameLine> ParseStarNameLine(std::wstring_view line) {
  if (line.empty() || line.front() == L'#') return std::nullopt;
  const std::size_t bar = line.find(L'|');
  if (bar == std::wstring_view::npos) return std::nullopt;
  std::wstring_view field = line.substr(bar + 1);
  field = StripWhiteSpace(field.substr(0, field.find(L'|')));
  const std::wstring_view name = QuotedName(field);
  if (name.empty()) return std::nullopt;
  return StarNameLine{std::wstring(StripWhiteSpace(line.substr(0, bar))), std::wstring(name)};
}

StarNameList ReadStarNameList(const std::wstring& installFolder) {
  StarNameList list;
  ScanTextFile(installFolder + std::wstring(PlanetariumProfile::StarNamesFile),
               [&](const std::wstring& line) {
                 if (std::optional<StarNameLine> star = ParseStarNameLine(line)) {
                   list.hips.push_back(std::move(star->hip));
                   list.names.push_back(std::move(star->name));
                 }
                 return false;
               });
  return list;
}
