// The deselect button: a right click in Orvenna's view drops its selection, and the console
// forgets its own.
#include "platform/win/focus_api.h"
#include "platform/win/message_api.h"
#include "platform/win/monitor_api.h"
#include "platform/win/mouse_api.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_api.h"
#include "src/app/orvenna_console_dlg.h"

namespace {

constexpr LPARAM CursorOverClient = 0x02000001;

}  // namespace

void COrvennaConsoleDlg::OnDeselect() {
  ActionGuards guards;
  guards.ensurePlanetarium = true;
  if (!PassActionGuards(guards)) return;
  // Orvenna gone since the check has no selection left to drop: only the console's goes.
  if (HWND view = GetPlanetariumViewIfRunning()) {
    RECT console{};
    ::GetWindowRect(m_hWnd, &console);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromRect(&console, MONITOR_DEFAULTTONEAREST), &monitor);
    const int x = (monitor.rcMonitor.right - monitor.rcMonitor.left) / 2 + 1;
    const LPARAM position = MAKELPARAM(x, 0);
    ::SetActiveWindow(view);
    ::SetFocus(view);
    ::SendMessageW(view, WM_SETCURSOR, reinterpret_cast<WPARAM>(view), CursorOverClient);
    ::PostMessageW(view, WM_RBUTTONDOWN, MK_RBUTTON, position);
    ::PostMessageW(view, WM_MOUSEMOVE, MK_RBUTTON, position);
    ::PostMessageW(view, WM_RBUTTONUP, 0, position);
    ::SendMessageW(view, WM_CAPTURECHANGED, 0, 0);
    ::SendMessageW(view, WM_IME_NOTIFY, 2, 0);
    ::SendMessageW(view, WM_SETFOCUS, 0, 0);
  }
  SelectedBodyCode = -1;
  CurrentObjectName.clear();
  ClearSelectionDisplay();
  RecordStep(L"", L"desel", 0);
}
