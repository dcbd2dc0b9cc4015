#include "src/media/pdf/pdf_list_file_dlg.h"

#include <algorithm>

#include "platform/afx/data_exchange.h"
#include "platform/win/win32.h"
#include "src/media/pdf/pdf_dialog.h"
#include "src/settings/ini_files.h"

namespace {

constexpr BYTE ListAlpha = 240;
constexpr UINT_PTR FillTimer = 100;
constexpr UINT FillDelayMs = 200;
constexpr int NameColumnWidth = 240;
constexpr COLORREF ListBackground = RGB(0, 0, 0);
constexpr COLORREF ListText = RGB(93, 0, 0);
constexpr int OkNormalBitmap = 11091;
constexpr int OkActiveBitmap = 11092;
constexpr int CancelNormalBitmap = 8411;
constexpr int CancelActiveBitmap = 8412;
constexpr wchar_t PdfFolderSection[] = L"startup";
constexpr wchar_t PdfFolderKey[] = L"pdffolder";

std::wstring WithoutTrailingBackslashes(std::wstring folder) {
  while (!folder.empty() && folder.back() == L'\\')
    folder.pop_back();
  return folder;
}

}  // namespace

BEGIN_MESSAGE_MAP(CPDFListFileDlg, CDialog)
ON_WM_TIMER()
ON_WM_ERASEBKGND()
ON_NOTIFY(NM_DBLCLK, PdfListId, &CPDFListFileDlg::OnDblClkList)
ON_BN_CLICKED(IDOK, &CPDFListFileDlg::OnOpenSelected)
END_MESSAGE_MAP()

CPDFListFileDlg::CPDFListFileDlg(CWnd* parent) : CDialog(PdfListTemplate, parent) {}

void CPDFListFileDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, PdfListId, list_);
}

BOOL CPDFListFileDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ModifyStyleEx(0, WS_EX_LAYERED);
  ::SetLayeredWindowAttributes(m_hWnd, 0, ListAlpha, LWA_ALPHA);
  CRect client;
  list_.GetClientRect(&client);
  list_.InsertColumn(0, L"File name", LVCFMT_LEFT, NameColumnWidth);
  list_.InsertColumn(1, L"Size", LVCFMT_LEFT,
                     std::max(0, static_cast<int>(client.Width()) - NameColumnWidth));
  std::wstring folder;
  ReadIniValue(ConsoleIniFile, PdfFolderSection, PdfFolderKey, folder);
  folder_ = WithoutTrailingBackslashes(folder);
  list_.SetBkColor(ListBackground);
  list_.SetTextBkColor(ListBackground);
  list_.SetTextColor(ListText);
  okButton_.m_nNormalId = OkNormalBitmap;
  okButton_.m_nActiveId = OkActiveBitmap;
  okButton_.SubclassDlgItem(IDOK, this);
  cancelButton_.m_nNormalId = CancelNormalBitmap;
  cancelButton_.m_nActiveId = CancelActiveBitmap;
  cancelButton_.SubclassDlgItem(IDCANCEL, this);
  SetTimer(FillTimer, FillDelayMs);
  return TRUE;
}

void CPDFListFileDlg::OnTimer(UINT_PTR id) {
  if (id != FillTimer) return CDialog::OnTimer(id);
  KillTimer(FillTimer);
  FillList();
}

BOOL CPDFListFileDlg::OnEraseBkgnd(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(&client, RGB(0, 0, 0));
  return TRUE;
}

void CPDFListFileDlg::FillList() {
  list_.DeleteAllItems();
  const std::vector<PdfListRow> rows = ListPdfFolder(folder_, PdfPattern);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int item = list_.InsertItem(static_cast<int>(i), rows[i].name.c_str());
    list_.SetItemText(item, 1, rows[i].size.c_str());
    list_.SetItemData(item, static_cast<DWORD_PTR>(rows[i].kind));
  }
}

void CPDFListFileDlg::OnDblClkList(NMHDR* header, LRESULT* result) {
  *result = 0;
  const int item = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
  if (item >= 0 && item < list_.GetItemCount()) Choose(item);
}

void CPDFListFileDlg::OnOpenSelected() {
  const int item = list_.GetNextItem(-1, LVNI_SELECTED);
  if (item < 0) {
    EndDialog(0);
    return;
  }
  Choose(item);
}

void CPDFListFileDlg::Choose(int item) {
  const PdfListRow row{static_cast<PdfRowKind>(list_.GetItemData(item)), list_.GetItemText(item, 0), {}};
  switch (row.kind) {
    case PdfRowKind::ParentFolder:
      if (ParentPdfFolder(folder_, folder_)) FillList();
      return;
    case PdfRowKind::SubFolder:
      folder_ = PdfRowPath(folder_, row);
      FillList();
      return;
    case PdfRowKind::Document:
      OpenDocument(PdfRowPath(folder_, row));
      return;
  }
}

void CPDFListFileDlg::OpenDocument(const std::wstring& path) {
  EndDialog(0);
  viewer_ = CPDFDialog::Open(path, this);
}
