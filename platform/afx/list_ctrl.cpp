#include "platform/afx/list_ctrl.h"

#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, WC_LISTVIEWW, nullptr, style | WS_CHILD, rect, parent, id);
}

int CListCtrl::InsertColumn(int column, LPCWSTR caption, int format, int width, int sub_item) {
  LVCOLUMNW info{};
  info.mask = LVCF_TEXT | LVCF_FMT;
  info.pszText = const_cast<LPWSTR>(caption);
  info.fmt = format;
  if (width >= 0) {
    info.mask |= LVCF_WIDTH;
    info.cx = width;
  }
  if (sub_item >= 0) {
    info.mask |= LVCF_SUBITEM;
    info.iSubItem = sub_item;
  }
  return static_cast<int>(
      SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info)));
}

BOOL CListCtrl::DeleteColumn(int column) {
  return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, static_cast<WPARAM>(column)));
}

int CListCtrl::GetColumnWidth(int column) const {
  return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

BOOL CListCtrl::SetColumnWidth(int column, int width) {
  return static_cast<BOOL>(
      SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)));
}

CWnd* CListCtrl::GetHeaderCtrl() const {
  const auto header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
  return header != nullptr ? CWnd::FromHandle(header) : nullptr;
}

int CListCtrl::InsertItem(int item, LPCWSTR text) {
  LVITEMW info{};
  info.mask = LVIF_TEXT;
  info.iItem = item;
  info.pszText = const_cast<LPWSTR>(text);
  return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CListCtrl::SetItemText(int item, int sub_item, LPCWSTR text) {
  LVITEMW info{};
  info.iSubItem = sub_item;
  info.pszText = const_cast<LPWSTR>(text);
  return static_cast<BOOL>(
      SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
}

std::wstring CListCtrl::GetItemText(int item, int sub_item) const {
  std::wstring text(260, L'\0');
  LVITEMW info{};
  info.iSubItem = sub_item;
  info.pszText = text.data();
  info.cchTextMax = static_cast<int>(text.size());
  const auto length =
      SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
  LVITEMW info{};
  info.mask = LVIF_PARAM;
  info.iItem = item;
  info.lParam = static_cast<LPARAM>(data);
  return static_cast<BOOL>(SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&info)));
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
  LVITEMW info{};
  info.mask = LVIF_PARAM;
  info.iItem = item;
  SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
  return static_cast<DWORD_PTR>(info.lParam);
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
  LVITEMW info{};
  info.state = state;
  info.stateMask = mask;
  return static_cast<BOOL>(
      SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
}

UINT CListCtrl::GetItemState(int item, UINT mask) const {
  return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
}

BOOL CListCtrl::DeleteItem(int item) {
  return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(item)));
}

BOOL CListCtrl::DeleteAllItems() {
  return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS));
}

int CListCtrl::GetItemCount() const {
  return static_cast<int>(SendMessage(LVM_GETITEMCOUNT));
}

int CListCtrl::GetSelectedCount() const {
  return static_cast<int>(SendMessage(LVM_GETSELECTEDCOUNT));
}

int CListCtrl::GetNextItem(int item, int flags) const {
  return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(item), MAKELPARAM(flags, 0)));
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const {
  const int first = GetNextItem(-1, LVNI_SELECTED);
  return reinterpret_cast<POSITION>(static_cast<INT_PTR>(first + 1));
}

int CListCtrl::GetNextSelectedItem(POSITION& position) const {
  const int item = static_cast<int>(reinterpret_cast<INT_PTR>(position)) - 1;
  const int next = GetNextItem(item, LVNI_SELECTED);
  position = reinterpret_cast<POSITION>(static_cast<INT_PTR>(next + 1));
  return item;
}

BOOL CListCtrl::EnsureVisible(int item, BOOL partial_ok) {
  return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), partial_ok));
}

int CListCtrl::GetTopIndex() const {
  return static_cast<int>(SendMessage(LVM_GETTOPINDEX));
}

int CListCtrl::GetCountPerPage() const {
  return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE));
}

int CListCtrl::HitTest(POINT point, UINT* flags) const {
  LVHITTESTINFO info{};
  info.pt = point;
  const int item = static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
  if (flags != nullptr) *flags = info.flags;
  return item;
}

BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT code) const {
  if (rect == nullptr) return FALSE;
  rect->left = static_cast<LONG>(code);
  return static_cast<BOOL>(
      SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(rect)));
}

BOOL CListCtrl::SetBkColor(COLORREF colour) {
  return static_cast<BOOL>(SendMessage(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(colour)));
}

COLORREF CListCtrl::GetBkColor() const {
  return static_cast<COLORREF>(SendMessage(LVM_GETBKCOLOR));
}

BOOL CListCtrl::SetTextColor(COLORREF colour) {
  return static_cast<BOOL>(SendMessage(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(colour)));
}

COLORREF CListCtrl::GetTextColor() const {
  return static_cast<COLORREF>(SendMessage(LVM_GETTEXTCOLOR));
}

BOOL CListCtrl::SetTextBkColor(COLORREF colour) {
  return static_cast<BOOL>(SendMessage(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(colour)));
}

COLORREF CListCtrl::GetTextBkColor() const {
  return static_cast<COLORREF>(SendMessage(LVM_GETTEXTBKCOLOR));
}

DWORD CListCtrl::SetExtendedStyle(DWORD styles) {
  return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(styles)));
}

DWORD CListCtrl::GetExtendedStyle() const {
  return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
}
