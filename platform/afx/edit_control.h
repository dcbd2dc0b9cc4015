// CEdit: single- and multi-line text fields.
#pragma once

#include "platform/afx/wnd.h"

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  void SetSel(int start, int end, BOOL no_scroll = FALSE);
  void GetSel(int& start, int& end) const;
  void SetLimitText(UINT characters);
  BOOL SetReadOnly(BOOL read_only = TRUE);
  void ReplaceSel(LPCWSTR text, BOOL can_undo = FALSE);
  // The formatting rectangle the text is laid out in.
  void GetRect(LPRECT rect) const;
};
