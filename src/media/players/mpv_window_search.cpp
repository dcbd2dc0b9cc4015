// Finding mpv's window among the top-level windows: by its title, or by the process that owns it.
#include <algorithm>
#include <vector>

#include "platform/win/win32.h"
#include "src/media/players/wm_play_video.h"
#include "src/util/compare_no_case.h"

namespace {

constexpr wchar_t MpvTitle[] = L"mpv";
constexpr int MpvTitleLength = 3;

struct ProcessWindowSearch {
  DWORD processId = 0;
  HWND found = nullptr;
};

BOOL CALLBACK FindProcessWindowProc(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ProcessWindowSearch*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !::IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

BOOL CALLBACK FindMpvWindowProc(HWND window, LPARAM found) {
  const int length = ::GetWindowTextLengthW(window);
  std::vector<wchar_t> title(static_cast<std::size_t>(length) + 1, L'\0');
  ::GetWindowTextW(window, title.data(), length + 1);
  const int compared = std::min(length + 1, MpvTitleLength);
  if (CompareTextNoCase(std::wstring_view(title.data(), static_cast<std::size_t>(compared)),
                        std::wstring_view(MpvTitle, static_cast<std::size_t>(compared))) != 0)
    return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND FindMpvWindow() {
  HWND found = nullptr;
  ::EnumWindows(FindMpvWindowProc, reinterpret_cast<LPARAM>(&found));
  ::SetLastError(found != nullptr ? 0 : ERROR_FILE_NOT_FOUND);
  return found;
}

HWND FindProcessWindow(DWORD processId) {
  ProcessWindowSearch search{processId, nullptr};
  if (processId != 0) ::EnumWindows(FindProcessWindowProc, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
