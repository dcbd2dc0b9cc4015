#include "platform/desktop/keyboard.h"

#include <algorithm>

#include "platform/desktop/desktop.h"
#include "platform/win/input_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

namespace desktop {

namespace {

constexpr BYTE kDown = 0x80;
constexpr BYTE kToggled = 0x01;

bool is_key_message(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

bool holds_key_messages(const DesktopThread& thread) {
  return std::any_of(thread.queue.input.begin(), thread.queue.input.end(),
                     [](const InputMessage& input) { return is_key_message(input.msg.message); });
}

struct Target {
  HWND hwnd = nullptr;
  DesktopThread* thread = nullptr;
  bool has_focus = false;
};

Target find_target(Desktop& machine) {
  Window* foreground = machine.window(machine.focus().foreground());
  if (foreground == nullptr || foreground->thread == nullptr) return {};
  InputContext& context = machine.focus().context_of(foreground->thread_id);
  for (HWND candidate : {context.focus, context.active, foreground->handle}) {
    Window* window = machine.window(candidate);
    if (window != nullptr && window->thread != nullptr && !window->thread->terminating())
      return {candidate, window->thread, candidate == context.focus};
  }
  return {};
}

}  // namespace

void apply_key(std::array<BYTE, 256>& keys, BYTE specific, bool up) {
  BYTE& state = keys[specific];
  if (up) {
    state &= static_cast<BYTE>(~kDown);
  } else {
    if (!(state & kDown)) state ^= kToggled;
    state |= kDown;
  }
  const BYTE generic = generic_vk(specific);
  if (generic == specific) return;
  const BYTE left = generic == VK_SHIFT ? VK_LSHIFT : generic == VK_CONTROL ? VK_LCONTROL : VK_LMENU;
  const bool down = ((keys[left] | keys[left + 1]) & kDown) != 0;
  BYTE& plain = keys[generic];
  if (down && !(plain & kDown)) plain ^= kToggled;
  plain = static_cast<BYTE>(down ? (plain | kDown) : (plain & ~kDown));
}

Keyboard::Keyboard(Desktop& desktop, DWORD default_layout)
    : desktop_(desktop), default_layout_(default_layout), loaded_{default_layout} {}

void Keyboard::inject(const KeyEvent& event, DWORD from_thread) {
  InjectedKey entry{from_thread, event};
  const Target target = find_target(desktop_);
  const DWORD layout_id = target.thread ? layout_of(target.thread->thread_id()) : default_layout_;
  const KeyboardLayout* layout = find_layout(layout_id);
  if (layout == nullptr) layout = &keyboard_layouts().front();

  const bool up = (event.flags & KEYEVENTF_KEYUP) != 0;
  const WORD prefix = (event.flags & KEYEVENTF_EXTENDEDKEY) ? 0xE000 : 0;
  WORD scan = 0;
  BYTE vk = 0;
  if (event.flags & KEYEVENTF_SCANCODE) {
    scan = static_cast<WORD>(prefix | (event.scan & 0xFF));
    vk = vk_of_scan(*layout, scan, (async_[VK_NUMLOCK] & kToggled) != 0, (async_[VK_SHIFT] & kDown) != 0);
    // An E0 code the layout does not know acts as the key without the prefix.
    if (vk == 0 && prefix != 0) vk = vk_of_scan(*layout, static_cast<WORD>(event.scan & 0xFF), false, false);
  } else {
    vk = static_cast<BYTE>(event.vk);
    scan = event.scan != 0 ? static_cast<WORD>(prefix | (event.scan & 0xFF))
                           : static_cast<WORD>(prefix | (scan_of_vk(*layout, vk) & 0xFF));
  }
  if (vk == 0) {
    log_.push_back(entry);
    return;
  }
  const BYTE specific = specific_vk(vk, scan);
  const bool was_down = (async_[specific] & kDown) != 0;
  if (target.thread != nullptr && !holds_key_messages(*target.thread))
    desktop_.focus().context_of(target.thread->thread_id()).keys = async_;
  apply_key(async_, specific, up);

  if (target.hwnd != nullptr) {
    const BYTE message_vk = generic_vk(vk);
    const bool alt = (async_[VK_MENU] & kDown) != 0;
    const bool ctrl = (async_[VK_CONTROL] & kDown) != 0;
    // Alt without Ctrl (AltGr) makes system keys, and so does F10; with nothing focused every key
    // goes to the active window as a system key.
    const bool system =
        !target.has_focus || message_vk == VK_F10 || ((alt || message_vk == VK_MENU) && !ctrl);
    DWORD bits = 1 | (static_cast<DWORD>(scan & 0xFF) << 16);
    if (sends_extended_bit(*layout, scan)) bits |= 1u << 24;
    if (alt) bits |= 1u << 29;
    if (up || was_down) bits |= 1u << 30;
    if (up) bits |= 1u << 31;
    entry.target = target.hwnd;
    entry.message = up ? (system ? WM_SYSKEYUP : WM_KEYUP) : (system ? WM_SYSKEYDOWN : WM_KEYDOWN);
    entry.wParam = message_vk;
    entry.lParam = static_cast<LPARAM>(bits);
    const DWORD time = event.time != 0 ? event.time : static_cast<DWORD>(desktop_.clock().now());
    InputMessage& queued = target.thread->queue.input.emplace_back(
        MSG{target.hwnd, entry.message, entry.wParam, entry.lParam, time, desktop_.cursor()});
    queued.injected = from_thread != 0;
    desktop_.scheduler().notify(*target.thread, kWakeOnPosted);
  }
  log_.push_back(entry);
}

const std::array<BYTE, 256>& Keyboard::thread_state(DesktopThread& thread) {
  InputContext& context = desktop_.focus().context_of(thread.thread_id());
  if (!holds_key_messages(thread)) context.keys = async_;
  return context.keys;
}

void Keyboard::message_taken(DesktopThread& thread, const MSG& msg) {
  if (!is_key_message(msg.message)) return;
  const auto bits = static_cast<DWORD>(msg.lParam);
  const WORD scan = static_cast<WORD>(((bits >> 16) & 0xFF) | ((bits & (1u << 24)) ? 0xE000 : 0));
  const BYTE specific = specific_vk(static_cast<BYTE>(msg.wParam), scan);
  apply_key(desktop_.focus().context_of(thread.thread_id()).keys, specific, (bits & (1u << 31)) != 0);
}

DWORD Keyboard::layout_of(DWORD thread_id) const {
  auto at = layouts_.find(thread_id);
  return at == layouts_.end() ? default_layout_ : at->second;
}

void Keyboard::set_layout(DWORD thread_id, DWORD hkl) {
  layouts_[thread_id] = hkl;
}

void Keyboard::load_layout(DWORD hkl) {
  if (std::find(loaded_.begin(), loaded_.end(), hkl) == loaded_.end()) loaded_.push_back(hkl);
}

void Keyboard::forget_thread(DWORD thread_id) {
  layouts_.erase(thread_id);
  dead_keys_.erase(thread_id);
}

}  // namespace desktop
