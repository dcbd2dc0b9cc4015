// Orvenna's installation as its uninstall entry gives it, and the rule for the versions the
// console supports.
#pragma once

#include <string>
#include <string_view>

struct PlanetariumInstall {
  std::wstring folder;  // as stored, with its trailing backslash; empty when not installed
  std::wstring displayName;
};

// The uninstall entry, then the 32-bit view's entry when the first gives no folder.
PlanetariumInstall ReadPlanetariumInstall();

enum PlanetariumFolderCode : int {
  PlanetariumSupported = 1,
  PlanetariumNotInstalled = -1,
  PlanetariumMajorUnsupported = -3,
  PlanetariumMinorUnsupported = -4,
  PlanetariumPatchUnsupported = -5,
};
inline constexpr wchar_t PlanetariumFolderNotFound[] =
    L"Orvenna Folder not found. Please verify that Orvenna is correctly installed, otherwise contact "
    L"support.";

// DisplayName splits at blanks and full stops: "Orvenna 0.18.2" gives major 0, minor 18, patch 2.
// A name without three version numbers after it names no 0.18 version.
int CheckPlanetariumVersion(std::wstring_view displayName);

// Fills out with the install folder (also for an unsupported version) and returns the version
// rule's code; PlanetariumNotInstalled, with out unchanged, when there is no install folder.
int ReadPlanetariumFolder(std::wstring& out);
// The same, with PlanetariumFolderNotFound shown as an error box when Orvenna is not installed.
int FindPlanetariumFolder(std::wstring& out);
