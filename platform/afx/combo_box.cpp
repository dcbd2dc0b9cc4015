#include "platform/afx/combo_box.h"

#include "platform/afx/item_drawing.h"
#include "platform/win/controls_api.h"
#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {
LPARAM text_param(LPCWSTR text) {
  return reinterpret_cast<LPARAM>(text);
}
}  // namespace

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, WC_COMBOBOXW, nullptr, style | WS_CHILD, rect, parent, id);
}

int CComboBox::AddString(LPCWSTR text) {
  return static_cast<int>(SendMessage(CB_ADDSTRING, 0, text_param(text)));
}

int CComboBox::InsertString(int index, LPCWSTR text) {
  return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), text_param(text)));
}

int CComboBox::DeleteString(UINT index) {
  return static_cast<int>(SendMessage(CB_DELETESTRING, index));
}

void CComboBox::ResetContent() {
  SendMessage(CB_RESETCONTENT);
}

int CComboBox::GetCount() const {
  return static_cast<int>(SendMessage(CB_GETCOUNT));
}

int CComboBox::GetCurSel() const {
  return static_cast<int>(SendMessage(CB_GETCURSEL));
}

int CComboBox::SetCurSel(int index) {
  return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
}

int CComboBox::GetLBTextLen(int index) const {
  return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
}

int CComboBox::GetLBText(int index, std::wstring& text) const {
  const int length = GetLBTextLen(index);
  if (length < 0) {
    text.clear();
    return length;
  }
  text.assign(static_cast<size_t>(length) + 1, L'\0');
  const int copied = static_cast<int>(
      SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())));
  text.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
  return copied;
}

std::wstring CComboBox::GetLBText(int index) const {
  std::wstring text;
  GetLBText(index, text);
  return text;
}

int CComboBox::FindString(int start_after, LPCWSTR text) const {
  return static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(start_after), text_param(text)));
}

int CComboBox::FindStringExact(int start_after, LPCWSTR text) const {
  return static_cast<int>(
      SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start_after), text_param(text)));
}

int CComboBox::SelectString(int start_after, LPCWSTR text) {
  return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(start_after), text_param(text)));
}

DWORD_PTR CComboBox::GetItemData(int index) const {
  return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
  return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

int CComboBox::GetItemHeight(int index) const {
  return static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(index)));
}

int CComboBox::SetItemHeight(int index, UINT height) {
  return static_cast<int>(SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(index), height));
}

int CComboBox::GetTopIndex() const {
  return static_cast<int>(SendMessage(CB_GETTOPINDEX));
}

int CComboBox::SetTopIndex(int index) {
  return static_cast<int>(SendMessage(CB_SETTOPINDEX, static_cast<WPARAM>(index)));
}

BOOL CComboBox::GetDroppedState() const {
  return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE));
}

void CComboBox::ShowDropDown(BOOL show) {
  SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(show));
}

void CComboBox::GetDroppedControlRect(LPRECT rect) const {
  SendMessage(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(rect));
}

BOOL CComboBox::LimitText(int max_chars) {
  return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(max_chars)));
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  return reflect_item_drawing(*this, message, lParam, result) ||
         CWnd::OnChildNotify(message, wParam, lParam, result);
}
