// VkKeyScanExW and MapVirtualKeyW: characters, virtual keys and scan codes by keyboard layout.
#include "platform/desktop/keyboard_layouts.h"
#include "platform/win/keyboard_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_internal.h"

namespace {

const desktop::KeyboardLayout* layout_of(HKL hkl) {
  return desktop::find_layout(static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(hkl)));
}

const desktop::KeyboardLayout* caller_layout() {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  return desktop::find_layout(self->desktop().keyboard().layout_of(self->thread_id()));
}

// A scan code may come with its E0 or E1 prefix in the high byte.
WORD scan_argument(UINT code) {
  const UINT prefix = (code >> 8) & 0xFF;
  return static_cast<WORD>((prefix == 0xE0 || prefix == 0xE1 ? 0xE000 : 0) | (code & 0xFF));
}

UINT map(const desktop::KeyboardLayout& layout, UINT code, UINT map_type) {
  switch (map_type) {
    case MAPVK_VK_TO_VSC:
      return code > 0xFF ? 0 : desktop::scan_of_vk(layout, static_cast<BYTE>(code)) & 0xFF;
    case MAPVK_VSC_TO_VK:
      return desktop::generic_vk(desktop::vk_of_scan(layout, scan_argument(code), false, false));
    case MAPVK_VSC_TO_VK_EX:
      return desktop::vk_of_scan(layout, scan_argument(code), false, false);
    case MAPVK_VK_TO_CHAR:
      return code > 0xFF ? 0 : desktop::unshifted_character(layout, static_cast<BYTE>(code));
    default:
      return 0;
  }
}

// The ANSI form of a character of these layouts: code page 1254 for Turkish machines, else 1252.
UINT to_ansi(UINT character, bool turkish) {
  const UINT dead = character & 0x80000000u;
  const wchar_t wide = static_cast<wchar_t>(character & 0xFFFF);
  if (wide == L'€') return dead | 0x80;
  if (turkish) {
    constexpr wchar_t kTurkish[] = L"ĞİŞğış";
    constexpr BYTE kBytes[] = {0xD0, 0xDD, 0xDE, 0xF0, 0xFD, 0xFE};
    for (int i = 0; i < 6; ++i)
      if (wide == kTurkish[i]) return dead | kBytes[i];
  }
  return wide <= 0xFF ? character : 0;
}

}  // namespace

SHORT WINAPI VkKeyScanExW(WCHAR character, HKL hkl) {
  const desktop::KeyboardLayout* layout = layout_of(hkl);
  return layout == nullptr ? SHORT{-1} : desktop::key_for_character(*layout, character);
}

SHORT WINAPI VkKeyScanW(WCHAR character) {
  const desktop::KeyboardLayout* layout = caller_layout();
  return layout == nullptr ? SHORT{-1} : desktop::key_for_character(*layout, character);
}

UINT WINAPI MapVirtualKeyExW(UINT code, UINT map_type, HKL hkl) {
  const desktop::KeyboardLayout* layout = hkl == nullptr ? caller_layout() : layout_of(hkl);
  return layout == nullptr ? 0 : map(*layout, code, map_type);
}

UINT WINAPI MapVirtualKeyW(UINT code, UINT map_type) {
  const desktop::KeyboardLayout* layout = caller_layout();
  return layout == nullptr ? 0 : map(*layout, code, map_type);
}

UINT WINAPI MapVirtualKeyA(UINT code, UINT map_type) {
  const desktop::KeyboardLayout* layout = caller_layout();
  if (layout == nullptr) return 0;
  const UINT result = map(*layout, code, map_type);
  if (map_type != MAPVK_VK_TO_CHAR) return result;
  const bool turkish = (desktop::current_thread()->desktop().config().system_language & 0x3FF) == 0x1F;
  return to_ansi(result, turkish);
}
