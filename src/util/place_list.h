// Looking a place up in Orvenna's place list "base_locations.txt": one place a line, fields
// separated by tabs, the name first, the latitude sixth and the longitude seventh, each a
// decimal number and a hemisphere letter.
#pragma once

#include <functional>
#include <optional>
#include <string>

inline constexpr wchar_t PlaceListFile[] = L"base_locations.txt";

// A place's position as the event editor takes it: numbers without their letters, and the
// quadrant 2 east and north, 3 east and south, 4 west and north, 5 west and south.
struct PlacePosition {
  std::wstring latitude;
  std::wstring longitude;
  int quadrant = 2;
};

enum class PlaceSearch { Found, NotFound, ListUnreadable };

struct PlaceLookup {
  PlaceSearch result = PlaceSearch::NotFound;
  // Only from the place's own line: a line without both fields has none.
  std::optional<PlacePosition> position;
};

// For the caller's progress bar: opened once the list is open, then after each line that does
// not match, compared with the number of lines compared before it (0, 1, 2 ...).
struct PlaceListProgress {
  std::function<void()> opened;
  std::function<void(int)> compared;
};

// Compares the names without regard to case.
PlaceLookup FindPlaceInList(const std::wstring& placeName, const PlaceListProgress& progress = {});
// The full path of the place list, for the message when it cannot be opened.
std::wstring PlaceListPath();
