#include "src/media/folder_dialog.h"

#include <algorithm>

#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/media/media_button_face.h"
#include "src/media/media_class.h"
#include "src/media/multimedia_control_dlg.h"
#include "src/media/players/media_players.h"
#include "src/util/folder_listings.h"
#include "src/util/localized_text.h"

namespace {

constexpr int FirstRowId = 1750;
constexpr int PageLabelId = 1760;
constexpr int PreviousPageId = 11145;
constexpr int NextPageId = 11146;
constexpr UINT CancelText = 9002;
constexpr UINT CancelTextStep = 20;
constexpr int LargerBy = 10;

constexpr COLORREF EvenRowColour = RGB(0, 0, 0);
constexpr COLORREF OddRowColour = RGB(30, 30, 30);
constexpr COLORREF RowTextColour = RGB(20, 100, 160);
constexpr COLORREF PageLabelColour = RGB(255, 40, 40);

struct PickerButton {
  int id;
  std::array<int, 4> bitmaps;
};
constexpr std::array<PickerButton, 3> PickerButtons{{
    {PreviousPageId, {5464, 5465, 5466, 5464}},
    {NextPageId, {5461, 5462, 5463, 5461}},
    {IDCANCEL, {5126, 5128, 5127, 5126}},
}};

bool IsRow(int id) {
  return id >= FirstRowId && id < FirstRowId + PickerRows;
}

std::vector<std::wstring> ListFolder(const std::wstring& folder, int kind) {
  switch (kind) {
    case VideoKind:
      return ListVideoFiles(folder);
    case AudioKind:
      return ListAudioFiles(folder);
    case ScriptKind:
      return ListScriptFiles(folder);
    default:
      return {};
  }
}

}  // namespace

int PickerPageCount(std::size_t entries) {
  return std::max(1, static_cast<int>((entries + PickerRows - 1) / PickerRows));
}

std::wstring PickerPageLabel(int page, std::size_t entries) {
  return std::to_wstring(page) + L"/" + std::to_wstring(PickerPageCount(entries));
}

BEGIN_MESSAGE_MAP(CFolderDialog, CDialog)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_WM_LBUTTONUP()
ON_BN_CLICKED(PreviousPageId, &CFolderDialog::OnPreviousPage)
ON_BN_CLICKED(NextPageId, &CFolderDialog::OnNextPage)
ON_BN_CLICKED(IDCANCEL, &CFolderDialog::OnClose)
END_MESSAGE_MAP()

CFolderDialog::CFolderDialog(COrvennaConsoleDlg* main, unsigned language, int k, CMultimediaControlDlg* panel)
    : CDialog(FolderPickerTemplate, panel), main_(main), language_(language), k_(k), panel_(panel) {}

BOOL CFolderDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  entries_ = ListFolder(main_->mediaFolder, main_->mediaKind);
  LOGFONTW font{};
  if (CFont* dialogFont = GetFont()) dialogFont->GetLogFont(&font);
  font.lfHeight = font.lfHeight < 0 ? font.lfHeight - LargerBy : font.lfHeight + LargerBy;
  largeFont_.CreateFontIndirect(&font);
  for (int id = FirstRowId; id <= PageLabelId; ++id)
    if (CWnd* control = GetDlgItem(id)) control->SetFont(&largeFont_);
  for (std::size_t i = 0; i < PickerButtons.size(); ++i) {
    buttons_[i].m_nNormalId = PickerButtons[i].bitmaps[0];
    buttons_[i].m_nActiveId = PickerButtons[i].bitmaps[1];
    buttons_[i].m_nExtra1Id = PickerButtons[i].bitmaps[2];
    buttons_[i].m_nExtra2Id = PickerButtons[i].bitmaps[3];
    buttons_[i].SubclassDlgItem(PickerButtons[i].id, this);
  }
  buttons_[2].SetWindowText(LoadResourceText(CancelText + CancelTextStep * language_).c_str());
  page_ = 1;
  ShowPageLabel();
  ShowPage(1);
  return TRUE;
}

void CFolderDialog::ShowPageLabel() {
  SetDlgItemText(PageLabelId, PickerPageLabel(page_, entries_.size()).c_str());
}

void CFolderDialog::ShowPage(int page) {
  if (entries_.empty()) return;
  const std::size_t first = static_cast<std::size_t>(page - 1) * PickerRows;
  for (int i = 0; i < PickerRows; ++i) {
    const std::size_t entry = first + i;
    SetDlgItemText(FirstRowId + i, entry < entries_.size() ? entries_[entry].c_str() : L"");
  }
}

void CFolderDialog::OnNextPage() {
  page_ = page_ < PickerPageCount(entries_.size()) ? page_ + 1 : 1;
  ShowPage(page_);
  ShowPageLabel();
}

void CFolderDialog::OnPreviousPage() {
  page_ = page_ > 1 ? page_ - 1 : PickerPageCount(entries_.size());
  ShowPage(page_);
  ShowPageLabel();
}

void CFolderDialog::OnClose() {
  EndDialog(0);
}

BOOL CFolderDialog::OnEraseBkgnd(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(&client, RGB(0, 0, 0));
  return TRUE;
}

HBRUSH CFolderDialog::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColour) {
  const int id = wnd != nullptr ? wnd->GetDlgCtrlID() : 0;
  if (!IsRow(id) && id != PageLabelId) return CDialog::OnCtlColor(dc, wnd, ctlColour);
  const COLORREF background = IsRow(id) && (id - FirstRowId) % 2 == 1 ? OddRowColour : EvenRowColour;
  CRect area;
  wnd->GetClientRect(&area);
  dc->FillSolidRect(&area, background);
  dc->SetTextColor(id == PageLabelId ? PageLabelColour : RowTextColour);
  dc->SetBkColor(background);
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CFolderDialog::OnLButtonUp(UINT flags, CPoint point) {
  for (int i = 0; i < PickerRows; ++i) {
    CWnd* row = GetDlgItem(FirstRowId + i);
    if (row == nullptr) continue;
    CRect place;
    row->GetWindowRect(&place);
    ScreenToClient(&place);
    if (!place.PtInRect(point)) continue;
    const std::size_t entry = static_cast<std::size_t>(page_ - 1) * PickerRows + i;
    if (!GetDlgItemText(FirstRowId + i).empty() && entry < entries_.size()) Pick(entries_[entry]);
    return;
  }
  CDialog::OnLButtonUp(flags, point);
}

void CFolderDialog::Pick(const std::wstring& entry) {
  const std::wstring suffix = L"\\" + entry;
  switch (main_->mediaKind) {
    case VideoKind:
      EndDialog(0);
      main_->PlayVideo(suffix, k_);
      return;
    case AudioKind:
      EndDialog(0);
      if (main_->PlayAudio(k_, suffix) == AudioPlaysOn) panel_->SetButtonCaption(k_, RunningCaption);
      return;
    case ScriptKind:
      // A script deleted since the folder was listed runs nothing, and nothing may wait for it.
      if (!FindMediaPath(main_->mediaFolder + suffix)) {
        EndDialog(0);
        return;
      }
      main_->mediaActive[k_] = true;
      main_->scriptRunning = true;
      EndDialog(0);
      if (!main_->RunScriptFile(main_->mediaFolder + suffix)) {
        main_->mediaActive[k_] = false;
        main_->scriptRunning = false;
      }
      panel_->TakeForeground();
      return;
    default:
      return;
  }
}
