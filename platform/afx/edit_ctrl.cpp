#include "platform/afx/edit_ctrl.h"

#include "platform/win/controls_api.h"
#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, WC_EDITW, L"", style | WS_CHILD, rect, parent, id);
}

void CEdit::LimitText(int max_chars) {
  SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(max_chars));
}

void CEdit::SetLimitText(UINT max_chars) {
  SendMessage(EM_SETLIMITTEXT, max_chars);
}

UINT CEdit::GetLimitText() const {
  return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT));
}

void CEdit::GetSel(int& start, int& end) const {
  DWORD first = 0;
  DWORD last = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  start = static_cast<int>(first);
  end = static_cast<int>(last);
}

void CEdit::SetSel(int start, int end, BOOL no_scroll) {
  SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
  if (!no_scroll) SendMessage(EM_SCROLLCARET);
}

void CEdit::ReplaceSel(LPCWSTR text, BOOL can_undo) {
  SendMessage(EM_REPLACESEL, static_cast<WPARAM>(can_undo), reinterpret_cast<LPARAM>(text));
}

BOOL CEdit::SetReadOnly(BOOL read_only) {
  return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(read_only)));
}

void CEdit::GetRect(LPRECT rect) const {
  SendMessage(EM_GETRECT, 0, reinterpret_cast<LPARAM>(rect));
}

void CEdit::SetRect(LPCRECT rect) {
  SendMessage(EM_SETRECT, 0, reinterpret_cast<LPARAM>(rect));
}

int CEdit::GetLineCount() const {
  return static_cast<int>(SendMessage(EM_GETLINECOUNT));
}

int CEdit::LineIndex(int line) const {
  return static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(line)));
}

int CEdit::LineLength(int char_index) const {
  return static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(char_index)));
}

std::wstring CEdit::GetLine(int line) const {
  const int length = LineLength(LineIndex(line));
  if (length <= 0) return {};
  // EM_GETLINE takes the buffer's size in its first character.
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text[0] = static_cast<wchar_t>(length + 1);
  const auto copied =
      SendMessage(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

BOOL CEdit::GetModify() const {
  return static_cast<BOOL>(SendMessage(EM_GETMODIFY));
}

void CEdit::SetModify(BOOL modified) {
  SendMessage(EM_SETMODIFY, static_cast<WPARAM>(modified));
}

void CEdit::SetPasswordChar(wchar_t ch) {
  SendMessage(EM_SETPASSWORDCHAR, ch);
}

BOOL CEdit::CanUndo() const {
  return static_cast<BOOL>(SendMessage(EM_CANUNDO));
}

BOOL CEdit::Undo() {
  return static_cast<BOOL>(SendMessage(EM_UNDO));
}

void CEdit::EmptyUndoBuffer() {
  SendMessage(EM_EMPTYUNDOBUFFER);
}
