// CStaticEx: a white label over the parent's background, its size fitted to the label's width.
#pragma once

#include "platform/afx/afx.h"
#include "src/controls/transparent_helper.h"

class CStaticEx : public CStatic {
  DECLARE_DYNAMIC(CStaticEx)
 public:
  ~CStaticEx() override = default;
  // The text's font as the label draws it: the control's font, its height fitted to the width.
  LOGFONTW TextFont(CDC& dc);

 protected:
  void PreSubclassWindow() override;
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* dc);
  DECLARE_MESSAGE_MAP()

 private:
  CTransparentHelper m_transparent;
};
