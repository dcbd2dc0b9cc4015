// CListCtrl: the list view wrapper, for report view.
#pragma once

#include <string>

#include "platform/afx/wnd.h"
#include "platform/win/controls_api.h"

// A place in a sequence, for walking it; null past the end.
struct PositionMark;
using POSITION = PositionMark*;

class CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  int InsertColumn(int column, LPCWSTR caption, int format = LVCFMT_LEFT, int width = -1, int sub_item = -1);
  BOOL DeleteColumn(int column);
  int GetColumnWidth(int column) const;
  BOOL SetColumnWidth(int column, int width);
  CWnd* GetHeaderCtrl() const;
  int InsertItem(int item, LPCWSTR text);
  BOOL SetItemText(int item, int sub_item, LPCWSTR text);
  std::wstring GetItemText(int item, int sub_item) const;
  BOOL SetItemData(int item, DWORD_PTR data);
  DWORD_PTR GetItemData(int item) const;
  BOOL SetItemState(int item, UINT state, UINT mask);
  UINT GetItemState(int item, UINT mask) const;
  BOOL DeleteItem(int item);
  BOOL DeleteAllItems();
  int GetItemCount() const;
  int GetSelectedCount() const;
  // The next row after item (-1: from the start) with the LVNI_ flags' states.
  int GetNextItem(int item, int flags) const;
  // The first selected row, as a position for GetNextSelectedItem: 0 for none, else row + 1.
  POSITION GetFirstSelectedItemPosition() const;
  int GetNextSelectedItem(POSITION& position) const;
  BOOL EnsureVisible(int item, BOOL partial_ok);
  int GetTopIndex() const;
  int GetCountPerPage() const;
  int HitTest(POINT point, UINT* flags = nullptr) const;
  BOOL GetItemRect(int item, LPRECT rect, UINT code) const;
  BOOL SetBkColor(COLORREF colour);
  COLORREF GetBkColor() const;
  BOOL SetTextColor(COLORREF colour);
  COLORREF GetTextColor() const;
  BOOL SetTextBkColor(COLORREF colour);
  COLORREF GetTextBkColor() const;
  DWORD SetExtendedStyle(DWORD styles);
  DWORD GetExtendedStyle() const;
};
