// CComboBox: the combo box wrapper. An owner-drawn one draws and measures its items in DrawItem
// and MeasureItem, which its parent's WM_DRAWITEM and WM_MEASUREITEM reach by reflection.
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
  int GetCurSel() const;
  int SetCurSel(int index);
  int GetLBText(int index, std::wstring& text) const;
  std::wstring GetLBText(int index) const;
  int GetLBTextLen(int index) const;
  int FindString(int start_after, LPCWSTR text) const;
  int FindStringExact(int start_after, LPCWSTR text) const;
  int SelectString(int start_after, LPCWSTR text);
  DWORD_PTR GetItemData(int index) const;
  int SetItemData(int index, DWORD_PTR data);
  // Index -1 is the selection field, any other the list's items.
  int GetItemHeight(int index) const;
  int SetItemHeight(int index, UINT height);
  int GetTopIndex() const;
  int SetTopIndex(int index);
  BOOL GetDroppedState() const;
  void ShowDropDown(BOOL show = TRUE);
  void GetDroppedControlRect(LPRECT rect) const;
  BOOL LimitText(int max_chars);

  virtual void DrawItem(LPDRAWITEMSTRUCT draw);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT measure);

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
