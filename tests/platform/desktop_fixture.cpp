#include "tests/platform/desktop_fixture.h"

#include <map>

std::vector<LoggedMessage>& MessageLog::entries() {
  static std::vector<LoggedMessage> log;
  return log;
}

namespace {
std::map<DWORD, MessageLog::Handler>& handlers() {
  static std::map<DWORD, MessageLog::Handler> by_thread;
  return by_thread;
}
}  // namespace

MessageLog::Handler& MessageLog::handler() {
  return handlers()[GetCurrentThreadId()];
}

LRESULT CALLBACK MessageLog::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  entries().push_back({hwnd, message, wParam, lParam});
  LRESULT result = 0;
  if (handler() && handler()(hwnd, message, wParam, lParam, result)) return result;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void MessageLog::register_class(const wchar_t* name) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = &procedure;
  window_class.cbWndExtra = 16;
  window_class.lpszClassName = name;
  RegisterClassExW(&window_class);
}

std::vector<UINT> MessageLog::messages_of(HWND hwnd) {
  std::vector<UINT> messages;
  for (const auto& entry : entries())
    if (entry.hwnd == hwnd) messages.push_back(entry.message);
  return messages;
}

void MessageLog::clear() {
  entries().clear();
  handlers().clear();
}

HWND create_logged_window(const wchar_t* class_name, const wchar_t* title, DWORD style, HWND parent, int id,
                          RECT rect, DWORD ex_style) {
  return CreateWindowExW(ex_style, class_name, title, style, rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         nullptr, nullptr);
}

HWND DesktopTest::start_peer(const wchar_t* class_name, const wchar_t* title, MessageLog::Handler handler) {
  HWND made = nullptr;
  start_program(L"peer.exe", [&made, class_name, title, handler] {
    MessageLog::register_class(class_name);
    MessageLog::handler() = handler;
    made = create_logged_window(class_name, title, WS_POPUP);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
      DispatchMessageW(&msg);
    return static_cast<DWORD>(msg.wParam);
  });
  machine.run_until_idle();
  return made;
}
