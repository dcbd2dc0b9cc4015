// CEditEx: an edit field that shows its text in red over the parent's background, sized to fit
// the field; the main window's status line is one.
#pragma once

#include "platform/afx/afx.h"
#include "src/controls/transparent_helper.h"

class CEditEx : public CEdit {
  DECLARE_DYNAMIC(CEditEx)
 public:
  ~CEditEx() override = default;

 protected:
  void PreSubclassWindow() override;
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* dc);
  void OnLButtonUp(UINT flags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  int FittedHeight(CDC& dc, const LOGFONTW& font, const std::wstring& text);

  CTransparentHelper m_transparent;
};
