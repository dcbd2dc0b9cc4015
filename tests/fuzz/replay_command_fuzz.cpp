// Feeds arbitrary UTF-16LE text to the replay as a recording's command list: its lines, each
// line's keyword, place and seconds, and the two version lines' version texts. Every line is one
// of the list's own, without "\r", and the lines end for good once the list has none left; a
// place keeps every "|" of its name and reads back the same when written again; a version text
// that reads as a version reads back the same from its three numbers, and never needs a later
// version than itself.
#include <algorithm>
#include <string>

#include "src/app/show/recording_versions.h"
#include "src/app/show/replay_command_line.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr int kMostLines = 200;

void check_line(const std::wstring& list, const std::wstring& line) {
  require(line == CommandListEnd ||
          (!line.empty() && line.find(L'\r') == std::wstring::npos && list.find(line) != std::wstring::npos));
  const ReplayCommand command = ParseReplayCommandLine(line);
  if (!command.place) return;
  require(command.keyword == PlaceKeyword);
  const ReplayCommand again = ParseReplayCommandLine(L"Site|" + *command.place + L"|1.5");
  require(again.place == command.place && again.keyword == PlaceKeyword && again.seconds == 1.5);
}

void check_version(const std::wstring& text) {
  const std::optional<RecordingVersion> version = ParseRecordingVersion(text);
  if (!version) return;
  const std::wstring written = std::to_wstring(version->major) + L"." + std::to_wstring(version->minor) +
                               L"." + std::to_wstring(version->patch);
  require(ParseRecordingVersion(written) == version);
  require(!ComparePlanetariumVersions(text, written));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring list = wide_text_of(data, size);
  const auto lineEnds = std::count(list.begin(), list.end(), L'\r');
  for (int index = 0; index < kMostLines; ++index) {
    const std::wstring line = CommandListLine(list, index);
    // An empty line reads as the end too, but only a list without more lines ends for good.
    if (index > lineEnds) require(line == CommandListEnd);
    check_line(list, line);
    for (const std::wstring& piece : {line.substr(0, line.find(L'|')), line})
      check_version(piece);
  }
  std::size_t bar = list.find(L'|');
  while (bar != std::wstring::npos) {
    const std::size_t next = list.find_first_of(L"|\r", bar + 1);
    check_version(list.substr(bar + 1, next == std::wstring::npos ? std::wstring::npos : next - bar - 1));
    bar = list.find(L'|', bar + 1);
  }
  return 0;
}
