// The colour picker's table: 104 cells, eight to a row. Rows 0 to 6 are named colours, 7 and 8
// the system colours (read when a pop-up opens), 9 the separator and 10 the Custom button (never
// cells), 11 and 12 the sixteen custom colours.
#pragma once

#include <array>

#include "platform/win/win_types.h"

struct ColourTableEntry {
  COLORREF colour;
  LPCWSTR name;
  int system_colour;  // the GetSysColor index, -1 for none
};

inline constexpr int kColourTableCount = 104;
inline constexpr int kColourTableColumns = 8;
inline constexpr int kColourTableRows = (kColourTableCount + kColourTableColumns - 1) / kColourTableColumns;
inline constexpr int kSeparatorRow = 9;
inline constexpr int kCustomButtonRow = 10;
inline constexpr int kFirstCustomColourEntry = 88;
inline constexpr int kCustomColourCount = 16;

extern const std::array<ColourTableEntry, kColourTableCount> kColourTable;
