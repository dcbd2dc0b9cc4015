// The uninstall entry and the version rule of the install check.
#include "src/link/planetarium_install.h"
#include "peers/orvenna/install/installer.h"
#include "platform/win/win32.h"
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

void WriteInstallLocation(const wchar_t* key, const std::wstring& folder) {
  HKEY opened = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr), 0);
  // Stored without its terminating zero, as some installers do.
  RegSetValueExW(opened, L"InstallLocation", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.data()),
                 static_cast<DWORD>(folder.size() * sizeof(wchar_t)));
  RegCloseKey(opened);
}

TEST_F(PlanetariumInstallTest, AFolderThatFillsTheBufferIsReadWholeAndALongerOneIsNotRead) {
  const wchar_t* main = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1";
  const wchar_t* view32 =
      L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1";
  const std::wstring filling = L"C:\\" + std::wstring(256, L'f') + L"\\";
  ASSERT_EQ(filling.size(), 260u);
  WriteInstallLocation(main, filling);
  EXPECT_EQ(ReadPlanetariumInstall().folder, filling);

  WriteInstallLocation(main, filling + L"x");
  WriteInstallLocation(view32, L"C:\\Orvenna\\");
  EXPECT_EQ(ReadPlanetariumInstall().folder, L"C:\\Orvenna\\");
}

TEST_F(PlanetariumInstallTest, NoEntryGivesNoFolder) {
  EXPECT_TRUE(ReadPlanetariumInstall().folder.empty());
}

}  // namespace
