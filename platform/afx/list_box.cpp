#include "platform/afx/list_box.h"

#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {
constexpr UINT kAddString = 0x0180;
constexpr UINT kInsertString = 0x0181;
constexpr UINT kDeleteString = 0x0182;
constexpr UINT kResetContent = 0x0184;
constexpr UINT kSetCurSel = 0x0186;
constexpr UINT kGetCurSel = 0x0188;
constexpr UINT kGetText = 0x0189;
constexpr UINT kGetTextLength = 0x018A;
constexpr UINT kGetCount = 0x018B;
}  // namespace

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, L"ListBox", L"", style | WS_CHILD, rect, parent, id);
}

int CListBox::AddString(LPCWSTR text) {
  return static_cast<int>(SendMessage(kAddString, 0, reinterpret_cast<LPARAM>(text)));
}

int CListBox::InsertString(int index, LPCWSTR text) {
  return static_cast<int>(
      SendMessage(kInsertString, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

int CListBox::DeleteString(UINT index) {
  return static_cast<int>(SendMessage(kDeleteString, index));
}

void CListBox::ResetContent() {
  SendMessage(kResetContent);
}

int CListBox::GetCount() const {
  return static_cast<int>(SendMessage(kGetCount));
}

int CListBox::GetCurSel() const {
  return static_cast<int>(SendMessage(kGetCurSel));
}

int CListBox::SetCurSel(int index) {
  return static_cast<int>(SendMessage(kSetCurSel, static_cast<WPARAM>(index)));
}

std::wstring CListBox::GetText(int index) const {
  LRESULT length = SendMessage(kGetTextLength, static_cast<WPARAM>(index));
  if (length < 0) return std::wstring();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  LRESULT copied = SendMessage(kGetText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
  return text;
}
