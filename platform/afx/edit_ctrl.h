// CEdit: the edit control wrapper.
#pragma once

#include <string>

#include "platform/afx/wnd.h"

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  void LimitText(int max_chars = 0);
  void SetLimitText(UINT max_chars);
  UINT GetLimitText() const;
  // The selection as start and end character positions.
  void GetSel(int& start, int& end) const;
  void SetSel(int start, int end, BOOL no_scroll = FALSE);
  void ReplaceSel(LPCWSTR text, BOOL can_undo = FALSE);
  BOOL SetReadOnly(BOOL read_only = TRUE);
  // The formatting rectangle the text is laid out in.
  void GetRect(LPRECT rect) const;
  void SetRect(LPCRECT rect);
  int GetLineCount() const;
  int LineIndex(int line = -1) const;
  int LineLength(int char_index = -1) const;
  std::wstring GetLine(int line) const;
  BOOL GetModify() const;
  void SetModify(BOOL modified = TRUE);
  void SetPasswordChar(wchar_t ch);
  BOOL CanUndo() const;
  BOOL Undo();
  void EmptyUndoBuffer();
};
