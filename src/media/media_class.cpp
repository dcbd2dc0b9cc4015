#include "src/media/media_class.h"

#include <array>
#include <string_view>

#include "platform/win/file_api.h"
#include "platform/win/win_errors.h"
#include "src/util/compare_no_case.h"

namespace {

struct Ending {
  std::wstring_view text;
  MediaClass mediaClass;
};
constexpr std::array<Ending, 19> Endings{{
    {L"mp3", MediaClass::Audio},   {L"wav", MediaClass::Audio},    {L"wma", MediaClass::Audio},
    {L"ogg", MediaClass::Audio},   {L"aac", MediaClass::Audio},    {L"png", MediaClass::Picture},
    {L"bmp", MediaClass::Picture}, {L"jpeg", MediaClass::Picture}, {L"jpg", MediaClass::Picture},
    {L"gif", MediaClass::Picture}, {L"wmv", MediaClass::Video},    {L"flv", MediaClass::Video},
    {L"swf", MediaClass::Video},   {L"avi", MediaClass::Video},    {L"mp4", MediaClass::Video},
    {L"mp2", MediaClass::Video},   {L"mpeg", MediaClass::Video},   {L"mov", MediaClass::Video},
    {L"ovs", MediaClass::Script},
}};
constexpr std::size_t LongestTitle = 511;

}  // namespace

MediaClass ClassifyMediaFile(const std::wstring& path) {
  for (const Ending& ending : Endings) {
    if (path.size() < ending.text.size()) continue;
    if (CompareTextNoCase(std::wstring_view(path).substr(path.size() - ending.text.size()), ending.text) == 0)
      return ending.mediaClass;
  }
  return MediaClass::Unsupported;
}

std::wstring MediaTitle(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/:");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  if (name.size() > LongestTitle) name.resize(LongestTitle);
  return name;
}

bool FindMediaPath(const std::wstring& path, std::wstring* ownName) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  if (ownName != nullptr) *ownName = found.cFileName;
  return true;
}
