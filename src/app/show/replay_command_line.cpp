#include "src/app/show/replay_command_line.h"

#include <cwchar>
#include <vector>

#include "src/util/compare_no_case.h"
#include "src/util/split_string.h"

namespace {

constexpr wchar_t LineEnd = L'\r';
constexpr wchar_t Bar[] = L"|";
constexpr wchar_t SiteCommand[] = L"Site";

double ReadSeconds(const std::wstring& text) {
  return std::wcstod(text.c_str(), nullptr);
}

}  // namespace

std::wstring CommandListLine(std::wstring_view commandList, int index) {
  std::size_t start = 0;
  for (int line = 0; line < index; ++line) {
    const std::size_t end = commandList.find(LineEnd, start);
    if (end == std::wstring_view::npos) return std::wstring(CommandListEnd);
    start = end + 1;
  }
  const std::wstring_view line = commandList.substr(start, commandList.find(LineEnd, start) - start);
  return line.empty() ? std::wstring(CommandListEnd) : std::wstring(line);
}

ReplayCommand ParseReplayCommandLine(std::wstring_view line) {
  std::vector<std::wstring> pieces;
  SplitString(line, Bar, pieces);
  ReplayCommand command;
  if (pieces.size() == 2) {
    command.keyword = pieces[0];
    command.seconds = ReadSeconds(pieces[1]);
  } else if (pieces.size() >= 3 && CompareTextNoCase(pieces[0], SiteCommand) == 0) {
    // The seconds are the last piece: a place's own "|" stays in its name.
    std::wstring place = pieces[1];
    for (std::size_t i = 2; i + 1 < pieces.size(); ++i)
      place += Bar + pieces[i];
    command.keyword = std::wstring(PlaceKeyword);
    command.place = std::move(place);
    command.seconds = ReadSeconds(pieces.back());
  }
  return command;
}
