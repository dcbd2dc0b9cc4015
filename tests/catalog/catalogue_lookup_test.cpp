#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "peers/orvenna/install/installer.h"
#include "peers/orvenna/install/star_facts_table.h"
#include "peers/orvenna/install/star_name_table.h"
#include "src/catalog/messier_catalogue.h"
#include "src/catalog/solar_system_catalogue.h"
#include "src/catalog/star_catalogue.h"
#include "src/catalog/star_name_lookup.h"
#include "tests/platform/file_helpers.h"
#include "tests/settings/console_program.h"

namespace {

class CatalogueLookupTest : public ConsoleProgramTest {
 protected:
  void SetUp() override {
    orvenna::InstallSettings settings;
    settings.pictures = false;
    ASSERT_TRUE(orvenna::install_orvenna(machine, settings));
  }
  std::wstring UserFile(const wchar_t* name) { return orvenna::user_folder_of(machine) + L"\\" + name; }
  std::wstring StarNamesFile() {
    return orvenna::install_folder_of({}) + L"skycultures\\western\\star_names.fab";
  }
  void Replace(const std::wstring& path, const std::string& bytes) {
    ASSERT_TRUE(write_file(path.c_str(), bytes));
  }
};

TEST_F(CatalogueLookupTest, InstalledStarNamesByHipparcosNumber) {
  std::wstring sirius, polaris, unknown = L"kept";
  bool found = false, missing = true;
  const auto shown = RunAsConsole([&] {
    found = LookupStarNameByHip(32349, sirius) && LookupStarNameByHip(11767, polaris);
    missing = LookupStarNameByHip(4294967295u, unknown);
  });
  EXPECT_TRUE(found);
  EXPECT_EQ(sirius, L"Sirius");
  EXPECT_EQ(polaris, L"Polaris");
  EXPECT_FALSE(missing);
  EXPECT_EQ(unknown, L"");
  EXPECT_TRUE(shown.empty());
}

TEST_F(CatalogueLookupTest, StarNameLinesAreTrimmedAndCommentsMatchNothing) {
  Replace(StarNamesFile(),
          "# 7588|_(\"Commented\")\n"
          "  7588 \t|  _(\"Achernar\")  | extra\r\n"
          "  91262|_(\"Vega\")\n");
  std::wstring achernar, vega;
  RunAsConsole([&] {
    LookupStarNameByHip(7588, achernar);
    LookupStarNameByHip(91262, vega);
  });
  EXPECT_EQ(achernar, L"Achernar");
  EXPECT_EQ(vega, L"Vega");
}

TEST_F(CatalogueLookupTest, AMissingStarNamesFileIsReportedAndLeavesTheNameAlone) {
  ASSERT_TRUE(DeleteFileW(StarNamesFile().c_str()));
  std::wstring name = L"kept";
  bool found = true;
  const auto shown = RunAsConsole([&] { found = LookupStarNameByHip(32349, name); });
  EXPECT_FALSE(found);
  EXPECT_EQ(name, L"kept");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].text.find(L"star_names.fab"), std::wstring::npos);
}

TEST_F(CatalogueLookupTest, InstalledStarCatalogue) {
  StarCatalogueRecord sirius;
  bool found = false, missing = true;
  RunAsConsole([&] {
    found = LookupStarByHip(32349, sirius);
    StarCatalogueRecord none;
    missing = LookupStarByHip(1, none);
  });
  ASSERT_TRUE(found);
  EXPECT_FALSE(missing);
  EXPECT_EQ(sirius.hip, L"32349");
  EXPECT_EQ(sirius.distancePc, L"2.64");
  EXPECT_DOUBLE_EQ(sirius.distanceLy, 8.6107122816);
  EXPECT_EQ(sirius.ra, L"06h 45m 09s");
  EXPECT_EQ(sirius.dec, L"-16\u00b0 43'");
  EXPECT_EQ(sirius.appMag, L"-1.46");
  EXPECT_EQ(sirius.absMag, L"1.42");
  EXPECT_EQ(sirius.spectrum, L"A1V");
  EXPECT_EQ(sirius.extra, L"binary with a white dwarf");
}

std::wstring Widened(std::string_view ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

std::wstring WesternName(unsigned hip) {
  for (const orvenna::StarNameEntry& star : orvenna::western_star_names())
    if (star.hip == hip) return Widened(star.name);
  return L"";
}

struct InstalledStarFound {
  bool byNumber = false;
  StarCatalogueRecord record;
  bool named = false;
  std::wstring name;
};

TEST_F(CatalogueLookupTest, EveryInstalledStarIsFoundByItsNumberAndNamed) {
  const auto stars = orvenna::star_facts();
  std::vector<InstalledStarFound> found(stars.size());
  const auto shown = RunAsConsole([&] {
    for (std::size_t i = 0; i < stars.size(); ++i) {
      found[i].byNumber = LookupStarByHip(static_cast<int>(stars[i].hip), found[i].record);
      found[i].named = LookupStarNameByHip(stars[i].hip, found[i].name);
    }
  });
  EXPECT_TRUE(shown.empty());
  for (std::size_t i = 0; i < stars.size(); ++i) {
    const orvenna::StarFactsEntry& star = stars[i];
    EXPECT_TRUE(found[i].byNumber) << star.hip;
    EXPECT_EQ(found[i].record.hip, std::to_wstring(star.hip));
    EXPECT_EQ(found[i].record.spectrum, Widened(star.spectrum)) << star.hip;
    EXPECT_EQ(found[i].record.extra, Widened(star.note)) << star.hip;
    EXPECT_TRUE(found[i].named) << star.hip;
    EXPECT_EQ(found[i].name, WesternName(star.hip)) << star.hip;
    EXPECT_NE(found[i].name, L"") << star.hip;
  }
}

// Fifteen fields: the constellation, the number, the name and the facts the console reads.
std::string StarLine(const std::string& hip, const std::string& parsecs) {
  return "Lyra;" + hip + ";;;Star;18h;+38;" + parsecs + ";;;;0.03;0.58;A0V;note\n";
}

TEST_F(CatalogueLookupTest, AShortStarLineEndsTheCatalogue) {
  Replace(UserFile(L"stars_cat.csv"), StarLine("1", "7.68") + StarLine("2", "x") +
                                          "Lyra;3;;;Star;18h;+38;7.68;;;;0.03;0.58;A0V\n" +
                                          StarLine("4", "1"));
  StarCatalogueRecord first, malformed, short_line, after;
  bool found[4] = {};
  RunAsConsole([&] {
    found[0] = LookupStarByHip(1, first);
    found[1] = LookupStarByHip(2, malformed);
    found[2] = LookupStarByHip(3, short_line);
    found[3] = LookupStarByHip(4, after);
  });
  EXPECT_TRUE(found[0]);
  EXPECT_TRUE(found[1]);
  EXPECT_EQ(malformed.distanceLy, 0);
  EXPECT_EQ(malformed.distancePc, L"x");
  EXPECT_FALSE(found[2]);
  EXPECT_FALSE(found[3]);
}

TEST_F(CatalogueLookupTest, InstalledMessierObjectsWithoutRegardToCase) {
  MessierCatalogueRecord andromeda, pleiades;
  bool found = false, missing = true;
  RunAsConsole([&] {
    found = LookupMessierObject(L"m31", andromeda) && LookupMessierObject(L"M45", pleiades);
    MessierCatalogueRecord none;
    missing = LookupMessierObject(L"M", none);
  });
  ASSERT_TRUE(found);
  EXPECT_FALSE(missing);
  EXPECT_EQ(andromeda.ngcIc, L"NGC 224");
  EXPECT_EQ(andromeda.commonName, L"Andromeda Galaxy");
  EXPECT_EQ(andromeda.objectType, L"Spiral galaxy");
  EXPECT_EQ(andromeda.constellation, L"Andromeda");
  EXPECT_EQ(andromeda.magnitude, L"3.4");
  EXPECT_EQ(andromeda.distanceLy, L"2540000");
  EXPECT_EQ(pleiades.ngcIc, L"");
}

TEST_F(CatalogueLookupTest, InstalledSolarSystemBodies) {
  SolarSystemBodyRecord earth, sun;
  bool found = false;
  RunAsConsole([&] { found = LookupSolarSystemBody(L"EARTH", earth) && LookupSolarSystemBody(L"Sun", sun); });
  ASSERT_TRUE(found);
  EXPECT_EQ(earth.meanDistanceKm, L"149598262");
  EXPECT_DOUBLE_EQ(earth.eccentricity, 0.0167);
  EXPECT_EQ(earth.diameterKm, L"12742");
  EXPECT_EQ(earth.orbitalPeriod, L"365.26 days");
  EXPECT_EQ(earth.rotationPeriod, L"23.93 hours");
  EXPECT_EQ(earth.meanTemperature, L"15 \u00b0C");
  EXPECT_EQ(earth.surfaceGravity, L"9.81 m/s\u00b2");
  EXPECT_EQ(earth.escapeVelocity, L"11.19 km/s");
  EXPECT_EQ(earth.knownMoons, 1);
  EXPECT_EQ(earth.massE24Kg, L"5.97");
  EXPECT_EQ(earth.diameterToEarth, L"1.000");
  EXPECT_EQ(sun.meanDistanceKm, L"0");
  EXPECT_EQ(sun.massE24Kg, L"1989100");
}

TEST_F(CatalogueLookupTest, MalformedSolarSystemNumbersReadAsTheirLeadingDigits) {
  Replace(UserFile(L"solar_system.csv"),
          "Mars;1;2;3;4;near;6;7;8;two;10;11\nVesta;1;2\nCeres;1;2;3;4;5;6;7;8;9;10;11\n");
  SolarSystemBodyRecord mars, ceres;
  bool found = false, after_short = true;
  RunAsConsole([&] {
    found = LookupSolarSystemBody(L"mars", mars);
    after_short = LookupSolarSystemBody(L"Ceres", ceres);
  });
  ASSERT_TRUE(found);
  EXPECT_EQ(mars.eccentricity, 0);
  EXPECT_EQ(mars.knownMoons, 0);
  EXPECT_FALSE(after_short);
}

TEST_F(CatalogueLookupTest, MissingCatalogueFilesAreReportedOnceEach) {
  for (const wchar_t* name : {L"stars_cat.csv", L"messier_cat.csv", L"solar_system.csv"})
    ASSERT_TRUE(DeleteFileW(UserFile(name).c_str()));
  bool anything = false;
  const auto shown = RunAsConsole([&] {
    StarCatalogueRecord star;
    MessierCatalogueRecord object;
    SolarSystemBodyRecord body;
    anything = LookupStarByHip(32349, star) || LookupMessierObject(L"M31", object) ||
               LookupSolarSystemBody(L"Earth", body);
  });
  EXPECT_FALSE(anything);
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_NE(shown[0].text.find(L"stars_cat.csv"), std::wstring::npos);
  EXPECT_NE(shown[1].text.find(L"messier_cat.csv"), std::wstring::npos);
  EXPECT_NE(shown[2].text.find(L"solar_system.csv"), std::wstring::npos);
}

}  // namespace
