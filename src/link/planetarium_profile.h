// What the console expects of Orvenna, in one place: its window classes and titles, the
// versions it supports, its install entry, its files and its shortcut keys. The console drives
// Orvenna only through these.
#pragma once

#include <array>
#include <string_view>

namespace PlanetariumProfile {

// Windows.
inline constexpr std::wstring_view MainWindowClass = L"Qt5QWindowIcon";
inline constexpr std::wstring_view RenderWindowClass = L"Qt5QWindowOwnDCIcon";
// Without a render child of its own class, a child of the main window's class draws the sky.
inline constexpr std::wstring_view FallbackRenderWindowClass = MainWindowClass;
inline constexpr std::wstring_view RenderWindowTitle = L"";

struct SupportedVersion {
  std::wstring_view title;    // the main window's title, exactly
  std::wstring_view version;  // as the recorder and the state record keep it
};
// In the order the finders try them. 0.18.3 passes the install check, so its window must be
// found as well: otherwise it would be installed, never found and launched again and again.
inline constexpr std::array<SupportedVersion, 4> SupportedVersions{{
    {L"Orvenna 0.18.0", L"0.18.0"},
    {L"Orvenna 0.18.1", L"0.18.1"},
    {L"Orvenna 0.18.2", L"0.18.2"},
    {L"Orvenna 0.18.3", L"0.18.3"},
}};

// The install check: DisplayName's version must be 0.18.0 to 0.18.3.
inline constexpr int SupportedMajor = 0;
inline constexpr int SupportedMinor = 18;
inline constexpr int LatestSupportedPatch = 3;

// Installation, under HKEY_LOCAL_MACHINE; the second key is a 32-bit installer's on a 64-bit machine.
inline constexpr std::array<std::wstring_view, 2> UninstallKeys{
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1",
    L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1",
};
inline constexpr std::wstring_view InstallLocationValue = L"InstallLocation";
inline constexpr std::wstring_view DisplayNameValue = L"DisplayName";
inline constexpr std::wstring_view ExecutableName = L"orvenna.exe";
inline constexpr std::wstring_view LandscapesFolder = L"landscapes";
inline constexpr std::wstring_view SkyCulturesFolder = L"skycultures";
inline constexpr std::wstring_view WesternArtFolder = L"skycultures\\western";
inline constexpr std::wstring_view NebulaPicturesFolder = L"nebulae\\default";
inline constexpr std::wstring_view StarNamesFile = L"skycultures\\western\\star_names.fab";

// The user folder, %APPDATA%\Orvenna\: the loader that shortcut '1' runs (Orvenna names it by
// its first line, "// Name: !Orvenna-Console", plus ".ovs"), what scripts write, Orvenna's settings.
inline constexpr std::wstring_view LoaderScriptFile = L"orvenna-console.ovs";
inline constexpr std::wstring_view OutputFile = L"output.txt";
inline constexpr std::wstring_view ConfigFile = L"config.ini";

// Shortcut keys, as characters of Orvenna's keyboard layout.
inline constexpr wchar_t RunLoaderKey = L'1';
inline constexpr wchar_t StopScriptKey = L'3';
inline constexpr wchar_t PauseScriptKey = L'4';
inline constexpr wchar_t ResumeScriptKey = L'5';

// The observer bodies and the landscape the fly-by names; Orvenna must hold them.
inline constexpr std::array<std::wstring_view, 9> FlyByObserverBodies{
    L"OCEarth",   L"OCJupiter", L"OCSaturn",  L"OCcharon", L"OCSun",
    L"OCNeptune", L"OCVenus",   L"OCMercury", L"OCMoon",
};
inline constexpr std::wstring_view FlyByLandscape = L"Moon";

}  // namespace PlanetariumProfile
