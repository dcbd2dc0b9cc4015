// CListBox: the list box wrapper. An owner-drawn one draws and measures its items in DrawItem
// and MeasureItem, which its parent's WM_DRAWITEM and WM_MEASUREITEM reach by reflection.
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
  int GetText(int index, std::wstring& text) const;
  std::wstring GetText(int index) const;
  int GetTextLen(int index) const;
  int FindString(int start_after, LPCWSTR text) const;
  int FindStringExact(int start_after, LPCWSTR text) const;
  int SelectString(int start_after, LPCWSTR text);
  DWORD_PTR GetItemData(int index) const;
  int SetItemData(int index, DWORD_PTR data);
  int GetItemHeight(int index) const;
  int SetItemHeight(int index, UINT height);
  int GetTopIndex() const;
  int SetTopIndex(int index);
  int GetSel(int index) const;
  int GetItemRect(int index, LPRECT rect) const;
  // The item nearest to a client point; outside is set when the point lies beyond every item.
  UINT ItemFromPoint(CPoint point, BOOL& outside) const;

  virtual void DrawItem(LPDRAWITEMSTRUCT draw);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT measure);

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
