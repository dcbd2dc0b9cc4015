// What a click on a candidate, or OK, makes of the search dialog's slots: the search target for
// the find action, or the constellation whose objects the dialog lists next.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "src/catalog/constellation_name_table.h"
#include "src/catalog/search/search_candidates.h"
#include "src/settings/console_state.h"

struct SearchSlot {
  int code = EmptySlotCode;
  int hip = 0;
  std::wstring key;  // the catalogue key of a Messier or NGC slot
  std::wstring label;
};
using SearchSlots = std::array<SearchSlot, CandidateSlots>;

struct SearchChoice {
  enum class Outcome { Nothing, EndDialog, ListObjects };
  Outcome outcome = Outcome::Nothing;
  CConsoleState::SearchTarget target;
  std::wstring constellation;  // the Latin name whose objects are listed next
};

inline constexpr int TypedTextKind = 0;
inline constexpr int CatalogueKeyKind = 1;
inline constexpr int NamedObjectKind = 2;
inline constexpr int BodyKind = 3;

// A star's or body's name from its label: before a "(" past the first character, trimmed.
std::wstring NameFromLabel(std::wstring_view label);
// A named object; the constellation Hydra as Orvenna knows it, "Hya".
CConsoleState::SearchTarget NamedObjectTarget(const std::wstring& name);

SearchChoice ChooseSlot(const SearchSlot& slot, int mode, const ConstellationNameTable& names,
                        bool findInsideConstellations);
// Exactly one candidate is chosen; with none or several the typed text is the target.
SearchChoice ChooseWithOk(const SearchSlots& slots, int mode, const ConstellationNameTable& names,
                          std::wstring_view typed);
