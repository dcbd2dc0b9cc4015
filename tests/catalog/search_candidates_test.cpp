#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "peers/orvenna/install/installer.h"
#include "platform/win/win32.h"
#include "src/catalog/constellation_objects.h"
#include "src/catalog/search/messier_picker_pages.h"
#include "src/catalog/search/search_candidates.h"
#include "src/settings/ini_files.h"
#include "tests/platform/file_helpers.h"
#include "tests/settings/console_program.h"

namespace {

constexpr unsigned English = 0;
constexpr unsigned Italian = 1;
constexpr unsigned French = 2;
constexpr unsigned Spanish = 3;
constexpr unsigned Turkish = 4;
constexpr unsigned Chinese = 5;

class SearchCandidatesTest : public ConsoleProgramTest {
 protected:
  void SetUp() override { ASSERT_TRUE(orvenna::install_orvenna(machine, {})); }
  std::wstring InstallFolder() { return orvenna::install_folder_of({}); }
  SearchNameLists Build(std::vector<std::pair<std::wstring, std::wstring>> entries = {}) {
    SearchNameLists lists;
    shown = RunAsConsole([&] {
      for (const auto& [key, value] : entries)
        WriteIniValue(ConsoleIniFile, L"search", key, value);
      lists = BuildSearchNameLists(InstallFolder());
    });
    return lists;
  }
  std::vector<ShownMessage> shown;
};

std::vector<std::wstring> Labels(const CandidateSearch& search) {
  std::vector<std::wstring> labels;
  for (const Candidate& candidate : search.candidates)
    labels.push_back(candidate.label);
  return labels;
}

struct TypingCase {
  const wchar_t* typed;
  int mode;
  // The first labels, in slot order; exact when the search finds no more.
  std::vector<std::wstring> labels;
  bool exact;
};

void ExpectTyping(const SearchNameLists& lists, unsigned language, const std::vector<TypingCase>& cases) {
  for (const TypingCase& c : cases) {
    const CandidateSearch search = SearchCandidates(lists, c.typed, language);
    const std::vector<std::wstring> labels = Labels(search);
    EXPECT_EQ(search.mode, c.mode) << c.typed;
    EXPECT_LE(labels.size(), CandidateSlots) << c.typed;
    if (c.exact) {
      EXPECT_EQ(labels, c.labels) << c.typed;
    } else {
      ASSERT_GE(labels.size(), c.labels.size()) << c.typed;
      EXPECT_EQ(std::vector<std::wstring>(labels.begin(), labels.begin() + c.labels.size()), c.labels)
          << c.typed;
    }
  }
}

TEST_F(SearchCandidatesTest, EnglishNames) {
  ExpectTyping(
      Build(), English,
      {
          {L"M", NamesMode, {L"Male Water Snake", L"Microscope", L"Mariner's Compass", L"Maiden"}, false},
          {L"M3", MessierMode, {L"M3", L"M30", L"M31", L"M33", L"M34", L"M35", L"M36"}, true},
          {L"m10", MessierMode, {L"M10", L"M100", L"M101", L"M102", L"M103", L"M104", L"M105"}, true},
          {L"SIR", NamesMode, {L"Sirius (Canis Major)"}, true},
          {L"GREAT B", NamesMode, {L"Great Bear"}, true},
          {L"ORION", NamesMode, {}, true},
          {L"IO", NamesMode, {L"Io"}, true},
          {L"", NoCandidateMode, {}, true},
      });
}

TEST_F(SearchCandidatesTest, NamesInTheOtherLanguagesWithTheirAccentsFolded) {
  const SearchNameLists lists = Build();
  ExpectTyping(lists, Spanish, {{L"LIEB", NamesMode, {L"Liebre"}, true}});
  ExpectTyping(
      lists, Turkish,
      {{L"GUNEY", NamesMode, {L"Güney Tacı", L"Güneyhaçı", L"Güney Balığı", L"Güney Üçgeni"}, true}});
  ExpectTyping(lists, Italian, {{L"CANE M", NamesMode, {L"Cane Maggiore", L"Cane Minore"}, true}});
  ExpectTyping(lists, French, {{L"BELIER", NamesMode, {L"Bélier"}, true}});
  ExpectTyping(lists, Chinese, {{L"DAQUAN", NamesMode, {L"大犬座"}, true}});
}

TEST_F(SearchCandidatesTest, LatinNamesFindTheConstellationAndPlutosMoon) {
  ExpectTyping(Build({{L"useYourOwnLanguage", L"no"}}), English,
               {{L"HYDRA", NamesMode, {L"Hydra", L"Hydra"}, true}, {L"ORION", NamesMode, {L"Orion"}, true}});
}

TEST_F(SearchCandidatesTest, NgcKeysAreLabelledNgc) {
  const CandidateSearch search = SearchCandidates(Build(), L"N2", English);
  EXPECT_EQ(search.mode, NgcMode);
  ASSERT_FALSE(search.candidates.empty());
  for (const Candidate& candidate : search.candidates)
    EXPECT_EQ(candidate.label.substr(0, 5), L"NGC 2") << candidate.label;
}

TEST_F(SearchCandidatesTest, EachCandidateCarriesItsCodeAndPicture) {
  const SearchNameLists lists = Build();
  const Candidate star = SearchCandidates(lists, L"SIRIUS", English).candidates.at(0);
  EXPECT_EQ(star.code, StarCode);
  EXPECT_EQ(star.hip, 32349);
  EXPECT_EQ(star.picture, CandidatePicture::Star);
  const Candidate body = SearchCandidates(lists, L"IO", English).candidates.at(0);
  EXPECT_EQ(body.code, BodyCode);
  EXPECT_EQ(body.picture, CandidatePicture::Body);
  const Candidate dog = SearchCandidates(lists, L"GREAT D", English).candidates.at(0);
  EXPECT_EQ(dog.pictureFile, L"skycultures\\western\\canis-major.png");
  EXPECT_EQ(dog.labelWithoutPicture, L"Great Dog");
  const Candidate snake = SearchCandidates(lists, L"SERPENT", English).candidates.at(0);
  EXPECT_EQ(snake.pictureFile, L"skycultures\\western\\ophiuchus.png");
  const Candidate keel = SearchCandidates(lists, L"KEEL", English).candidates.at(0);
  EXPECT_EQ(keel.pictureFile, L"skycultures\\western\\argonavis.png");
  const Candidate m1 = SearchCandidates(lists, L"M1", English).candidates.at(0);
  EXPECT_EQ(m1.key, L"m1");
  EXPECT_EQ(m1.pictureFile, L"nebulae\\default\\m1-hst.png");
  const Candidate pleiades = SearchCandidates(lists, L"M45", English).candidates.at(0);
  EXPECT_EQ(pleiades.pictureFile, L"nebulae\\default\\pleiades.png");
}

TEST_F(SearchCandidatesTest, AnotherCultureMatchesItsOwnNamesAndLabelsStarsPlainly) {
  const SearchNameLists lists = Build({{L"SkyCulture", L"inuit"}});
  const CandidateSearch caribou = SearchCandidates(lists, L"CARIB", English);
  ASSERT_EQ(Labels(caribou), std::vector<std::wstring>{L"Caribou"});
  EXPECT_EQ(caribou.candidates[0].pictureFile, L"skycultures\\inuit\\caribou.png");
  EXPECT_EQ(Labels(SearchCandidates(lists, L"SIR", English)), std::vector<std::wstring>{L"Sirius"});
}

TEST_F(SearchCandidatesTest, ACultureOfMoreThan255NamesFindsItsLastOne) {
  std::string names;
  for (int name = 1; name <= 300; ++name)
    names += "c" + std::to_string(name) + "\t\"x\"\t_(\"Figure " + std::to_string(name) + "\")\n";
  shown = RunAsConsole([&] {
    ::CreateDirectoryW((InstallFolder() + L"skycultures\\many").c_str(), nullptr);
    ASSERT_TRUE(
        write_file((InstallFolder() + L"skycultures\\many\\constellation_names.eng.fab").c_str(), names));
  });
  const SearchNameLists lists = Build({{L"SkyCulture", L"many"}});
  ASSERT_EQ(lists.cultureNameCount, 300u);
  EXPECT_EQ(Labels(SearchCandidates(lists, L"FIGURE 300", English)),
            std::vector<std::wstring>{L"Figure 300"});
}

TEST(SearchCandidatesDrawingTest, NoMoreCandidatesThanTheCultureHasPictures) {
  SearchNameLists lists;
  lists.constellations.InitConstellationTable();
  lists.artTitles = {L"andromeda", L"antlia"};
  EXPECT_EQ(SearchCandidates(lists, L"M", English).candidates.size(), 2u);
}

TEST_F(SearchCandidatesTest, TheObjectsOfAConstellationComeMessierFirstWithTheirStarsNumbers) {
  const SearchNameLists lists = Build();
  std::optional<std::vector<std::wstring>> designations;
  shown = RunAsConsole([&] { designations = ConstellationDesignations(L"taurus"); });
  ASSERT_TRUE(designations);
  EXPECT_EQ(*designations, (std::vector<std::wstring>{L"M1", L"M45"}));
  const ConstellationObjects objects{*designations, ConstellationStars(lists.starsCatRows, L"Taurus")};
  ASSERT_EQ(objects.stars.size(), 1u);
  EXPECT_EQ(objects.stars[0].name, L"Aldebaran");
  const ObjectsPage page = PageOfObjects(lists, objects, 0);
  ASSERT_EQ(page.candidates.size(), 3u);
  EXPECT_EQ(page.candidates[0].label, L"M1");
  EXPECT_EQ(page.candidates[0].key, L"m1");
  EXPECT_EQ(page.candidates[0].pictureFile, L"nebulae\\default\\m1-hst.png");
  EXPECT_EQ(page.candidates[1].pictureFile, L"nebulae\\default\\pleiades.png");
  EXPECT_EQ(page.candidates[2].code, StarCode);
  EXPECT_EQ(page.candidates[2].label, L"Aldebaran");
  EXPECT_EQ(page.candidates[2].hip, 21421);
  EXPECT_EQ(page.nextPage, 0);
  shown = RunAsConsole([&] { designations = ConstellationDesignations(L"Andromeda"); });
  EXPECT_EQ(*designations, std::vector<std::wstring>{L"M31"});  // never M32
}

TEST(ConstellationObjectsPageTest, PagesOfSevenStartAgainAfterTheLast) {
  SearchNameLists lists;
  lists.messierTitles = {L"m1-hst"};
  lists.messier = BuildPictureKeys(lists.messierTitles, MessierPictureTags);
  struct PageCase {
    std::size_t stars;
    std::vector<std::pair<int, std::size_t>> pages;  // page asked, candidates shown
  };
  const PageCase cases[] = {
      {5, {{0, 7}, {1, 6}, {0, 7}}},           // seven: the page, then its first six, then again
      {12, {{0, 7}, {1, 7}, {2, 6}, {0, 7}}},  // fourteen: two full pages, the first six, the first
      {8, {{0, 7}, {1, 3}, {0, 7}}},           // ten: a partly filled page is followed by the first
  };
  for (const PageCase& c : cases) {
    ConstellationObjects objects{{L"M1", L"M2"}, {}};
    for (std::size_t star = 0; star < c.stars; ++star)
      objects.stars.push_back({L"Star" + std::to_wstring(star), static_cast<int>(star) + 100});
    int page = 0;
    for (const auto& [asked, shownCount] : c.pages) {
      EXPECT_EQ(page, asked) << c.stars;
      const ObjectsPage shown = PageOfObjects(lists, objects, page);
      EXPECT_EQ(shown.candidates.size(), shownCount) << c.stars;
      page = shown.nextPage;
    }
  }
  ConstellationObjects seven{{L"M1", L"M2"}, {{L"A", 1}, {L"B", 2}, {L"C", 3}, {L"D", 4}, {L"E", 5}}};
  EXPECT_EQ(PageOfObjects(lists, seven, 1).candidates.size(), 6u);
  const ObjectsPage mixed = PageOfObjects(lists, seven, 0);
  EXPECT_EQ(mixed.candidates[0].key, L"m1");
  EXPECT_EQ(mixed.candidates[0].pictureFile, L"nebulae\\default\\m1-hst.png");
  // Without a key of its own M2 keeps its designation and has no picture.
  EXPECT_EQ(mixed.candidates[1].key, L"M2");
  EXPECT_EQ(mixed.candidates[1].picture, CandidatePicture::None);
  EXPECT_EQ(mixed.candidates[2].hip, 1);
}

TEST_F(SearchCandidatesTest, ThePickersPagesAndItsSpecialObjects) {
  MessierPickerLists lists;
  RunAsConsole([&] { lists = BuildMessierPickerLists(InstallFolder()); });
  const auto first = MessierPickerPage(lists, 0);
  EXPECT_EQ(first[0].caption, L"M1, Taurus");
  EXPECT_EQ(first[0].picture, L"nebulae\\default\\m1-hst.png");
  EXPECT_EQ(first[4].caption, L"M5, Serpens Caput");
  const auto second = MessierPickerPage(lists, 1);
  EXPECT_EQ(second[1].caption, L"M32, Andromeda");
  EXPECT_EQ(second[1].picture, L"nebulae\\default\\m31.png");
  EXPECT_EQ(second[9].caption, L"M40, Ursa Major");
  EXPECT_EQ(second[9].picture, L"");
  EXPECT_EQ(second[9].object, 40);
  EXPECT_EQ(second[14].caption, L"M45, Taurus");
  EXPECT_EQ(second[14].picture, L"nebulae\\default\\pleiades.png");
  const auto last = MessierPickerPage(lists, 3);
  EXPECT_EQ(last[0].caption, L"M91, Coma Berenices");
  EXPECT_EQ(last[19].caption, L"M110, Andromeda");
  for (std::size_t slot = 20; slot < PickerSlots; ++slot) {
    EXPECT_EQ(last[slot].object, 0) << slot;
    EXPECT_EQ(last[slot].caption, L"") << slot;
  }
  EXPECT_EQ(CaptionDesignation(L"M31, Andromeda"), L"M31");
}

TEST(MessierPickerPageTest, M32SharesM31sThumbnailWhateverItsCreditTag) {
  for (const wchar_t* title : {L"m31", L"m31-hst", L"m31-dss"}) {
    MessierPickerLists lists;
    lists.titles = {L"m1", title};
    lists.keys = BuildPictureKeys(lists.titles, MessierPictureTags);
    const auto page = MessierPickerPage(lists, 1);
    EXPECT_EQ(page[1].caption, L"M32, Andromeda");
    EXPECT_EQ(page[1].picture, L"nebulae\\default\\" + std::wstring(title) + L".png");
  }
}

TEST(MessierPickerPageTest, ASlotWithoutItsKeyShowsNothing) {
  MessierPickerLists lists;
  lists.titles = {L"m1-hst", L"m3"};
  lists.keys = BuildPictureKeys(lists.titles, MessierPictureTags);
  const auto page = MessierPickerPage(lists, 0);
  EXPECT_EQ(page[0].caption, L"M1, Taurus");
  EXPECT_EQ(page[1].object, 0);
  EXPECT_EQ(page[1].caption, L"");
  // The walk takes one step for each key.
  EXPECT_EQ(page[2].object, 0);
}

}  // namespace
