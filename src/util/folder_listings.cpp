#include "src/util/folder_listings.h"

#include <array>
#include <functional>
#include <span>

#include "platform/win/file_api.h"
#include "platform/win/win_errors.h"

namespace {

constexpr std::array<const wchar_t*, 5> ImagePatterns{L"*.bmp", L"*.png", L"*.jpg", L"*.jpeg", L"*.gif"};
constexpr std::array<const wchar_t*, 8> VideoPatterns{L"*.mp4", L"*.mp2", L"*.mpeg", L"*.wmv",
                                                      L"*.avi", L"*.flv", L"*.swf",  L"*.mov"};
// Sound only: the video containers never play as audio.
constexpr std::array<const wchar_t*, 5> AudioPatterns{L"*.mp3", L"*.wma", L"*.wav", L"*.aac", L"*.ogg"};
constexpr wchar_t ScriptPattern[] = L"*.ovs";
constexpr wchar_t Everything[] = L"*";
constexpr std::size_t ExtensionLength = 4;

bool IsFolder(const WIN32_FIND_DATAW& found) {
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsDots(const WIN32_FIND_DATAW& found) {
  std::wstring_view name = found.cFileName;
  return name == L"." || name == L"..";
}

void ForEachMatch(const std::wstring& folder, const wchar_t* pattern,
                  const std::function<void(const WIN32_FIND_DATAW&)>& visit) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!IsDots(found)) visit(found);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

std::vector<std::wstring> ListFiles(const std::wstring& folder, std::span<const wchar_t* const> patterns) {
  std::vector<std::wstring> names;
  for (const wchar_t* pattern : patterns)
    ForEachMatch(folder, pattern, [&names](const WIN32_FIND_DATAW& found) {
      if (!IsFolder(found)) names.emplace_back(found.cFileName);
    });
  return names;
}

}  // namespace

std::vector<std::wstring> ListFileTitles(const std::wstring& folder, const std::wstring& pattern) {
  std::vector<std::wstring> titles;
  for (std::wstring& name : ListFiles(folder, std::array{pattern.c_str()}))
    titles.push_back(name.substr(0, name.size() > ExtensionLength ? name.size() - ExtensionLength : 0));
  return titles;
}

std::vector<std::wstring> ListSubfolders(const std::wstring& folder) {
  std::vector<std::wstring> names;
  ForEachMatch(folder, Everything, [&names](const WIN32_FIND_DATAW& found) {
    if (IsFolder(found)) names.emplace_back(found.cFileName);
  });
  return names;
}

std::vector<std::wstring> ListImageFiles(const std::wstring& folder) {
  return ListFiles(folder, ImagePatterns);
}

std::vector<std::wstring> ListVideoFiles(const std::wstring& folder) {
  return ListFiles(folder, VideoPatterns);
}

std::vector<std::wstring> ListAudioFiles(const std::wstring& folder) {
  return ListFiles(folder, AudioPatterns);
}

std::vector<std::wstring> ListScriptFiles(const std::wstring& folder) {
  return ListFiles(folder, std::array{ScriptPattern});
}
