#include "src/controls/zip_slider_ctl.h"

namespace {

constexpr UINT kChannelBitmap = 275;
constexpr UINT kThumbBitmap = 276;
constexpr UINT kSliderCursor = 277;
constexpr int kChannelInset = 4;

}  // namespace

BEGIN_MESSAGE_MAP(CZipSliderCtl, CSliderCtrl)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_KEYUP()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CZipSliderCtl::CZipSliderCtl() = default;

CZipSliderCtl::~CZipSliderCtl() = default;

bool CZipSliderCtl::LoadSkin() {
  cursor_ = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kSliderCursor));
  channel_ = std::make_unique<CZipBitmap>();
  thumb_ = std::make_unique<CZipBitmap>();
  const bool channel = channel_->LoadBitmap(kChannelBitmap) != FALSE;
  const bool thumb = thumb_->LoadBitmap(kThumbBitmap) != FALSE;
  return cursor_ != nullptr && channel && thumb;
}

int CZipSliderCtl::ThumbLeft(int width, int min, int max, int position) {
  const int positions = max - min + 1;
  const int step = positions > 0 ? (width - 2 * kChannelInset) / positions : 0;
  return (position - 1) * step + kChannelInset;
}

void CZipSliderCtl::OnPaint() {
  CPaintDC dc(this);
  if (!channel_ || !thumb_) return;
  const int min = GetRangeMin();
  const int max = GetRangeMax();
  const int position = GetPos();
  CRect client;
  GetClientRect(&client);
  channel_->Draw(&dc);
  thumb_->DrawTransparent(&dc, ThumbLeft(client.Width(), min, max, position));
}

void CZipSliderCtl::OnLButtonDown(UINT flags, CPoint point) {
  button_down_ = 1;
  Invalidate(FALSE);
  CSliderCtrl::OnLButtonDown(flags, point);
}

void CZipSliderCtl::OnLButtonUp(UINT flags, CPoint point) {
  button_down_ = 0;
  Invalidate(FALSE);
  CSliderCtrl::OnLButtonUp(flags, point);
}

void CZipSliderCtl::OnMouseMove(UINT flags, CPoint point) {
  if (button_down_) Invalidate(FALSE);
  CSliderCtrl::OnMouseMove(flags, point);
}

void CZipSliderCtl::OnKeyUp(UINT key, UINT repeat, UINT flags) {
  Invalidate(FALSE);
  CSliderCtrl::OnKeyUp(key, repeat, flags);
}

BOOL CZipSliderCtl::OnSetCursor(CWnd*, UINT, UINT) {
  SetCursor(cursor_);
  return TRUE;
}
