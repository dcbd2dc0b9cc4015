#include <gtest/gtest.h>

#include <algorithm>

#include "src/catalog/constellation_art_names.h"
#include "tests/peers/orvenna/install_fixture.h"

namespace {

const std::vector<std::wstring> ArtWithoutPicture{L"puppis", L"serpens", L"carina", L"vela", L"horologium"};

class ConstellationArtNamesTest : public InstallTest {};

TEST_F(ConstellationArtNamesTest, TheInstalledPicturesReadAsTheConsoleNamesThem) {
  install();
  const std::vector<std::wstring> names = ListConstellationArtNames(install_folder());
  // The pictures, then the figures that have none of their own.
  ASSERT_GT(names.size(), ArtWithoutPicture.size());
  EXPECT_TRUE(std::equal(ArtWithoutPicture.begin(), ArtWithoutPicture.end(), names.end() - 5));
  EXPECT_TRUE(IsConstellationArtName(names, L"Hya"));
  EXPECT_TRUE(IsConstellationArtName(names, L"HYA"));
  EXPECT_FALSE(IsConstellationArtName(names, L"Hydra"));
  EXPECT_TRUE(IsConstellationArtName(names, L"Canis Major"));
  EXPECT_FALSE(IsConstellationArtName(names, L"canis-major"));
  EXPECT_TRUE(IsConstellationArtName(names, L"argonavis"));
  EXPECT_TRUE(IsConstellationArtName(names, L"Vela"));
  EXPECT_FALSE(IsConstellationArtName(names, L"Orion Nebula"));
}

TEST_F(ConstellationArtNamesTest, WithoutTheArtFolderOnlyTheFiguresWithoutPicture) {
  orvenna::InstallSettings settings;
  settings.pictures = false;
  install(settings);
  const std::vector<std::wstring> names = ListConstellationArtNames(install_folder());
  EXPECT_EQ(names, ArtWithoutPicture);
  EXPECT_TRUE(IsConstellationArtName(names, L"vela"));
  EXPECT_FALSE(IsConstellationArtName(names, L"Hya"));
  EXPECT_EQ(ListConstellationArtNames(L"C:\\Nowhere\\"), ArtWithoutPicture);
  EXPECT_EQ(ListConstellationArtNames(L""), ArtWithoutPicture);
}

}  // namespace
