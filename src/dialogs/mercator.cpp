#include "src/dialogs/mercator.h"

#include "platform/afx/message_map_entries.h"
#include "platform/win/win32.h"
#include "src/dialogs/stretched_picture.h"
#include "src/util/format_text.h"

namespace {

constexpr BYTE MapAlpha = 240;
constexpr UINT_PTR DrawMapTimer = 100;
constexpr UINT DrawMapDelayMs = 200;
constexpr int OwnerMargin = 30;
constexpr double OwnerShare = 0.9;
constexpr wchar_t MoveObserverStatement[] = L"core.setObserverLocation(";
constexpr wchar_t MoveObserverArguments[] = L"%.6f, %.6f, -2000, 5, \"\", \"Earth\");\rcore.wait(5);";

}  // namespace

BEGIN_MESSAGE_MAP(CMercator, CLayeredBlackDialog)
ON_WM_TIMER()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

CMercator::CMercator(CWnd* owner, std::wstring* scriptBuffer, BOOL resize, BOOL alignLeft)
    : CLayeredBlackDialog(IDD, owner, MapAlpha),
      owner_(owner),
      scriptBuffer_(scriptBuffer),
      resize_(resize),
      alignLeft_(alignLeft) {}

BOOL CMercator::OnInitDialog() {
  CLayeredBlackDialog::OnInitDialog();
  map_.SubclassDlgItem(MapStaticId, this);
  if (resize_ && owner_ != nullptr && owner_->GetSafeHwnd() != nullptr) FitToOwner();
  // The map is drawn once the window shows, so that opening it does not wait for the picture.
  SetTimer(DrawMapTimer, DrawMapDelayMs);
  return TRUE;
}

void CMercator::FitToOwner() {
  CRect owner;
  owner_->GetWindowRect(&owner);
  const int left = alignLeft_ == 1 ? OwnerMargin : owner.left + OwnerMargin;
  const int width = static_cast<int>(OwnerShare * (alignLeft_ == 1 ? owner.right : owner.Width()));
  const int height = static_cast<int>(OwnerShare * owner.bottom);
  SetWindowPos(nullptr, left, OwnerMargin, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  CRect window;
  GetWindowRect(&window);
  map_.SetWindowPos(nullptr, 0, 0, window.Width(), owner.Width() / 2, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMercator::OnTimer(UINT_PTR id) {
  if (id != DrawMapTimer) return;
  KillTimer(DrawMapTimer);
  ShowStretchedPicture(map_, mapPicture_, MapBitmapId, HALFTONE);
}

void CMercator::OnLButtonUp(UINT, CPoint point) {
  CRect map;
  map_.GetClientRect(&map);
  const int w = map.Width();
  const int h = map.Height();
  if (point.y > h) return;
  const double longitude = (point.x - w / 2) / ((w / 2) / 180.0);
  const double latitude = (h / 2 - point.y) / ((h / 2) / 90.0);
  if (scriptBuffer_ != nullptr)
    *scriptBuffer_ = MoveObserverStatement + FormatText(MoveObserverArguments, longitude, latitude);
  EndDialog(PlaceChosen);
}

void CMercator::OnRButtonUp(UINT, CPoint) {
  EndDialog(NothingChosen);
}
