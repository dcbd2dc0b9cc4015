// CListBox: lists of texts with a selection.
#pragma once

#include <string>

#include "platform/afx/wnd.h"

class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  int AddString(LPCWSTR text);
  int InsertString(int index, LPCWSTR text);
  int DeleteString(UINT index);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);
  // The item's text; empty for an index out of range.
  std::wstring GetText(int index) const;
};
