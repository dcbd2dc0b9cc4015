// Mouse tests: classes of logged windows with and without double clicks, pointer input
// injected as a device gives it, and the messages a thread then retrieves.
#pragma once

#include <vector>

#include "platform/desktop/mouse_input.h"
#include "tests/platform/desktop_fixture.h"

struct Retrieved {
  MSG msg;
  LPARAM extra_info;  // GetMessageExtraInfo right after the message was retrieved
};

class MouseTest : public DesktopTest {
 protected:
  MouseTest() {
    register_class(L"Pointer", 0, nullptr);
    register_class(L"Clicks", CS_DBLCLKS, nullptr);
  }

  static void register_class(const wchar_t* name, UINT style, HCURSOR cursor) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.style = style;
    window_class.lpfnWndProc = &MessageLog::procedure;
    window_class.hCursor = cursor;
    window_class.lpszClassName = name;
    RegisterClassExW(&window_class);
  }

  void inject(const desktop::MouseEvent& event) { desktop::inject_mouse(machine, event); }

  void move(POINT to, ULONG_PTR extra_info = 0) {
    desktop::MouseEvent event;
    event.move_to = to;
    event.extra_info = extra_info;
    inject(event);
  }

  void press(DWORD buttons, ULONG_PTR extra_info = 0) {
    desktop::MouseEvent event;
    event.buttons = buttons;
    event.extra_info = extra_info;
    inject(event);
  }

  void click(POINT at, ULONG_PTR extra_info = 0) {
    move(at, extra_info);
    press(MOUSEEVENTF_LEFTDOWN, extra_info);
    press(MOUSEEVENTF_LEFTUP, extra_info);
  }

  // Retrieves and dispatches everything the calling thread's queue holds.
  static std::vector<Retrieved> drain() {
    std::vector<Retrieved> seen;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      seen.push_back({msg, GetMessageExtraInfo()});
      DispatchMessageW(&msg);
    }
    return seen;
  }

  static bool is_pointer_message(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK) || message == WM_MOUSELEAVE ||
           message == WM_NCMOUSELEAVE || message == WM_TOUCH;
  }

  // The pointer messages retrieved, for one window or for all.
  static std::vector<Retrieved> pointer_messages(const std::vector<Retrieved>& seen, HWND hwnd = nullptr) {
    std::vector<Retrieved> kept;
    for (const Retrieved& entry : seen)
      if (is_pointer_message(entry.msg.message) && (hwnd == nullptr || entry.msg.hwnd == hwnd))
        kept.push_back(entry);
    return kept;
  }

  static std::vector<UINT> ids(const std::vector<Retrieved>& seen) {
    std::vector<UINT> messages;
    for (const Retrieved& entry : seen)
      messages.push_back(entry.msg.message);
    return messages;
  }

  static std::vector<UINT> pointer_ids(HWND hwnd = nullptr) { return ids(pointer_messages(drain(), hwnd)); }
};
