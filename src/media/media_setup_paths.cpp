#include "src/media/media_setup_paths.h"

#include <algorithm>
#include <array>

#include "src/util/compare_no_case.h"

namespace {

constexpr std::size_t ExtensionCapacity = 9;

constexpr std::array<const wchar_t*, 19> AllowedExtensions{
    L".bmp", L".png", L".jpg", L".jpeg", L".gif", L".wmv", L".avi", L".mp4", L".mpeg", L".flv",
    L".swf", L".mp2", L".mp3", L".wma",  L".ogg", L".aac", L".wav", L".mov", L".ovs"};
constexpr std::array<const wchar_t*, 7> AdvancedVideoExtensions{L".mov",  L".wmv", L".avi", L".mp4",
                                                                L".mpeg", L".flv", L".swf"};

template <std::size_t N>
bool IsOneOf(const std::wstring& extension, const std::array<const wchar_t*, N>& endings) {
  return std::any_of(endings.begin(), endings.end(), [&extension](const wchar_t* ending) {
    return CompareTextNoCase(extension, ending) == 0;
  });
}

std::size_t NameStart(const std::wstring& path) {
  const std::size_t separator = path.find_last_of(L"\\/:");
  return separator == std::wstring::npos ? 0 : separator + 1;
}

}  // namespace

std::wstring SetupExtension(const std::wstring& path) {
  const std::size_t dot = path.rfind(L'.');
  if (dot == std::wstring::npos || dot < NameStart(path)) return {};
  return path.substr(dot, ExtensionCapacity);
}

bool IsAllowedSetupExtension(const std::wstring& extension) {
  return IsOneOf(extension, AllowedExtensions);
}

bool IsAdvancedVideoExtension(const std::wstring& extension) {
  return IsOneOf(extension, AdvancedVideoExtensions);
}

std::wstring SetupFolderPart(const std::wstring& path) {
  return path.substr(0, NameStart(path));
}
