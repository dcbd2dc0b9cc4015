#include <gtest/gtest.h>

#include "res/console_resources.h"
#include "src/catalog/planet_display_name.h"
#include "src/catalog/solar_system_names.h"
#include "tests/platform/desktop_fixture.h"
#include "tests/settings/registry_values.h"

namespace {

class PlanetDisplayNameTest : public DesktopTest {
 protected:
  PlanetDisplayNameTest() { SetModuleResources(&console_resources()); }
  static void UseLanguage(DWORD language) { StoreValue(L"Language", DwordValue(language)); }
};

TEST_F(PlanetDisplayNameTest, PlanetButtonCodesAndTheirListCodesNameTheSameBody) {
  for (const auto& [button, list] : {std::pair{0, 102},
                                     {1, 161},
                                     {2, 154},
                                     {3, 160},
                                     {4, 156},
                                     {5, 159},
                                     {6, 138},
                                     {7, 128},
                                     {8, 119},
                                     {9, 110},
                                     {10, 158}}) {
    EXPECT_EQ(PlanetDisplayName(button, 0), PlanetDisplayName(list, 0)) << button;
    EXPECT_EQ(PlanetDisplayName(button, 3), PlanetDisplayName(list, 3)) << button;
  }
  EXPECT_EQ(PlanetDisplayName(0, 0), L"PLUTO");
  EXPECT_EQ(PlanetDisplayName(9, 0), L"NEPTUNE");
}

TEST_F(PlanetDisplayNameTest, InTheInterfaceLanguage) {
  EXPECT_EQ(GetPlanetDisplayName(1), L"EARTH");
  EXPECT_EQ(GetPlanetDisplayName(161), L"EARTH");
  EXPECT_EQ(GetPlanetDisplayName(10), L"SUN");
  UseLanguage(1);
  EXPECT_EQ(GetPlanetDisplayName(1), L"TERRA");
  EXPECT_EQ(GetPlanetDisplayName(161), L"TERRA");
  EXPECT_EQ(GetPlanetDisplayName(142), L"Ganymede");
  UseLanguage(5);
  EXPECT_EQ(GetPlanetDisplayName(142), L"Ganymede");
  EXPECT_EQ(GetPlanetDisplayName(123), L"C/2006 P1 (McNaught)");
}

TEST_F(PlanetDisplayNameTest, CodesOutsideBothRangesNameNothing) {
  for (int code : {-1, -100, 11, 99, 162, 1000})
    EXPECT_EQ(GetPlanetDisplayName(code), L"") << code;
  EXPECT_EQ(GetPlanetDisplayName(100), L"Eris");
}

TEST_F(PlanetDisplayNameTest, ABodyNameForTheScriptOrForThePresenter) {
  UseLanguage(2);
  EXPECT_EQ(GetSolarSystemBodyName(60, true), L"Lune");
  EXPECT_EQ(GetSolarSystemBodyName(60, false), L"Moon");
  EXPECT_EQ(GetSolarSystemBodyName(62, true), L"");
  EXPECT_EQ(GetSolarSystemBodyName(62, false), L"");
  UseLanguage(0);
  EXPECT_EQ(GetSolarSystemBodyName(14, true), L"Triton");
}

}  // namespace
