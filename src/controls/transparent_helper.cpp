#include "src/controls/transparent_helper.h"

void CTransparentHelper::Attach(HWND control) {
  m_hWnd = control;
  if (GetPropW(control, kTransparentControlTag) == nullptr)
    SetPropW(control, kTransparentControlTag, reinterpret_cast<HANDLE>(control));
}

void CTransparentHelper::RequestParentBackground(HDC dc) const {
  HWND parent = ::GetParent(m_hWnd);
  if (parent == nullptr) return;
  const auto dc_param = reinterpret_cast<WPARAM>(dc);
  if (::SendMessageW(parent, WM_TRANSPARENT_BACKGROUND, dc_param, reinterpret_cast<LPARAM>(m_hWnd)) == 0)
    ::SendMessageW(parent, WM_ERASEBKGND, dc_param, 0);
}

void CTransparentHelper::DrawParentBackground(HWND child, HDC background, HDC target) {
  RECT area{};
  ::GetWindowRect(child, &area);
  ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&area), 2);
  ::BitBlt(target, 0, 0, area.right - area.left, area.bottom - area.top, background, area.left, area.top,
           SRCCOPY);
}

void CTransparentHelper::InvalidateTransparentChildren(HWND parent) {
  for (HWND child = ::GetTopWindow(parent); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(child) || ::GetPropW(child, kTransparentControlTag) == nullptr) continue;
    if (::SendMessageW(child, WM_TRANSPARENT_OPT_OUT, 0, 0) == 1) continue;
    ::InvalidateRect(child, nullptr, TRUE);
  }
}
