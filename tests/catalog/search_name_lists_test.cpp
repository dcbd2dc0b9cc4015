#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "peers/orvenna/install/installer.h"
#include "peers/orvenna/install/nebula_pictures.h"
#include "peers/orvenna/install/sky_culture_table.h"
#include "peers/orvenna/install/star_facts_table.h"
#include "peers/orvenna/install/star_name_table.h"
#include "src/catalog/constellation_name_rows.h"
#include "src/catalog/culture_constellation_names.h"
#include "src/catalog/search/search_name_lists.h"
#include "src/settings/ini_files.h"
#include "tests/platform/file_helpers.h"
#include "tests/settings/console_program.h"

namespace {

const std::vector<std::wstring> WesternArtWithoutPicture{L"puppis", L"carina", L"vela", L"serpens"};

class SearchNameListsTest : public ConsoleProgramTest {
 protected:
  void SetUp() override { ASSERT_TRUE(orvenna::install_orvenna(machine, {})); }
  std::wstring InstallFolder() { return orvenna::install_folder_of({}); }
  std::wstring UserFile(const wchar_t* name) { return orvenna::user_folder_of(machine) + L"\\" + name; }
  // The lists as the dialog builds them, after the [search] entries given.
  SearchNameLists Build(std::vector<std::pair<std::wstring, std::wstring>> entries = {}) {
    SearchNameLists lists;
    shown = RunAsConsole([&] {
      for (const auto& [key, value] : entries)
        WriteIniValue(ConsoleIniFile, L"search", key, value);
      lists = BuildSearchNameLists(InstallFolder());
    });
    return lists;
  }
  static std::size_t IndexOf(const std::vector<std::wstring>& list, const std::wstring& entry) {
    return static_cast<std::size_t>(std::find(list.begin(), list.end(), entry) - list.begin());
  }
  std::vector<ShownMessage> shown;
};

TEST_F(SearchNameListsTest, WesternListsFromTheInstalledFiles) {
  const SearchNameLists lists = Build();
  EXPECT_TRUE(lists.settings.westernCulture);
  EXPECT_EQ(lists.settings.cultureName, L"western");
  EXPECT_FALSE(lists.settings.useLatinNames);
  ASSERT_EQ(lists.constellations.rows().size(), WesternConstellationCount);
  EXPECT_EQ(lists.cultureNameCount, 0u);
  EXPECT_EQ(lists.constellations.rows()[0][0], L"Andromeda");
  ASSERT_GT(lists.artTitles.size(), WesternArtWithoutPicture.size());
  EXPECT_TRUE(std::equal(WesternArtWithoutPicture.begin(), WesternArtWithoutPicture.end(),
                         lists.artTitles.end() - 4));
  EXPECT_LT(IndexOf(lists.artTitles, L"canis-major"), lists.artTitles.size() - 4);
  EXPECT_TRUE(shown.empty());
}

TEST_F(SearchNameListsTest, StarNamesAndCatalogueRowsInFileOrder) {
  const SearchNameLists lists = Build();
  const auto named = orvenna::western_star_names();
  ASSERT_EQ(lists.stars.names.size(), named.size());  // the "#" heading line is skipped
  ASSERT_EQ(lists.stars.hips.size(), named.size());
  EXPECT_EQ(lists.stars.names.front(), std::wstring(named.front().name.begin(), named.front().name.end()));
  const std::size_t sirius = IndexOf(lists.stars.names, L"Sirius");
  ASSERT_LT(sirius, lists.stars.names.size());
  EXPECT_EQ(lists.stars.hips[sirius], L"32349");

  const auto catalogued = std::count_if(
      orvenna::star_facts().begin(), orvenna::star_facts().end(), [&](const orvenna::StarFactsEntry& star) {
        return std::any_of(named.begin(), named.end(),
                           [&](const auto& name) { return name.hip == star.hip; });
      });
  ASSERT_EQ(lists.starsCatRows.size(), static_cast<std::size_t>(catalogued));
  const auto row = std::find_if(lists.starsCatRows.begin(), lists.starsCatRows.end(),
                                [](const StarCatalogueRow& star) { return star.hip == L"32349"; });
  ASSERT_NE(row, lists.starsCatRows.end());
  EXPECT_EQ(row->constellation, L"Canis Major");
  EXPECT_EQ(row->name, L"Sirius");
}

TEST_F(SearchNameListsTest, TheFiftyTwoBodiesEndWithPlutosMoon) {
  const SearchNameLists lists = Build();
  ASSERT_EQ(lists.bodyNames.size(), 52u);
  EXPECT_EQ(lists.bodyNames.front(), L"Eris");
  EXPECT_EQ(lists.bodyNames.back(), L"Hydra");
  for (const wchar_t* missing : {L"Moon", L"Sun", L"Jupiter", L"Earth"})
    EXPECT_EQ(IndexOf(lists.bodyNames, missing), lists.bodyNames.size()) << missing;
}

TEST_F(SearchNameListsTest, NebulaKeysAreCutFromTheirTagsAndMatchTheirPictures) {
  const SearchNameLists lists = Build();
  // m32, m40 and m43 have no picture; m45 is appended for the Pleiades.
  ASSERT_EQ(lists.messier.keys.size(), 107u);
  EXPECT_EQ(lists.messier.keys[0], L"m1");
  EXPECT_EQ(lists.messier.keys[1], L"m10");
  EXPECT_EQ(lists.messier.keys[2], L"m100");
  EXPECT_EQ(lists.messierTitles.back(), L"m45");
  for (const wchar_t* key : {L"m1", L"m45", L"m104", L"m2"}) {
    const std::size_t index = IndexOf(lists.messier.keys, key);
    ASSERT_LT(index, lists.messier.keys.size()) << key;
    const int title = lists.messier.TitleOf(index);
    ASSERT_NE(title, NoPictureTitle) << key;
    EXPECT_EQ(CutPictureTitle(lists.messierTitles[title], MessierPictureTags.cutting), key);
  }
  EXPECT_EQ(lists.messierTitles[lists.messier.TitleOf(IndexOf(lists.messier.keys, L"m1"))], L"m1-hst");
  EXPECT_EQ(IndexOf(lists.messier.keys, L"m32"), lists.messier.keys.size());

  std::size_t ngcPictures = 0;
  for (const std::string& title : orvenna::nebula_picture_titles())
    ngcPictures += title[0] == 'n';
  ASSERT_EQ(lists.ngc.keys.size(), ngcPictures);
  EXPECT_EQ(lists.ngcTitles[lists.ngc.TitleOf(IndexOf(lists.ngc.keys, L"n2237"))], L"n2237-dss");
  EXPECT_LT(IndexOf(lists.ngc.keys, L"n224"), lists.ngc.keys.size());
  for (const std::wstring& key : lists.ngc.keys)
    EXPECT_EQ(key.find(L'-'), std::wstring::npos) << key;
}

TEST_F(SearchNameListsTest, AnotherCultureReadsItsOwnNames) {
  const orvenna::SkyCultureEntry& inuit = orvenna::other_sky_cultures().front();
  ASSERT_EQ(inuit.folder, "inuit");
  const SearchNameLists lists = Build({{L"SkyCulture", L"inuit"}});
  EXPECT_FALSE(lists.settings.westernCulture);
  EXPECT_EQ(lists.settings.cultureName, L"inuit");
  ASSERT_EQ(lists.cultureNameCount, inuit.constellations.size());
  ASSERT_EQ(lists.constellations.rows().size(), inuit.constellations.size());
  // "The Caribou" loses its article; "Polar Bear-Like" its dash.
  EXPECT_EQ(lists.constellations.rows()[0], ConstellationNameTable::Row(8, L"Caribou"));
  EXPECT_EQ(lists.constellations.rows()[6][0], L"Polar Bear Like");
  EXPECT_EQ(lists.artTitles.back(), lists.constellations.rows().back()[0]);
  EXPECT_EQ(IndexOf(lists.artTitles, L"puppis"), lists.artTitles.size());
  EXPECT_TRUE(shown.empty());
}

TEST_F(SearchNameListsTest, AnEmptySkyCultureIsWestern) {
  const SearchNameLists lists = Build({{L"SkyCulture", L""}});
  EXPECT_TRUE(lists.settings.westernCulture);
  EXPECT_EQ(lists.settings.cultureName, L"western");
  EXPECT_EQ(lists.constellations.rows().size(), WesternConstellationCount);
}

TEST_F(SearchNameListsTest, OwnLanguageSwitchesOnlyWithTrueOrOn) {
  struct Case {
    const wchar_t* value;
    bool latin;
  };
  for (const Case& entry : {Case{L"true", false}, Case{L"ON", false}, Case{L"yes", true}, Case{L"", true},
                            Case{L"false", true}}) {
    EXPECT_EQ(Build({{L"useYourOwnLanguage", entry.value}}).settings.useLatinNames, entry.latin)
        << entry.value;
  }
}

TEST_F(SearchNameListsTest, MissingFilesAreReportedOnceEachAndLeaveTheirListsEmpty) {
  ASSERT_TRUE(DeleteFileW((InstallFolder() + L"skycultures\\western\\star_names.fab").c_str()));
  ASSERT_TRUE(DeleteFileW(UserFile(L"stars_cat.csv").c_str()));
  ASSERT_TRUE(DeleteFileW((InstallFolder() + L"skycultures\\inuit\\constellation_names.eng.fab").c_str()));
  const SearchNameLists lists = Build({{L"SkyCulture", L"inuit"}});
  EXPECT_TRUE(lists.stars.names.empty());
  EXPECT_TRUE(lists.starsCatRows.empty());
  EXPECT_TRUE(lists.constellations.rows().empty());
  EXPECT_EQ(lists.cultureNameCount, 0u);
  EXPECT_EQ(lists.bodyNames.size(), 52u);
  EXPECT_FALSE(lists.messier.keys.empty());
  ASSERT_EQ(shown.size(), 3u);
  for (const wchar_t* file : {L"star_names.fab", L"stars_cat.csv", L"constellation_names.eng.fab"})
    EXPECT_EQ(
        std::count_if(shown.begin(), shown.end(),
                      [file](const ShownMessage& box) { return box.text.find(file) != std::wstring::npos; }),
        1)
        << file;
}

TEST_F(SearchNameListsTest, AShortStarCatalogueLineEndsTheRows) {
  ASSERT_TRUE(write_file(UserFile(L"stars_cat.csv").c_str(),
                         "heading\n"
                         "Lyra;91262;alf Lyr;130;Vega;18h;38d;7.68;25.0;0.0;V;0.03;0.58;A0V;note\n"
                         "Lyra;1;short\n"
                         "Orion;27989;alf Ori;6;Betelgeuse;5h;7d;152;497;1.8;V;0.5;-5.8;M1;note\n"));
  const SearchNameLists lists = Build();
  ASSERT_EQ(lists.starsCatRows.size(), 1u);
  EXPECT_EQ(lists.starsCatRows[0].constellation, L"Lyra");
  EXPECT_EQ(lists.starsCatRows[0].name, L"Vega");
  EXPECT_EQ(lists.starsCatRows[0].hip, L"91262");
}

TEST(StarNameLineTest, CutsStayInRange) {
  struct Case {
    const wchar_t* line;
    const wchar_t* hip;  // nullptr: no row
    const wchar_t* name;
  };
  const Case cases[] = {
      {L" 32349 |  _(\"Sirius\") ", L"32349", L"Sirius"},
      {L"7588|_(\"Achernar\")|extra", L"7588", L"Achernar"},
      {L"100|_(\"Alpha (A)\")", L"100", L"Alpha ("},
      {L"101|xx\"Plain\"yy", L"101", L"Plain\""},
      {L"#32349|_(\"Sirius\")", nullptr, nullptr},
      {L"102|_(\"\")", nullptr, nullptr},
      {L"103|_()", nullptr, nullptr},
      {L"104|ab", nullptr, nullptr},
      {L"105|", nullptr, nullptr},
      {L"no bar", nullptr, nullptr},
  };
  for (const Case& entry : cases) {
    const auto star = ParseStarNameLine(entry.line);
    if (entry.hip == nullptr) {
      EXPECT_FALSE(star) << entry.line;
      continue;
    }
    ASSERT_TRUE(star) << entry.line;
    EXPECT_EQ(star->hip, entry.hip);
    EXPECT_EQ(star->name, entry.name) << entry.line;
  }
}

TEST(CultureConstellationNameTest, TheEnglishNameBetweenTheMarks) {
  struct Case {
    const wchar_t* line;
    const wchar_t* name;  // nullptr: no row
  };
  const Case cases[] = {
      {L"and\t\"Andromeda\"\t_(\"the Chained Woman\")", L"Chained Woman"},
      {L"cbe\t\"Coma\"\t_(\"Hair of the Queen\")", L"Hair of the Queen"},
      {L"cen\t\"Centaur\"\t_(\"Centaur-and-the-Beast\")", L"Centaur and the Beast"},
      {L"two\t\"x\"\t_(\"First\")_(\"Second\")", L"First"},
      {L"ori\t\"Orion\"\t__(\"Hunter\")", L"Hunter"},
      {L"emp\t\"x\"\t_(\"\")", nullptr},
      {L"art\t\"x\"\t_(\"The \")", nullptr},
      {L"bad\t\"x\"\t_(", nullptr},
      {L"none\t\"x\"", nullptr},
  };
  for (const Case& entry : cases) {
    const auto name = CultureConstellationName(entry.line);
    if (entry.name == nullptr)
      EXPECT_FALSE(name) << entry.line;
    else
      EXPECT_EQ(name.value_or(L"<none>"), entry.name) << entry.line;
  }
}

TEST(PictureKeysTest, DuplicateKeysMergeAndTheLaterTitleShowsThem) {
  const std::vector<std::wstring> titles{L"m2", L"m1-hst", L"m1-dss", L"M10", L"m3-credits", L"m-hst"};
  const PictureKeys keys = BuildPictureKeys(titles, MessierPictureTags);
  EXPECT_EQ(keys.keys, (std::vector<std::wstring>{L"m", L"m1", L"M10", L"m2", L"m3-credits"}));
  ASSERT_EQ(keys.titleIndex.size(), 120u);
  EXPECT_EQ(keys.TitleOf(0), 5);
  EXPECT_EQ(keys.TitleOf(1), 2);
  EXPECT_EQ(keys.TitleOf(2), 3);
  EXPECT_EQ(keys.TitleOf(3), 0);
  EXPECT_EQ(keys.TitleOf(4), 4);
  EXPECT_EQ(keys.TitleOf(5), NoPictureTitle);
  EXPECT_EQ(keys.TitleOf(500), NoPictureTitle);
}

TEST(PictureKeysTest, KeysBeyondTheTableHaveNoPicture) {
  std::vector<std::wstring> titles;
  for (int number = 0; number < 130; ++number)
    titles.push_back(L"n" + std::to_wstring(1000 + number));
  const PictureKeys keys = BuildPictureKeys(titles, NgcPictureTags);
  ASSERT_EQ(keys.keys.size(), 130u);
  EXPECT_EQ(keys.titleIndex.size(), 100u);
  EXPECT_EQ(keys.TitleOf(99), 99);
  EXPECT_EQ(keys.TitleOf(100), NoPictureTitle);
}

}  // namespace
