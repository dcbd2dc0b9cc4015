// The transparent-control protocol. A control that draws over its parent's picture carries the
// window property kTransparentControlTag and, at the start of every paint, asks its parent to
// paint the background under it into the control's DC (WM_TRANSPARENT_BACKGROUND); a parent that
// does not answer gets WM_ERASEBKGND with that DC instead.
#pragma once

#include "platform/afx/afx.h"

inline constexpr const wchar_t* kTransparentControlTag = L"###tranparentctrl_tag###";
// wParam: the DC the child paints into, its origin at the child's top-left; lParam: the child.
// A parent that painted its background answers nonzero.
inline constexpr UINT WM_TRANSPARENT_BACKGROUND = WM_USER + 1021;
// Asked of every tagged child before the parent invalidates it; an answer of 1 opts out.
inline constexpr UINT WM_TRANSPARENT_OPT_OUT = 0x1095;

class CTransparentHelper {
 public:
  virtual ~CTransparentHelper() = default;

  // The child side: marks the control (unless it is marked already) and remembers it.
  void Attach(HWND control);
  HWND GetSafeHwnd() const { return m_hWnd; }
  // Paints the parent's background into dc, by request or by the parent's erase handler.
  void RequestParentBackground(HDC dc) const;

  // The parent side. Copies the part of background (the parent's client area at 1:1) that lies
  // under child to (0, 0) of target.
  static void DrawParentBackground(HWND child, HDC background, HDC target);
  // Invalidates, with erasing, every visible tagged child that does not opt out.
  static void InvalidateTransparentChildren(HWND parent);

 private:
  HWND m_hWnd = nullptr;
};
