// The WH_CBT hook's HCBT_CREATEWND call, made by CreateWindowExW before WM_NCCREATE.
#include <algorithm>

#include "platform/win/hook_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_styles.h"

namespace {
std::uintptr_t next_hook_id = 1;
}  // namespace

HHOOK WINAPI SetWindowsHookExW(int id, HOOKPROC proc, HINSTANCE, DWORD thread_id) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  if (id != WH_CBT || proc == nullptr || (thread_id != 0 && thread_id != self->thread_id())) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // Hooks are made under the baton, so the counter needs no lock.
  std::uintptr_t handle = next_hook_id++;
  self->cbt_hooks.insert(self->cbt_hooks.begin(), {handle, proc});
  return reinterpret_cast<HHOOK>(handle);
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hook) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  auto& hooks = self->cbt_hooks;
  auto found = std::find_if(hooks.begin(), hooks.end(), [hook](const auto& entry) {
    return entry.first == reinterpret_cast<std::uintptr_t>(hook);
  });
  if (found == hooks.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  hooks.erase(found);
  return TRUE;
}

LRESULT WINAPI CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  auto& hooks = self->cbt_hooks;
  auto found = std::find_if(hooks.begin(), hooks.end(), [hook](const auto& entry) {
    return entry.first == reinterpret_cast<std::uintptr_t>(hook);
  });
  if (found == hooks.end() || ++found == hooks.end()) return 0;
  return found->second(code, wParam, lParam);
}

namespace win_internal {

bool creation_allowed_by_hooks(desktop::DesktopThread& thread, HWND hwnd, CREATESTRUCTW& create) {
  if (thread.cbt_hooks.empty()) return true;
  CBT_CREATEWNDW info{&create, HWND_TOP};
  auto proc = thread.cbt_hooks.front().second;
  return proc(HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&info)) == 0;
}

}  // namespace win_internal
