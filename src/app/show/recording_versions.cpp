#include "src/app/show/recording_versions.h"

#include <string>
#include <vector>

#include "src/util/number_text.h"
#include "src/util/split_string.h"

namespace {

// The newest console version whose recordings play without the question.
constexpr RecordingVersion NewestSupportedRecording{5, 2, 3};

// Read from its leading digits, as the C runtime reads a number.
int PieceNumber(const std::wstring& piece) {
  return static_cast<int>(ReadLeadingInteger(piece));
}

}  // namespace

std::optional<RecordingVersion> ParseRecordingVersion(std::wstring_view text) {
  std::vector<std::wstring> pieces;
  if (SplitString(text, L".", pieces) != 3) return std::nullopt;
  return RecordingVersion{PieceNumber(pieces[0]), PieceNumber(pieces[1]), PieceNumber(pieces[2])};
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
