// CComboBox: drop-down lists, owner-drawn ones included.
#pragma once

#include <string>

#include "platform/afx/wnd.h"

class CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  int AddString(LPCWSTR text);
  int InsertString(int index, LPCWSTR text);
  int DeleteString(UINT index);
  void ResetContent();
  int GetCount() const;
  // -1 when nothing is chosen.
  int GetCurSel() const;
  // -1 (and nothing chosen) leaves the box without a selection, as an index out of range does.
  int SetCurSel(int index);
  // The item's text; empty for an index out of range.
  std::wstring GetLBText(int index) const;
  int FindStringExact(int start_after, LPCWSTR text) const;
  DWORD_PTR GetItemData(int index) const;
  int SetItemData(int index, DWORD_PTR data);
  int SetItemHeight(int index, UINT height);
  void ShowDropDown(BOOL show = TRUE);
  BOOL GetDroppedState() const;
};
