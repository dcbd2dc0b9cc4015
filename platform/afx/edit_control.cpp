#include "platform/afx/edit_control.h"

#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

namespace {
constexpr UINT kGetSel = 0x00B0;
constexpr UINT kSetSel = 0x00B1;
constexpr UINT kGetRect = 0x00B2;
constexpr UINT kReplaceSel = 0x00C2;
constexpr UINT kLimitText = 0x00C5;
constexpr UINT kSetReadOnly = 0x00CF;
constexpr UINT kScrollCaret = 0x00B7;
}  // namespace

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, L"Edit", L"", style | WS_CHILD, rect, parent, id);
}

void CEdit::SetSel(int start, int end, BOOL no_scroll) {
  SendMessage(kSetSel, static_cast<WPARAM>(start), end);
  if (!no_scroll) SendMessage(kScrollCaret);
}

void CEdit::GetSel(int& start, int& end) const {
  DWORD first = 0;
  DWORD last = 0;
  SendMessage(kGetSel, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  start = static_cast<int>(first);
  end = static_cast<int>(last);
}

void CEdit::SetLimitText(UINT characters) {
  SendMessage(kLimitText, characters);
}

BOOL CEdit::SetReadOnly(BOOL read_only) {
  return static_cast<BOOL>(SendMessage(kSetReadOnly, static_cast<WPARAM>(read_only)));
}

void CEdit::ReplaceSel(LPCWSTR text, BOOL can_undo) {
  SendMessage(kReplaceSel, static_cast<WPARAM>(can_undo), reinterpret_cast<LPARAM>(text));
}

void CEdit::GetRect(LPRECT rect) const {
  SendMessage(kGetRect, 0, reinterpret_cast<LPARAM>(rect));
}
