// The versions a recording names: the console's that made it and Orvenna's that ran it. Versions
// are three numbers compared in order, major first.
#pragma once

#include <compare>
#include <optional>
#include <string_view>

struct RecordingVersion {
  int major = 0;
  int minor = 0;
  int patch = 0;
  auto operator<=>(const RecordingVersion&) const = default;
};

// None unless the text splits at "." into exactly three pieces; each piece is read as an
// integer from its leading digits, so "0.18.2 " is 0.18.2.
std::optional<RecordingVersion> ParseRecordingVersion(std::wstring_view text);

// The console versions whose recordings this console plays without asking.
bool IsSupportedRecordingVersion(std::wstring_view version);
// True when a recording made with that Orvenna needs a later one than the running one, or when
// the recorded version cannot be read; false when the running one is not known.
bool ComparePlanetariumVersions(std::wstring_view recorded, std::wstring_view running);
