#include "src/catalog/star_name_lookup.h"

#include <algorithm>

#include "src/catalog/catalogue_file.h"
#include "src/link/planetarium_install.h"
#include "src/link/planetarium_profile.h"
#include "src/util/compare_no_case.h"
#include "src/util/text_trim.h"

namespace {

// A name is written _("Name"): three characters before it, two after it.
constexpr std::size_t NameOpening = 3;
constexpr std::size_t NameClosing = 2;

// The name of a "number|_("name")" line when its number is the one asked for.
bool NameOfLine(std::wstring_view line, std::wstring_view number, std::wstring& name) {
  const std::size_t bar = line.find(L'|');
  if (bar == std::wstring_view::npos || CompareTextNoCase(StripWhiteSpace(line.substr(0, bar)), number) != 0)
    return false;
  const std::wstring_view rest = line.substr(bar + 1);
  std::wstring_view quoted = StripWhiteSpace(rest.substr(0, rest.find(L'|')));
  quoted.remove_prefix(std::min(NameOpening, quoted.size()));
  quoted.remove_suffix(std::min(NameClosing, quoted.size()));
  name = quoted;
  return true;
}

}  // namespace

bool LookupStarNameByHip(unsigned hip, std::wstring& name) {
  std::wstring installFolder;
  // Without an install the finder has said so; there is no file to read.
  if (FindPlanetariumFolder(installFolder) == PlanetariumNotInstalled) return false;
  const std::wstring number = std::to_wstring(hip);
  std::wstring found;
  const ScanResult result =
      ScanTextFile(installFolder + std::wstring(PlanetariumProfile::StarNamesFile),
                   [&](const std::wstring& line) { return NameOfLine(line, number, found); });
  if (result == ScanResult::Unreadable) return false;
  name = found;
  return result == ScanResult::Found;
}
