// The entries of Orvenna's config.ini that the console relies on: its script shortcuts and
// its initial field of view.
#pragma once

#include <array>

struct PlanetariumConfigEntry {
  const wchar_t* section;
  const wchar_t* key;
  const wchar_t* wanted;
  // False: a file without the section is left as it is.
  bool createdWithItsSection;
};

// "1" runs the console's loader (Orvenna names a script by its "Name:" header plus ".ovs"),
// "3", "4" and "5" stop, pause and resume the running script: without them no script runs, so
// they are bound even where the file has no [shortcuts] yet. The start state sets the field of
// view itself.
inline constexpr std::array<PlanetariumConfigEntry, 5> PlanetariumConfigEntries{{
    {L"shortcuts", L"actionScript/!Orvenna-Console.ovs", L"1", true},
    {L"shortcuts", L"actionStop_Script", L"3", true},
    {L"shortcuts", L"actionPause_Script", L"4", true},
    {L"shortcuts", L"actionResume_Script", L"5", true},
    {L"navigation", L"init_fov", L"180", false},
}};

// Writes each wanted value that differs, ignoring case, from the one read, a missing key
// reading as empty. Nothing is written when the file cannot be read. False when the file is
// there but cannot be read, or a write fails: Orvenna's script keys may then be unbound.
bool RewritePlanetariumConfig();
