// Keyboard layouts per thread: loading, activating and asking for them.
#include <algorithm>
#include <cstdio>
#include <cwchar>

#include "platform/desktop/keyboard_layouts.h"
#include "platform/win/keyboard_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

HKL as_hkl(DWORD value) {
  return reinterpret_cast<HKL>(static_cast<ULONG_PTR>(value));
}

DWORD hkl_value(HKL hkl) {
  return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(hkl));
}

void set_layout(desktop::DesktopThread& self, DWORD hkl, UINT flags) {
  desktop::Keyboard& keyboard = self.desktop().keyboard();
  if (!(flags & KLF_SETFORPROCESS)) {
    keyboard.set_layout(self.thread_id(), hkl);
    return;
  }
  for (desktop::DesktopThread* thread : self.process().threads)
    keyboard.set_layout(thread->thread_id(), hkl);
}

}  // namespace

HKL WINAPI LoadKeyboardLayoutW(LPCWSTR klid, UINT flags) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  const desktop::KeyboardLayout* layout = klid ? desktop::find_layout_by_name(klid) : nullptr;
  if (layout == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  self->desktop().keyboard().load_layout(layout->hkl);
  if (flags & KLF_ACTIVATE) set_layout(*self, layout->hkl, flags);
  return as_hkl(layout->hkl);
}

HKL WINAPI ActivateKeyboardLayout(HKL layout, UINT flags) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  desktop::Keyboard& keyboard = self->desktop().keyboard();
  const DWORD previous = keyboard.layout_of(self->thread_id());
  const std::vector<DWORD>& loaded = keyboard.loaded_layouts();
  DWORD next = hkl_value(layout);
  if (layout == HKL_NEXT || layout == HKL_PREV) {
    auto at = std::find(loaded.begin(), loaded.end(), previous);
    const std::size_t index = at == loaded.end() ? 0 : static_cast<std::size_t>(at - loaded.begin());
    const std::size_t step = layout == HKL_NEXT ? 1 : loaded.size() - 1;
    next = loaded[(index + step) % loaded.size()];
  } else if (std::find(loaded.begin(), loaded.end(), next) == loaded.end()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  set_layout(*self, next, flags);
  return as_hkl(previous);
}

HKL WINAPI GetKeyboardLayout(DWORD thread_id) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  if (thread_id == 0) thread_id = self->thread_id();
  if (self->desktop().find_thread(thread_id) == nullptr) return nullptr;
  return as_hkl(self->desktop().keyboard().layout_of(thread_id));
}

int WINAPI GetKeyboardLayoutList(int count, HKL* list) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  const std::vector<DWORD>& loaded = self->desktop().keyboard().loaded_layouts();
  if (count == 0) return static_cast<int>(loaded.size());
  if (list == nullptr || count < static_cast<int>(loaded.size())) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::transform(loaded.begin(), loaded.end(), list, as_hkl);
  return static_cast<int>(loaded.size());
}

BOOL WINAPI GetKeyboardLayoutNameW(LPWSTR name) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  if (name == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const desktop::KeyboardLayout* layout =
      desktop::find_layout(self->desktop().keyboard().layout_of(self->thread_id()));
  std::swprintf(name, KL_NAMELENGTH, L"%08X", layout ? layout->klid : 0u);
  return TRUE;
}
