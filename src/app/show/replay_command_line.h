// The command list of a recording as the replay reads it: one line at a time, each a keyword or
// a change of place, and the seconds to wait before the next.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Line index of the list (from 0); "XXX" when there is no such line or it is empty.
std::wstring CommandListLine(std::wstring_view commandList, int index);
inline constexpr std::wstring_view CommandListEnd = L"XXX";

struct ReplayCommand {
  // The keyword to perform next; none leaves the previous one (the two version lines).
  std::optional<std::wstring> keyword;
  // A "Site" line's place, whatever "|" it holds.
  std::optional<std::wstring> place;
  double seconds = 0;
};
// The keyword a "Site" line performs.
inline constexpr std::wstring_view PlaceKeyword = L"planet-string";
ReplayCommand ParseReplayCommandLine(std::wstring_view line);
