// The row of a presenter's action in its feature's table, by the command id of its button.
#pragma once

#include <algorithm>
#include <array>

#include "platform/win/win_types.h"

// Every command a table's handlers pass is in that table.
template <typename Row, std::size_t Count>
const Row& RowForCommand(const std::array<Row, Count>& table, UINT commandId) {
  return *std::find_if(table.begin(), table.end(),
                       [commandId](const Row& row) { return row.commandId == commandId; });
}

// The row whose field holds the value, or null when no row of the table has it.
template <auto Field, typename Row, std::size_t Count, typename Value>
const Row* FindRow(const std::array<Row, Count>& table, Value value) {
  auto found =
      std::find_if(table.begin(), table.end(), [value](const Row& row) { return row.*Field == value; });
  return found == table.end() ? nullptr : &*found;
}
