// The five prepared events in the registry: view flags, target, record and comment of each.
#pragma once

#include <string>

#include "platform/win/win_types.h"
#include "src/settings/console_state.h"

inline constexpr int EventBodyCount = 62;
inline constexpr int DefaultEventBody = 61;
// What an event sets: 1 the date and time, 2 the place, 4 both.
inline constexpr int EventSetsDateKind = 1;
inline constexpr int EventGoesToPlaceKind = 2;
inline constexpr int EventSetsBothKind = 4;

struct EventViewFlags {
  bool atmosphere = false;
  bool fog = false;
  bool autoZoom = false;
  bool moonScale = false;
};
// 0, or -1 when the atmosphere, fog or auto-zoom value is missing; values read before the
// missing one stay set, and a missing moon scale leaves its flag as it was.
int LoadEventViewFlags(int n, EventViewFlags& flags);
void SaveEventViewFlags(int n, const EventViewFlags& flags);

struct EventTarget {
  bool wantTarget = false;
  bool defaultTarget = true;
  bool centerOnObject = false;
  int body = DefaultEventBody;
  std::wstring name;
};
// The longest target name read back; a longer stored one reads as missing.
inline constexpr int EventTargetNameLongest = 255;
EventTarget LoadEventTarget(int n);
void SaveEventTarget(int n, const EventTarget& target);

struct EventRecord {
  std::wstring date;  // "year/month/day"
  std::wstring memo;
  int hour = 0;
  int minute = 0;
  int second = 0;
  bool enabled = false;
  std::wstring latitude;   // as "000 00 00 N"
  std::wstring longitude;  // as "000 00 00 E"
  int kind = EventSetsBothKind;
  int body = DefaultEventBody;
};
// Also fills the slot's flags and place in the state record.
EventRecord LoadEventRecord(CConsoleState& state, int n);
// Also sets the slot's enabled flag in the state record.
void SaveEventRecord(CConsoleState& state, int n, const EventRecord& record);

// The event editor stores a date with every event it fills.
bool StoredEventDate(int n);

// The memo, at most 40 characters, or "NO EVENT SET".
std::wstring LoadEventMemo(int n);
std::wstring ReadEventComment(int n);
// Stores the edit control's text.
void WriteEventComment(int n, HWND edit);
