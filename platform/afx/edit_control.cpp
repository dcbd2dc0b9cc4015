#include "platform/afx/edit_control.h"

#include "platform/win/controls_api.h"
#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, L"Edit", L"", style | WS_CHILD, rect, parent, id);
}

void CEdit::SetSel(int start, int end, BOOL no_scroll) {
  SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
  if (!no_scroll) SendMessage(EM_SCROLLCARET);
}

void CEdit::GetSel(int& start, int& end) const {
  DWORD first = 0;
  DWORD last = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  start = static_cast<int>(first);
  end = static_cast<int>(last);
}

void CEdit::SetLimitText(UINT characters) {
  SendMessage(EM_LIMITTEXT, characters);
}

BOOL CEdit::SetReadOnly(BOOL read_only) {
  return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(read_only)));
}

void CEdit::ReplaceSel(LPCWSTR text, BOOL can_undo) {
  SendMessage(EM_REPLACESEL, static_cast<WPARAM>(can_undo), reinterpret_cast<LPARAM>(text));
}

void CEdit::GetRect(LPRECT rect) const {
  SendMessage(EM_GETRECT, 0, reinterpret_cast<LPARAM>(rect));
}
