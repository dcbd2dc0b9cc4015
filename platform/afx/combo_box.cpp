#include "platform/afx/combo_box.h"

#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {
constexpr UINT kAddString = 0x0143;
constexpr UINT kDeleteString = 0x0144;
constexpr UINT kGetCount = 0x0146;
constexpr UINT kGetCurSel = 0x0147;
constexpr UINT kGetText = 0x0148;
constexpr UINT kGetTextLength = 0x0149;
constexpr UINT kInsertString = 0x014A;
constexpr UINT kResetContent = 0x014B;
constexpr UINT kSetCurSel = 0x014E;
constexpr UINT kShowDropDown = 0x014F;
constexpr UINT kGetItemData = 0x0150;
constexpr UINT kSetItemData = 0x0151;
constexpr UINT kSetItemHeight = 0x0153;
constexpr UINT kGetDroppedState = 0x0157;
constexpr UINT kFindStringExact = 0x0158;
}  // namespace

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, L"ComboBox", L"", style | WS_CHILD, rect, parent, id);
}

int CComboBox::AddString(LPCWSTR text) {
  return static_cast<int>(SendMessage(kAddString, 0, reinterpret_cast<LPARAM>(text)));
}

int CComboBox::InsertString(int index, LPCWSTR text) {
  return static_cast<int>(
      SendMessage(kInsertString, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

int CComboBox::DeleteString(UINT index) {
  return static_cast<int>(SendMessage(kDeleteString, index));
}

void CComboBox::ResetContent() {
  SendMessage(kResetContent);
}

int CComboBox::GetCount() const {
  return static_cast<int>(SendMessage(kGetCount));
}

int CComboBox::GetCurSel() const {
  return static_cast<int>(SendMessage(kGetCurSel));
}

int CComboBox::SetCurSel(int index) {
  return static_cast<int>(SendMessage(kSetCurSel, static_cast<WPARAM>(index)));
}

std::wstring CComboBox::GetLBText(int index) const {
  LRESULT length = SendMessage(kGetTextLength, static_cast<WPARAM>(index));
  if (length < 0) return std::wstring();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  LRESULT copied = SendMessage(kGetText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
  return text;
}

int CComboBox::FindStringExact(int start_after, LPCWSTR text) const {
  return static_cast<int>(
      SendMessage(kFindStringExact, static_cast<WPARAM>(start_after), reinterpret_cast<LPARAM>(text)));
}

DWORD_PTR CComboBox::GetItemData(int index) const {
  return static_cast<DWORD_PTR>(SendMessage(kGetItemData, static_cast<WPARAM>(index)));
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
  return static_cast<int>(SendMessage(kSetItemData, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

int CComboBox::SetItemHeight(int index, UINT height) {
  return static_cast<int>(SendMessage(kSetItemHeight, static_cast<WPARAM>(index), height));
}

void CComboBox::ShowDropDown(BOOL show) {
  SendMessage(kShowDropDown, static_cast<WPARAM>(show));
}

BOOL CComboBox::GetDroppedState() const {
  return static_cast<BOOL>(SendMessage(kGetDroppedState));
}
