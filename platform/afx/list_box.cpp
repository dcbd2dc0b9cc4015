#include "platform/afx/list_box.h"

#include "platform/afx/item_drawing.h"
#include "platform/win/controls_api.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {
LPARAM text_param(LPCWSTR text) {
  return reinterpret_cast<LPARAM>(text);
}
}  // namespace

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, WC_LISTBOXW, nullptr, style | WS_CHILD, rect, parent, id);
}

int CListBox::AddString(LPCWSTR text) {
  return static_cast<int>(SendMessage(LB_ADDSTRING, 0, text_param(text)));
}

int CListBox::InsertString(int index, LPCWSTR text) {
  return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), text_param(text)));
}

int CListBox::DeleteString(UINT index) {
  return static_cast<int>(SendMessage(LB_DELETESTRING, index));
}

void CListBox::ResetContent() {
  SendMessage(LB_RESETCONTENT);
}

int CListBox::GetCount() const {
  return static_cast<int>(SendMessage(LB_GETCOUNT));
}

int CListBox::GetCurSel() const {
  return static_cast<int>(SendMessage(LB_GETCURSEL));
}

int CListBox::SetCurSel(int index) {
  return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index)));
}

int CListBox::GetTextLen(int index) const {
  return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
}

int CListBox::GetText(int index, std::wstring& text) const {
  const int length = GetTextLen(index);
  if (length < 0) {
    text.clear();
    return length;
  }
  text.assign(static_cast<size_t>(length) + 1, L'\0');
  const int copied = static_cast<int>(
      SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())));
  text.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
  return copied;
}

std::wstring CListBox::GetText(int index) const {
  std::wstring text;
  GetText(index, text);
  return text;
}

int CListBox::FindString(int start_after, LPCWSTR text) const {
  return static_cast<int>(SendMessage(LB_FINDSTRING, static_cast<WPARAM>(start_after), text_param(text)));
}

int CListBox::FindStringExact(int start_after, LPCWSTR text) const {
  return static_cast<int>(
      SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(start_after), text_param(text)));
}

int CListBox::SelectString(int start_after, LPCWSTR text) {
  return static_cast<int>(SendMessage(LB_SELECTSTRING, static_cast<WPARAM>(start_after), text_param(text)));
}

DWORD_PTR CListBox::GetItemData(int index) const {
  return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int CListBox::SetItemData(int index, DWORD_PTR data) {
  return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

int CListBox::GetItemHeight(int index) const {
  return static_cast<int>(SendMessage(LB_GETITEMHEIGHT, static_cast<WPARAM>(index)));
}

int CListBox::SetItemHeight(int index, UINT height) {
  return static_cast<int>(SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), height));
}

int CListBox::GetTopIndex() const {
  return static_cast<int>(SendMessage(LB_GETTOPINDEX));
}

int CListBox::SetTopIndex(int index) {
  return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index)));
}

int CListBox::GetSel(int index) const {
  return static_cast<int>(SendMessage(LB_GETSEL, static_cast<WPARAM>(index)));
}

int CListBox::GetItemRect(int index, LPRECT rect) const {
  return static_cast<int>(
      SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

UINT CListBox::ItemFromPoint(CPoint point, BOOL& outside) const {
  const auto answer = static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)));
  outside = HIWORD(answer) != 0;
  return LOWORD(answer);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  return reflect_item_drawing(*this, message, lParam, result) ||
         CWnd::OnChildNotify(message, wParam, lParam, result);
}
