#include "platform/afx/spin_button_ctrl.h"

#include "platform/win/win_macros.h"
#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

BOOL CSpinButtonCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, UPDOWN_CLASSW, nullptr, style | WS_CHILD, rect, parent, id);
}

void CSpinButtonCtrl::SetRange(short lower, short upper) {
  SendMessage(UDM_SETRANGE, 0, MAKELPARAM(upper, lower));
}

void CSpinButtonCtrl::SetRange32(int lower, int upper) {
  SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
  const auto range = static_cast<DWORD>(SendMessage(UDM_GETRANGE));
  lower = static_cast<short>(HIWORD(range));
  upper = static_cast<short>(LOWORD(range));
}

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const {
  SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}

int CSpinButtonCtrl::SetPos(int position) {
  return static_cast<short>(LOWORD(SendMessage(UDM_SETPOS, 0, MAKELPARAM(position, 0))));
}

int CSpinButtonCtrl::SetPos32(int position) {
  return static_cast<int>(SendMessage(UDM_SETPOS32, 0, position));
}

int CSpinButtonCtrl::GetPos() const {
  return static_cast<int>(SendMessage(UDM_GETPOS));
}

int CSpinButtonCtrl::GetPos32(BOOL* error) const {
  return static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(error)));
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* buddy) {
  const auto previous = reinterpret_cast<HWND>(
      SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy ? buddy->GetSafeHwnd() : nullptr)));
  return previous != nullptr ? CWnd::FromHandle(previous) : nullptr;
}

CWnd* CSpinButtonCtrl::GetBuddy() const {
  const auto buddy = reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY));
  return buddy != nullptr ? CWnd::FromHandle(buddy) : nullptr;
}

BOOL CSpinButtonCtrl::SetAccel(int count, UDACCEL* accelerations) {
  return static_cast<BOOL>(
      SendMessage(UDM_SETACCEL, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(accelerations)));
}

UINT CSpinButtonCtrl::GetAccel(int count, UDACCEL* accelerations) const {
  return static_cast<UINT>(
      SendMessage(UDM_GETACCEL, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(accelerations)));
}

int CSpinButtonCtrl::SetBase(int base) {
  return static_cast<int>(SendMessage(UDM_SETBASE, static_cast<WPARAM>(base)));
}

UINT CSpinButtonCtrl::GetBase() const {
  return static_cast<UINT>(SendMessage(UDM_GETBASE));
}
