// The entries of Orvenna's config.ini that the console relies on: its script shortcuts and
// its initial field of view.
#pragma once

#include <array>

struct PlanetariumConfigEntry {
  const wchar_t* section;
  const wchar_t* key;
  const wchar_t* wanted;
};

// "1" runs the console's loader (Orvenna names a script by its "Name:" header plus ".ovs"),
// "3", "4" and "5" stop, pause and resume the running script.
inline constexpr std::array<PlanetariumConfigEntry, 5> PlanetariumConfigEntries{{
    {L"shortcuts", L"actionScript/!Orvenna-Console.ovs", L"1"},
    {L"shortcuts", L"actionStop_Script", L"3"},
    {L"shortcuts", L"actionPause_Script", L"4"},
    {L"shortcuts", L"actionResume_Script", L"5"},
    {L"navigation", L"init_fov", L"180"},
}};

// Writes each wanted value that differs, ignoring case, from the one read; an entry that
// cannot be read (no file, no section) is left alone.
void RewritePlanetariumConfig();
