#include "src/catalog/constellation_objects.h"

#include <algorithm>
#include <array>

#include "src/catalog/catalogue_file.h"
#include "src/link/planetarium_profile.h"
#include "src/util/compare_no_case.h"
#include "src/util/number_text.h"
#include "src/util/split_string.h"
#include "src/util/user_folder.h"

namespace {

constexpr std::size_t MessierFields = 8;
enum MessierField : std::size_t { Designation = 0, Constellation = 5 };
constexpr std::size_t MostDesignations = 40;
constexpr std::array<std::wstring_view, 3> NotListed{L"M40", L"M43", L"M32"};
constexpr std::size_t KeysSearched = 107;
constexpr std::size_t PageSize = CandidateSlots;
constexpr std::size_t ShownAgain = 6;
constexpr std::wstring_view PleiadesKey = L"m45";
constexpr wchar_t PleiadesPicture[] = L"pleiades";

bool IsNotListed(const std::wstring& designation) {
  return std::any_of(NotListed.begin(), NotListed.end(),
                     [&](std::wstring_view skipped) { return CompareTextNoCase(designation, skipped) == 0; });
}

std::wstring NebulaPicture(const std::wstring& title) {
  return std::wstring(PlanetariumProfile::NebulaPicturesFolder) + L"\\" + title + L".png";
}

Candidate DesignationCandidate(const SearchNameLists& lists, const std::wstring& designation) {
  Candidate candidate;
  candidate.label = UpperCaseKey(designation);
  candidate.key = designation;
  candidate.code = 0;
  const std::vector<std::wstring>& keys = lists.messier.keys;
  const std::size_t searched = std::min(KeysSearched, keys.size());
  const auto key =
      std::find_if(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(searched),
                   [&](const std::wstring& k) { return CompareTextNoCase(k, designation) == 0; });
  const bool hasKey = key != keys.begin() + static_cast<std::ptrdiff_t>(searched);
  if (hasKey) {
    candidate.code = static_cast<int>(key - keys.begin());
    candidate.key = *key;
  }
  if (CompareTextNoCase(designation, PleiadesKey) == 0) {
    candidate.picture = CandidatePicture::File;
    candidate.pictureFile = NebulaPicture(PleiadesPicture);
  } else if (const int title =
                 hasKey ? lists.messier.TitleOf(static_cast<std::size_t>(candidate.code)) : NoPictureTitle;
             title != NoPictureTitle) {
    candidate.picture = CandidatePicture::File;
    candidate.pictureFile = NebulaPicture(lists.messierTitles[static_cast<std::size_t>(title)]);
  }
  return candidate;
}

Candidate StarCandidate(const ConstellationStar& star) {
  Candidate candidate;
  candidate.code = StarCode;
  candidate.hip = star.hip;
  candidate.label = star.name;
  candidate.picture = CandidatePicture::Star;
  return candidate;
}

}  // namespace

std::optional<std::vector<std::wstring>> ConstellationDesignations(std::wstring_view constellation) {
  std::vector<std::wstring> designations;
  const ScanResult read = ScanTextFile(PlanetariumUserFile(MessierCatCsv), [&](const std::wstring& line) {
    std::vector<std::wstring> fields;
    SplitString(line, L";", fields);
    if (fields.size() < MessierFields) return true;
    if (CompareTextNoCase(fields[Constellation], constellation) == 0 && !IsNotListed(fields[Designation]) &&
        designations.size() < MostDesignations)
      designations.push_back(fields[Designation]);
    return false;
  });
  if (read == ScanResult::Unreadable) return std::nullopt;
  return designations;
}

std::vector<ConstellationStar> ConstellationStars(const std::vector<StarCatalogueRow>& rows,
                                                  std::wstring_view constellation) {
  std::vector<ConstellationStar> stars;
  for (const StarCatalogueRow& row : rows)
    if (CompareTextNoCase(row.constellation, constellation) == 0)
      stars.push_back({row.name, static_cast<int>(ReadLeadingInteger(row.hip))});
  return stars;
}

ObjectsPage PageOfObjects(const SearchNameLists& lists, const ConstellationObjects& objects, int page) {
  const std::size_t total = objects.size();
  std::size_t first = PageSize * static_cast<std::size_t>(std::max(page, 0));
  std::size_t shown = 0;
  if (first < total) {
    shown = std::min(PageSize, total - first);
  } else {
    first = 0;
    shown = std::min(ShownAgain, total);
  }
  ObjectsPage result;
  for (std::size_t p = first; p < first + shown; ++p)
    result.candidates.push_back(p < objects.designations.size()
                                    ? DesignationCandidate(lists, objects.designations[p])
                                    : StarCandidate(objects.stars[p - objects.designations.size()]));
  result.nextPage = shown < PageSize ? 0 : static_cast<int>(first / PageSize) + 1;
  return result;
}
