#include "src/settings/date_time_entry.h"

void SetDateTimeEntry(CConsoleState& state, std::wstring date, std::wstring time, bool notEntered) {
  state.dateText = std::move(date);
  state.timeText = std::move(time);
  state.entrySet = !notEntered;
}

std::wstring GetDateTimeEntryDate(const CConsoleState& state) {
  return state.dateText;
}

std::wstring GetDateTimeEntryTime(const CConsoleState& state) {
  return state.timeText;
}
