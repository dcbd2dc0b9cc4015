#include "platform/win/focus_api.h"
#include "platform/win/window_api.h"
#include "src/app/orvenna_console_dlg.h"

namespace {

bool CanTakeKeyboard(HWND dialog) {
  return ::IsWindow(dialog) && ::IsWindowVisible(dialog) && ::IsWindowEnabled(dialog);
}

}  // namespace

// The dialog may have closed meanwhile: the one in front of the console then waits instead.
LRESULT COrvennaConsoleDlg::OnReturnKeyboard(WPARAM dialog, LPARAM) {
  if (IsWindowEnabled()) return 0;
  HWND waiting = reinterpret_cast<HWND>(dialog);
  if (!CanTakeKeyboard(waiting)) waiting = ::GetLastActivePopup(m_hWnd);
  if (waiting != m_hWnd && CanTakeKeyboard(waiting)) ::SetForegroundWindow(waiting);
  return 0;
}
