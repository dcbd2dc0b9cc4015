// The script of the Find button: how a found name becomes Orvenna statements, with the
// constellations shown in isolate-selected mode kept in the name table's flags.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "src/catalog/constellation_list.h"

inline constexpr wchar_t FindObjectScriptName[] = L"FindObjectOC.ovs";

// The only line of the script for a star found by its Hipparcos number.
std::wstring StarSelectionScript(unsigned hip);
// The name as the console shows it: lower case with its first character in upper case.
std::wstring FoundObjectName(std::wstring_view targetName);
// A name with a digit after its first character is a designation, never a constellation.
bool TreatAsConstellation(std::wstring_view name, bool isArtName, int targetKind);
// Isolate mode with the display options' constellation parts (bits: 1 art, 2 lines,
// 4 boundaries, 8 labels) for a constellation; all four parts off for anything else.
std::wstring ConstellationDisplayLines(bool constellation, int displayOptions);
std::wstring SkyCultureLine(bool western, std::wstring_view culture);
// "N224" is Orvenna's "NGC224"; any other name stays as it is.
std::wstring CatalogueDesignation(std::wstring name);

struct FindObjectSelection {
  std::wstring lines;
  bool turningOff = false;
};
// Selects a constellation together with the ones isolated before it, or turns off one that was
// isolated already; anything else (no index) is simply selected. Updates the flags.
FindObjectSelection SelectFoundObject(ConstellationList& constellations, std::uint8_t index,
                                      std::wstring_view name);
