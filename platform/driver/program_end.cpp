// A program ended at once, as a crash or the task manager's End task ends it: its windows go
// without WM_CLOSE, and the programs beside it find it gone.
#include <algorithm>
#include <cwctype>
#include <set>

#include "platform/desktop/utf8.h"
#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"

namespace driver {
namespace {

bool same_name(std::wstring_view a, std::wstring_view b) {
  return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

}  // namespace

Outcome DesktopUser::end_program(std::wstring_view image_name) {
  // The programs a person can end are the ones with a window on the screen.
  std::set<DWORD> processes;
  for (HWND top = GetTopWindow(nullptr); top != nullptr; top = GetWindow(top, GW_HWNDNEXT)) {
    if (!IsWindowVisible(top) || !same_name(program_of(top), image_name)) continue;
    DWORD process_id = 0;
    GetWindowThreadProcessId(top, &process_id);
    processes.insert(process_id);
  }
  if (processes.empty())
    return Outcome::failure("no window of " + desktop::to_utf8(std::wstring(image_name)));
  for (DWORD process_id : processes) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, process_id);
    if (process == nullptr) continue;
    TerminateProcess(process, 1);
    CloseHandle(process);
  }
  return settle();
}

}  // namespace driver
