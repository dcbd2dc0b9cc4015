#include "src/catalog/search/messier_dlg.h"

#include "platform/afx/message_map_entries.h"
#include "platform/win/win32.h"
#include "src/catalog/search/search_choice.h"
#include "src/catalog/search/slot_picture.h"
#include "src/link/planetarium_install.h"

namespace {

constexpr int FirstThumbnailId = 19501;
constexpr int FirstCaptionId = 19450;
constexpr int FirstPageId = 19601;
constexpr int LastPageId = FirstPageId + PickerPages - 1;
constexpr int PageFace = 11100;
constexpr int PageFaceActive = 11101;

}  // namespace

BEGIN_MESSAGE_MAP(CMessierDlg, CDialog)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_WM_LBUTTONUP()
ON_COMMAND_RANGE(FirstPageId, LastPageId, &CMessierDlg::OnPageButton)
END_MESSAGE_MAP()

CMessierDlg::CMessierDlg(CConsoleState* state, CWnd* parent) : CDialog(IDD, parent), state_(state) {
  if (state_ != nullptr) state_->SetSearchTarget(L"", TypedTextKind, 0);
}

BOOL CMessierDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  for (int page = 0; page < PickerPages; ++page) {
    pageButtons_[page].m_nNormalId = PageFace;
    pageButtons_[page].m_nActiveId = PageFaceActive;
    pageButtons_[page].SubclassDlgItem(static_cast<UINT>(FirstPageId + page), this);
  }
  for (std::size_t slot = 0; slot < PickerSlots; ++slot)
    thumbnails_[slot].SubclassDlgItem(FirstThumbnailId + static_cast<int>(slot), this);
  FindPlanetariumFolder(installFolder_);
  lists_ = BuildMessierPickerLists(installFolder_);
  return TRUE;
}

BOOL CMessierDlg::OnEraseBkgnd(CDC* dc) {
  CRect area;
  GetClientRect(&area);
  ::FillRect(dc->GetSafeHdc(), &area, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  return TRUE;
}

HBRUSH CMessierDlg::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColour) {
  const int id = wnd != nullptr ? wnd->GetDlgCtrlID() : 0;
  if (id < FirstCaptionId || id >= FirstCaptionId + static_cast<int>(PickerSlots))
    return CDialog::OnCtlColor(dc, wnd, ctlColour);
  dc->SetTextColor(RGB(255, 255, 255));
  dc->SetBkMode(TRANSPARENT);
  return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
}

void CMessierDlg::OnPageButton(UINT id) {
  const std::array<PickerSlot, PickerSlots> page =
      MessierPickerPage(lists_, static_cast<int>(id) - FirstPageId);
  for (std::size_t slot = 0; slot < PickerSlots; ++slot) {
    if (page[slot].picture.empty())
      ShowBlackPicture(thumbnails_[slot], keptThumbnails_[slot]);
    else
      ShowFilePicture(thumbnails_[slot], keptThumbnails_[slot], installFolder_ + page[slot].picture);
    const int captionId = FirstCaptionId + static_cast<int>(slot);
    SetDlgItemText(captionId, page[slot].caption.c_str());
    GetDlgItem(captionId)->Invalidate();
    shownObjects_[slot] = page[slot].object;
  }
}

void CMessierDlg::OnLButtonUp(UINT, CPoint point) {
  for (std::size_t slot = 0; slot < PickerSlots; ++slot) {
    CRect thumbnail;
    thumbnails_[slot].GetWindowRect(&thumbnail);
    ScreenToClient(&thumbnail);
    if (!thumbnail.PtInRect(point)) continue;
    if (shownObjects_[slot] == 0) return;
    const std::wstring caption = GetDlgItemText(FirstCaptionId + static_cast<int>(slot));
    if (state_ != nullptr) state_->SetSearchTarget(CaptionDesignation(caption), CatalogueKeyKind, 0);
    EndDialog(PickedMessierObject);
    return;
  }
}
