#include "platform/desktop/shell.h"

#include "platform/desktop/desktop.h"
#include "platform/win/gdi_dc_api.h"
#include "platform/win/gdi_draw_api.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/gdi_sys_color_api.h"
#include "platform/win/gdi_text_api.h"
#include "platform/win/message_api.h"
#include "platform/win/paint_api.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace desktop {
namespace {

constexpr int kStartButtonWidth = 54;

// The Start button draws itself raised, with its name.
LRESULT CALLBACK start_button_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  RECT client;
  GetClientRect(hwnd, &client);
  DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  DrawTextW(dc, L"Start", -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  EndPaint(hwnd, &paint);
  return 0;
}

void register_shell_class(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = procedure;
  window_class.lpszClassName = name;
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClassExW(&window_class);
}

DWORD run_shell(RECT primary) {
  register_shell_class(L"Shell_TrayWnd", DefWindowProcW);
  register_shell_class(L"Button", start_button_procedure);
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
