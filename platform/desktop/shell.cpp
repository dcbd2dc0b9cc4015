#include "platform/desktop/shell.h"

#include "platform/desktop/desktop.h"
#include "platform/win/message_api.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace desktop {
namespace {

constexpr int kStartButtonWidth = 54;

void register_shell_class(const wchar_t* name) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.lpszClassName = name;
  RegisterClassExW(&window_class);
}

DWORD run_shell(RECT primary) {
  register_shell_class(L"Shell_TrayWnd");
  register_shell_class(L"Button");
  const DWORD style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS;
  const DWORD ex_style = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  CreateWindowExW(ex_style, L"Shell_TrayWnd", L"", style, primary.left, primary.bottom - kTaskbarHeight,
                  primary.right - primary.left, kTaskbarHeight, nullptr, nullptr, nullptr, nullptr);
  CreateWindowExW(ex_style, L"Button", L"Start", style, primary.left, primary.bottom - kTaskbarHeight,
                  kStartButtonWidth, kTaskbarHeight, nullptr, nullptr, nullptr, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0)
    DispatchMessageW(&msg);
  return 0;
}

}  // namespace

void start_shell(Desktop& machine) {
  Monitor& primary = machine.monitors().front();
  primary.work.bottom = primary.rect.bottom - kTaskbarHeight;
  RECT rect = primary.rect;
  machine.start_thread(machine.create_process(L"explorer.exe"), [rect] { return run_shell(rect); });
}

}  // namespace desktop
