#include "src/dialogs/pole_dlg.h"

#include "platform/afx/message_map_entries.h"
#include "platform/win/win32.h"
#include "src/dialogs/stretched_picture.h"
#include "src/settings/console_settings.h"
#include "src/util/localized_text.h"

namespace {

constexpr BYTE ChooserAlpha = 248;
constexpr UINT TitleText = 4470;
constexpr UINT CancelText = 9002;
constexpr UINT CancelTextStep = 20;
constexpr int CancelNormalBitmap = 5126;
constexpr int CancelDisabledBitmap = 5127;
constexpr int CancelActiveBitmap = 5128;

// String bases of the bodies' names in chooser order; Vesta's name is the same in every language.
constexpr UINT BodyNames[CPoleDlg::BodyCount] = {3040, 3030, 3000, 3010, 3050, 3060,
                                                 3070, 3080, 3100, 3020, 3090, 0};
constexpr wchar_t VestaName[] = L"VESTA";

}  // namespace

BEGIN_MESSAGE_MAP(CPoleDlg, CLayeredBlackDialog)
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CPoleDlg::CPoleDlg(CWnd* owner, CConsoleState* state)
    : CLayeredBlackDialog(IDD, owner, ChooserAlpha), state_(state) {}

BOOL CPoleDlg::OnInitDialog() {
  CLayeredBlackDialog::OnInitDialog();
  const UINT language = ReadLanguage();
  for (int i = 0; i < BodyCount; ++i) {
    SetDlgItemText(FirstCaptionId + i,
                   BodyNames[i] == 0 ? VestaName : LoadResourceText(BodyNames[i] + language).c_str());
    pictureStatics_[i].SubclassDlgItem(FirstPictureId + i, this);
    ShowStretchedPicture(pictureStatics_[i], pictures_[i], FirstBodyBitmapId + i, COLORONCOLOR);
  }
  cancel_.m_nNormalId = CancelNormalBitmap;
  cancel_.m_nActiveId = CancelActiveBitmap;
  cancel_.m_nExtra1Id = CancelDisabledBitmap;
  cancel_.SubclassDlgItem(IDCANCEL, this);
  cancel_.SetWindowText(LoadResourceText(CancelText + CancelTextStep * language).c_str());
  SetWindowText(LoadResourceText(TitleText + language).c_str());
  return TRUE;
}

void CPoleDlg::OnLButtonUp(UINT, CPoint point) {
  for (int i = 0; i < BodyCount; ++i) {
    CRect picture;
    pictureStatics_[i].GetWindowRect(&picture);
    ScreenToClient(&picture);
    if (!picture.PtInRect(point)) continue;
    if (state_ != nullptr) state_->homePlanetIndex = i;
    EndDialog(BodyChosen);
    return;
  }
}
