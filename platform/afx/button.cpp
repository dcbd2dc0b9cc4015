#include "platform/afx/button.h"

#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

namespace {
constexpr UINT kGetCheck = 0x00F0;
constexpr UINT kSetCheck = 0x00F1;
constexpr UINT kGetState = 0x00F2;
constexpr UINT kSetState = 0x00F3;
constexpr UINT kSetStyle = 0x00F4;
}  // namespace

BOOL CButton::Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, L"Button", caption, style | WS_CHILD, rect, parent, id);
}

int CButton::GetCheck() const {
  return static_cast<int>(SendMessage(kGetCheck));
}

void CButton::SetCheck(int check) {
  SendMessage(kSetCheck, static_cast<WPARAM>(check));
}

UINT CButton::GetState() const {
  return static_cast<UINT>(SendMessage(kGetState));
}

void CButton::SetState(BOOL highlight) {
  SendMessage(kSetState, static_cast<WPARAM>(highlight));
}

UINT CButton::GetButtonStyle() const {
  return GetStyle() & 0xFFFF;
}

void CButton::SetButtonStyle(UINT style, BOOL redraw) {
  SendMessage(kSetStyle, style, redraw);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, result);
  DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  if (result != nullptr) *result = TRUE;
  return TRUE;
}
