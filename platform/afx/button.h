// CButton: the push button, check box and radio button wrapper. An owner-drawn button draws
// itself in DrawItem, which its parent's WM_DRAWITEM reaches by reflection.
#pragma once

#include "platform/afx/wnd.h"

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)
 public:
  BOOL Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
  int GetCheck() const;
  void SetCheck(int check);
  UINT GetState() const;
  void SetState(BOOL highlight);
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT style, BOOL redraw = TRUE);
  virtual void DrawItem(LPDRAWITEMSTRUCT draw);

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
