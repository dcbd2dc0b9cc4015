// The uninstall entry and the version rule of the install check.
#include "src/link/planetarium_install.h"
#include "peers/orvenna/install/installer.h"
#include "tests/platform/desktop_fixture.h"

namespace {

TEST(PlanetariumVersionRule, OnlyVersionsZeroEighteenZeroToThreePass) {
  const std::pair<const wchar_t*, int> cases[] = {
      {L"Orvenna 0.18.0", PlanetariumSupported},        {L"Orvenna 0.18.3", PlanetariumSupported},
      {L"Orvenna 0.19.0", PlanetariumMinorUnsupported}, {L"Orvenna 1.0.0", PlanetariumMajorUnsupported},
      {L"Orvenna 0.18.4", PlanetariumPatchUnsupported}, {L"Orvenna 0.18", PlanetariumMinorUnsupported},
      {L"Orvenna", PlanetariumMinorUnsupported},        {L"", PlanetariumMinorUnsupported},
  };
  for (const auto& [displayName, expected] : cases)
    EXPECT_EQ(CheckPlanetariumVersion(displayName), expected) << displayName;
}

class PlanetariumInstallTest : public DesktopTest {};

// A 64-bit machine has the entry in the 32-bit view only; once the main view has one too, it wins.
TEST_F(PlanetariumInstallTest, ReadsTheMainEntryBeforeThe32BitViews) {
  for (bool machine64Bit : {true, false}) {
    orvenna::InstallSettings settings;
    settings.machine_64_bit = machine64Bit;
    settings.pictures = false;
    settings.version = machine64Bit ? L"0.18.1" : L"0.18.3";
    ASSERT_TRUE(orvenna::install_orvenna(machine, settings));
    const PlanetariumInstall install = ReadPlanetariumInstall();
    EXPECT_EQ(install.folder, orvenna::install_folder_of(settings));
    EXPECT_EQ(install.displayName, L"Orvenna " + settings.version);
  }
}

TEST_F(PlanetariumInstallTest, NoEntryGivesNoFolder) {
  EXPECT_TRUE(ReadPlanetariumInstall().folder.empty());
}

}  // namespace
