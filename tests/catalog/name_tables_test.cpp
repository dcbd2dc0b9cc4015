#include <gtest/gtest.h>

#include <set>

#include "src/catalog/constellation_list.h"
#include "src/catalog/constellation_name_rows.h"
#include "src/catalog/constellation_name_table.h"
#include "src/catalog/solar_system_names.h"

namespace {

struct ConstellationCase {
  std::size_t row;
  ConstellationNameRow names;
};

TEST(ConstellationNameRowsTest, TellingRowsReadAsTheSearchMatchesThem) {
  // clang-format off
  for (const ConstellationCase& c : {
           ConstellationCase{0, {L"Andromeda", L"Chained Maiden", L"Andromeda", L"Andromède", L"Andromeda", L"Andromeda", L"仙女座", L"Xiannv"}},
           ConstellationCase{8, {L"Bootes", L"Herdsman", L"Boote", L"Bouvier", L"Boyero", L"Çoban", L"牧夫座", L"Mufu"}},
           ConstellationCase{13, {L"Canis Major", L"Great Dog", L"Cane Maggiore", L"Grand chien", L"Can Mayor", L"Büyük Köpek", L"大犬座", L"Daquan"}},
           ConstellationCase{24, {L"Coma Berenices", L"Berenice's Hair", L"Chioma di Berenice", L"Chevelure de Bérénice", L"Cabellera de Berenice", L"Berenis'in Saçı", L"后发座", L"Houfa"}},
           ConstellationCase{29, {L"Crux", L"Southern Cross", L"Croce del Sud", L"Croix", L"Cruz", L"Güneyhaçı", L"南十字座", L"Nanshizi"}},
           ConstellationCase{41, {L"Hydra", L"Female Water Snake", L"Idra", L"Hydre", L"Hidra", L"Suyılanı", L"长蛇座", L"Changshe"}},
           ConstellationCase{42, {L"Hydrus", L"Male Water Snake", L"Idra Maschio", L"Hydre Male", L"Hidra macho", L"Küçük Suyılanı", L"水蛇座", L"Shuishe"}},
           ConstellationCase{58, {L"Ophiuchus", L"Serpent Bearer", L"Ofiuco", L"Ophiuchus", L"Ofiuco", L"Yılancı", L"蛇夫座", L"Shefu"}},
           ConstellationCase{82, {L"Ursa Major", L"Great Bear", L"Orsa Maggiore", L"Grande Ourse", L"Osa Mayor", L"Büyük Ayı", L"大熊座", L"Daxiong"}},
           ConstellationCase{88, {L"Argonavis", L"Argonavis", L"Argonavis", L"Argonavis", L"Argonavis", L"Argo Navis", L"Argonavis", L"Nanchuan"}},
       })
    EXPECT_EQ(WesternConstellationRows[c.row], c.names) << "row " << c.row;
  // clang-format on
}

TEST(ConstellationNameRowsTest, EveryRowHasEightNamesAndItsOwnLatinName) {
  std::set<std::wstring_view> latin;
  for (const ConstellationNameRow& row : WesternConstellationRows) {
    for (std::wstring_view name : row)
      EXPECT_FALSE(name.empty()) << std::wstring(row[0]);
    EXPECT_TRUE(latin.insert(row[0]).second);
  }
}

TEST(ConstellationNameTableTest, TheWesternCultureGivesItsRowsAndAnEntryIsAppendedWhole) {
  ConstellationNameTable table;
  table.InitConstellationTable();
  ASSERT_EQ(table.rows().size(), WesternConstellationCount);
  EXPECT_EQ(table.rows()[41][0], L"Hydra");
  EXPECT_EQ(table.rows()[41][7], L"Changshe");
  table.AddConstellationEntry(L"Ursa", L"Bear", L"Orsa", L"Ourse", L"Osa", L"Ayı", L"熊", L"Xiong");
  ASSERT_EQ(table.rows().size(), WesternConstellationCount + 1);
  EXPECT_EQ(table.rows().back(), (ConstellationNameTable::Row{L"Ursa", L"Bear", L"Orsa", L"Ourse", L"Osa",
                                                              L"Ayı", L"熊", L"Xiong"}));
}

TEST(ConstellationListTest, FollowsTheRowsWithHydraByItsAbbreviationAndClearsTheFlags) {
  ConstellationList list;
  list.isolated.fill(1);
  list.Fill();
  for (std::size_t i = 0; i < WesternConstellationCount; ++i) {
    EXPECT_EQ(list.names[i], i == 41 ? L"Hya" : WesternConstellationRows[i][0]) << i;
    EXPECT_EQ(list.isolated[i], 0) << i;
  }
}

TEST(ConstellationListTest, FindsTheFirstEntryWithoutRegardToCase) {
  ConstellationList list;
  list.Fill();
  struct Case {
    const wchar_t* name;
    std::uint8_t index;
  };
  for (const Case& c :
       {Case{L"Hya", 41}, Case{L"hYA", 41}, Case{L"Hydra", NoConstellation}, Case{L"argonavis", 88},
        Case{L"Andromeda", 0}, Case{L"VULPECULA", 87}, Case{L"Canis Major", 13},
        Case{L"Canis", NoConstellation}, Case{L"", NoConstellation}})
    EXPECT_EQ(list.FindIndex(c.name), c.index) << c.name;
}

struct BodyCase {
  std::size_t index;
  SolarSystemNameRow names;
};

TEST(SolarSystemNamesTest, TellingRowsInTheSixLanguages) {
  // clang-format off
  for (const BodyCase& c : {
           BodyCase{1, {L"Charon", L"Caronte", L"Charon", L"Caronte", L"Kharon", L"冥卫一"}},
           BodyCase{2, {L"Pluto", L"Plutone", L"Pluton", L"Plutón", L"Plüton", L"冥王星"}},
           BodyCase{10, {L"Neptune", L"Nettuno", L"Neptune", L"Neptuno", L"Neptün", L"海王星"}},
           BodyCase{14, {L"Triton", L"Tritone", L"Triton", L"Tritón", L"Triton", L"海卫一"}},
           BodyCase{19, {L"Uranus", L"Urano", L"Uranus", L"Urano", L"Uranüs", L"天王星"}},
           BodyCase{26, {L"Titan", L"Titano", L"Titan", L"Titán", L"Titan", L"土衛六"}},
           BodyCase{28, {L"Saturn", L"Saturno", L"Saturne", L"Saturno", L"Satürn", L"土星"}},
           BodyCase{38, {L"Jupiter", L"Giove", L"Jupiter", L"Júpiter", L"Jüpiter", L"木星"}},
           BodyCase{39, {L"Io", L"Io", L"Io", L"Ío", L"Io", L"木卫一"}},
           BodyCase{42, {L"Ganymede", L"Ganimede", L"Ganymède", L"Ganimedes", L"Ganymede", L"蓋尼米德"}},
           BodyCase{50, {L"Juno", L"Giunone", L"Junon", L"Juno", L"Juno", L"婚神星"}},
           BodyCase{52, {L"Ceres", L"Cerere", L"Cérès", L"Ceres", L"Ceres", L"穀神星"}},
           BodyCase{54, {L"Mars", L"Marte", L"Mars", L"Marte", L"Mars", L"火星"}},
           BodyCase{56, {L"Venus", L"Venere", L"Vénus", L"Venus", L"Venüs", L"金星"}},
           BodyCase{58, {L"Sun", L"Sole", L"Soleil", L"Sol", L"Güneş", L"太阳"}},
           BodyCase{59, {L"Mercury", L"Mercurio", L"Mercure", L"Mercurio", L"Merkür", L"水星"}},
           BodyCase{60, {L"Moon", L"Luna", L"Lune", L"Luna", L"Ay", L"月球"}},
           BodyCase{61, {L"Earth", L"Terra", L"Terre", L"Tierra", L"Dünya", L"地球"}},
       })
    EXPECT_EQ(SolarSystemNameTable[c.index], c.names) << "body " << c.index;
  // clang-format on
}

TEST(SolarSystemNamesTest, TheEnglishListInOrderWithEveryRowFull) {
  const std::vector<std::wstring> english = SolarSystemEnglishNames();
  ASSERT_EQ(english.size(), SolarSystemBodyCount);
  EXPECT_EQ(english.front(), L"Eris");
  EXPECT_EQ(english[23], L"C/2006 P1 (McNaught)");
  EXPECT_EQ(english.back(), L"Earth");
  std::set<std::wstring_view> seen;
  for (std::size_t i = 0; i < SolarSystemBodyCount; ++i) {
    EXPECT_EQ(english[i], SolarSystemNameTable[i][0]);
    EXPECT_TRUE(seen.insert(SolarSystemNameTable[i][0]).second) << i;
    for (std::wstring_view name : SolarSystemNameTable[i])
      EXPECT_FALSE(name.empty()) << "body " << i;
  }
  for (std::wstring_view name : SolarSystemNameTable[23])
    EXPECT_EQ(name, english[23]);
}

TEST(SolarSystemNamesTest, ABodyByIndexAndLanguage) {
  EXPECT_EQ(SolarSystemBodyName(60, 2), L"Lune");
  EXPECT_EQ(SolarSystemBodyName(60, 0), L"Moon");
  EXPECT_EQ(SolarSystemBodyName(0, 5), L"阋神星");
  EXPECT_EQ(SolarSystemBodyName(62, 0), L"");
  EXPECT_EQ(SolarSystemBodyName(62, 3), L"");
  EXPECT_EQ(SolarSystemBodyName(61, 6), L"Earth");
}

}  // namespace
