#include "src/catalog/search/search_candidates.h"

#include <algorithm>
#include <cwctype>

#include "src/catalog/accent_folding.h"
#include "src/link/planetarium_profile.h"
#include "src/util/compare_no_case.h"
#include "src/util/number_text.h"

namespace {

enum NameColumn : std::size_t { Latin = 0, English = 1, ChineseCharacters = 6, Transcription = 7 };
constexpr unsigned ChineseLanguage = 5;
constexpr wchar_t PleiadesPicture[] = L"pleiades";
constexpr wchar_t PleiadesKey[] = L"m45";
// Found by the name Orvenna selects them by.
constexpr wchar_t ArgoNavisKey[] = L"argonavis";
constexpr wchar_t HorologiumKey[] = L"horlogium";
// Figures drawn on another figure's picture.
constexpr wchar_t SerpensKey[] = L"serpens";
constexpr wchar_t SerpensPicture[] = L"ophiuchus";
constexpr wchar_t CentaurKey[] = L"centaur";
constexpr wchar_t CentaurPicture[] = L"CentaurAndThe-Beast-of-Prey";
// While the names are searched, before they are drawn.
constexpr int FoundStar = -1;
constexpr int FoundBody = -2;

bool BeginsWith(std::wstring_view name, std::wstring_view typed) {
  return CompareTextNoCase(name.substr(0, typed.size()), typed) == 0;
}

bool IsCatalogueSearch(std::wstring_view typed, wchar_t letter) {
  return typed.size() >= 2 && static_cast<wchar_t>(std::towupper(typed[0])) == letter &&
         std::iswdigit(typed[1]);
}

std::wstring PictureOf(const std::vector<std::wstring>& titles, const PictureKeys& keys, std::size_t key) {
  const int title = keys.TitleOf(key);
  if (title == NoPictureTitle) return {};
  const std::wstring& name = titles[static_cast<std::size_t>(title)];
  return name == PleiadesKey ? std::wstring(PleiadesPicture) : name;
}

CandidateSearch SearchCatalogue(const std::vector<std::wstring>& titles, const PictureKeys& keys,
                                std::wstring_view typed, int mode) {
  CandidateSearch search{mode, {}};
  for (std::size_t key = 0; key < keys.keys.size() && search.candidates.size() < CandidateSlots; ++key) {
    if (!BeginsWith(keys.keys[key], typed)) continue;
    Candidate candidate;
    candidate.code = static_cast<int>(key);
    candidate.key = keys.keys[key];
    candidate.label = UpperCaseKey(candidate.key);
    if (mode == NgcMode) {
      std::wstring label;
      for (wchar_t c : candidate.label)
        label += c == L'N' ? std::wstring(L"NGC ") : std::wstring(1, c);
      candidate.label = label;
    }
    if (std::wstring picture = PictureOf(titles, keys, key); !picture.empty()) {
      candidate.picture = CandidatePicture::File;
      candidate.pictureFile =
          std::wstring(PlanetariumProfile::NebulaPicturesFolder) + L"\\" + picture + L".png";
    }
    search.candidates.push_back(std::move(candidate));
  }
  return search;
}

std::size_t MatchedColumn(const SearchSettings& settings, unsigned language) {
  if (settings.useLatinNames) return Latin;
  return language < ChineseLanguage ? English + language : Transcription;
}

std::size_t ShownColumn(const SearchSettings& settings, unsigned language) {
  if (settings.useLatinNames) return Latin;
  return language < ChineseLanguage ? English + language : ChineseCharacters;
}

std::wstring WesternKey(const std::wstring& latin) {
  if (latin == L"Puppis" || latin == L"Vela" || latin == L"Carina") return ArgoNavisKey;
  if (latin == L"Horologium") return HorologiumKey;
  return latin;
}

// The key in lower case, blanks as dashes, without apostrophes and parentheses.
std::wstring ArtTitle(const std::wstring& key, bool western) {
  std::wstring title;
  for (wchar_t c : key) {
    if (c == L'\'' || c == L'(' || c == L')') continue;
    title += c == L' ' ? L'-' : static_cast<wchar_t>(std::towlower(c));
  }
  if (!western && title == CentaurKey) return CentaurPicture;
  if (title == SerpensKey) return SerpensPicture;
  return title;
}

void AddConstellations(const SearchNameLists& lists, std::wstring_view typed, unsigned language,
                       std::vector<Candidate>& found) {
  const SearchSettings& settings = lists.settings;
  const auto& rows = lists.constellations.rows();
  const std::size_t count =
      settings.westernCulture ? rows.size() : std::min(lists.cultureNameCount, rows.size());
  const std::size_t matched = settings.westernCulture ? MatchedColumn(settings, language) : English;
  const std::wstring culture = settings.westernCulture ? L"western" : settings.cultureName;
  for (std::size_t row = 0; row < count && found.size() < CandidateSlots; ++row) {
    const std::wstring& name = rows[row][matched];
    std::wstring prefix = name.substr(0, typed.size());
    if (settings.westernCulture) prefix = FoldAccents(prefix);
    if (CompareTextNoCase(prefix, typed) != 0) continue;
    Candidate candidate;
    candidate.code = static_cast<int>(row);
    const std::wstring key = settings.westernCulture ? WesternKey(rows[row][Latin]) : rows[row][Latin];
    candidate.picture = CandidatePicture::File;
    candidate.pictureFile = std::wstring(PlanetariumProfile::SkyCulturesFolder) + L"\\" + culture + L"\\" +
                            ArtTitle(key, settings.westernCulture) + L".png";
    candidate.label =
        settings.westernCulture ? rows[row][ShownColumn(settings, language)] : rows[row][English];
    candidate.labelWithoutPicture = rows[row][English];
    found.push_back(std::move(candidate));
  }
}

std::wstring StarLabel(const SearchNameLists& lists, std::size_t star) {
  std::wstring label = lists.stars.names[star];
  if (!lists.settings.westernCulture) return label;
  for (const StarCatalogueRow& row : lists.starsCatRows)
    if (CompareTextNoCase(row.hip, lists.stars.hips[star]) == 0) label += L" (" + row.constellation + L")";
  return label;
}

void AddStars(const SearchNameLists& lists, std::wstring_view typed, std::vector<Candidate>& found) {
  const std::size_t count = std::min(lists.stars.names.size(), lists.stars.hips.size());
  for (std::size_t star = 0; star < count && found.size() < CandidateSlots; ++star) {
    if (!BeginsWith(lists.stars.names[star], typed)) continue;
    Candidate candidate;
    candidate.code = FoundStar;
    candidate.hip = static_cast<int>(ReadLeadingInteger(lists.stars.hips[star]));
    candidate.label = StarLabel(lists, star);
    found.push_back(std::move(candidate));
  }
}

void AddBodies(const SearchNameLists& lists, std::wstring_view typed, std::vector<Candidate>& found) {
  for (const std::wstring& body : lists.bodyNames) {
    if (found.size() >= CandidateSlots) return;
    if (!BeginsWith(body, typed)) continue;
    Candidate candidate;
    candidate.code = FoundBody;
    candidate.label = body;
    found.push_back(std::move(candidate));
  }
}

// Stars and bodies get their fixed pictures and codes; no more slots than the culture has
// pictures are drawn.
void PrepareNamesForDrawing(const SearchNameLists& lists, std::vector<Candidate>& found) {
  if (found.size() > lists.artTitles.size()) found.resize(lists.artTitles.size());
  for (Candidate& candidate : found) {
    if (candidate.code == FoundStar) {
      candidate.code = StarCode;
      candidate.picture = CandidatePicture::Star;
    } else if (candidate.code == FoundBody) {
      candidate.code = BodyCode;
      candidate.picture = CandidatePicture::Body;
    }
  }
}

}  // namespace

std::wstring UpperCaseKey(std::wstring_view key) {
  std::wstring upper(key);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  return upper;
}

CandidateSearch SearchCandidates(const SearchNameLists& lists, std::wstring_view typed, unsigned language) {
  if (typed.empty()) return {};
  if (IsCatalogueSearch(typed, L'M'))
    return SearchCatalogue(lists.messierTitles, lists.messier, typed, MessierMode);
  if (IsCatalogueSearch(typed, L'N')) return SearchCatalogue(lists.ngcTitles, lists.ngc, typed, NgcMode);
  CandidateSearch search{NamesMode, {}};
  AddConstellations(lists, typed, language, search.candidates);
  AddStars(lists, typed, search.candidates);
  AddBodies(lists, typed, search.candidates);
  PrepareNamesForDrawing(lists, search.candidates);
  return search;
}
