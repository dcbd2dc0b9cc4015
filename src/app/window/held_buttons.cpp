// What the main dialog does with a message before its controls see it: the arrow keys go on to
// Orvenna and every other key press is swallowed; the zoom, time-stepping and emergency buttons
// act while they are held, from their press to their release; everything else is shown to the
// tooltips on its way.
#include "platform/win/focus_api.h"
#include "platform/win/mouse_api.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_api.h"
#include "src/app/orvenna_console_dlg.h"

namespace {

// A mouse press, or any button message of a pen or a finger (so their lift too). A hovering
// pen's moves, and whatever follows a touch, carry the signature as well but press nothing.
bool IsPress(const MSG& msg) {
  if (msg.message == WM_LBUTTONDOWN) return true;
  const bool buttonMessage = msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MBUTTONDBLCLK;
  return buttonMessage && IsPenEvent(static_cast<ULONG_PTR>(GetMessageExtraInfo()));
}

// The console's window has no control that takes the focus by itself: until the presenter has
// clicked one, its keys come as system keys without Alt, which are key presses all the same.
bool IsKeyPress(const MSG& msg) {
  constexpr LPARAM AltDown = 1 << 29;
  return msg.message == WM_KEYDOWN || (msg.message == WM_SYSKEYDOWN && (msg.lParam & AltDown) == 0);
}

}  // namespace

BOOL COrvennaConsoleDlg::PreTranslateMessage(MSG* msg) {
  // Messages of other windows that reach here through their owner are theirs.
  const bool onConsole = msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd);
  if (onConsole && IsKeyPress(*msg)) {
    if (const std::optional<int> direction = ArrowDirection(msg->wParam)) SendArrowKey(*direction);
    return TRUE;
  }
  HeldAnswer answer = HeldAnswer::NotForIt;
  if (onConsole) {
    const int controlId = ::GetDlgCtrlID(msg->hwnd);
    if (IsPress(*msg)) answer = PressHeldButton(controlId);
    if (answer == HeldAnswer::NotForIt && msg->message == WM_LBUTTONUP) answer = ReleaseHeldButton(controlId);
  }
  switch (answer) {
    case HeldAnswer::Consumed:
      return TRUE;
    case HeldAnswer::ToButtonOnly:
      return FALSE;
    case HeldAnswer::ToDialogOnly:
      return CDialog::PreTranslateMessage(msg);
    case HeldAnswer::NotForIt:
    case HeldAnswer::GoesOn:
      break;
  }
  RelayToTooltips(msg);
  return CDialog::PreTranslateMessage(msg);
}

COrvennaConsoleDlg::HeldAnswer COrvennaConsoleDlg::PressHeldButton(int controlId) {
  // The console in front counts as focused even before any of its buttons took the focus.
  const bool focused = ::GetFocus() != nullptr || ::GetActiveWindow() == m_hWnd;
  if (controlId == EmergencyButtonId && focused && !emergencyPressed) {
    OnEmergencyPressed();
    return HeldAnswer::ToButtonOnly;
  }
  const HeldAnswer zoom = PressZoom(controlId);
  return zoom != HeldAnswer::NotForIt ? zoom : PressTimeStep(controlId);
}

COrvennaConsoleDlg::HeldAnswer COrvennaConsoleDlg::ReleaseHeldButton(int controlId) {
  if (controlId == EmergencyButtonId) {
    OnEmergencyReleased();
    return HeldAnswer::ToButtonOnly;
  }
  const HeldAnswer zoom = ReleaseZoom(controlId);
  return zoom != HeldAnswer::NotForIt ? zoom : ReleaseTimeStep(controlId);
}
