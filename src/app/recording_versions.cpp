#include "src/app/recording_versions.h"

#include <array>

namespace {

// The newest console version whose recordings play without the question.
constexpr RecordingVersion NewestSupportedRecording{5, 2, 3};

std::optional<int> ParseNumber(std::wstring_view piece) {
  if (piece.empty() || piece.size() > 9) return std::nullopt;
  int value = 0;
  for (wchar_t c : piece) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  return value;
}

}  // namespace

std::optional<RecordingVersion> ParseRecordingVersion(std::wstring_view text) {
  std::array<int, 3> parts{};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::size_t dot = text.find(L'.');
    const bool last = i + 1 == parts.size();
    if (last != (dot == std::wstring_view::npos)) return std::nullopt;
    const std::optional<int> number = ParseNumber(text.substr(0, dot));
    if (!number) return std::nullopt;
    parts[i] = *number;
    if (!last) text.remove_prefix(dot + 1);
  }
  return RecordingVersion{parts[0], parts[1], parts[2]};
}

bool IsSupportedRecordingVersion(std::wstring_view version) {
  const std::optional<RecordingVersion> parsed = ParseRecordingVersion(version);
  return parsed && *parsed <= NewestSupportedRecording;
}

bool ComparePlanetariumVersions(std::wstring_view recorded, std::wstring_view running) {
  const std::optional<RecordingVersion> made = ParseRecordingVersion(recorded);
  if (!made) return true;
  const std::optional<RecordingVersion> now = ParseRecordingVersion(running);
  return now && *made > *now;
}
