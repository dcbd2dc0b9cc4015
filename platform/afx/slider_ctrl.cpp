#include "platform/afx/slider_ctrl.h"

#include "platform/win/controls_api.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

BOOL CSliderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, TRACKBAR_CLASSW, nullptr, style | WS_CHILD, rect, parent, id);
}

void CSliderCtrl::SetRange(int minimum, int maximum, BOOL redraw) {
  SendMessage(TBM_SETRANGE, static_cast<WPARAM>(redraw), MAKELPARAM(minimum, maximum));
}

void CSliderCtrl::GetRange(int& minimum, int& maximum) const {
  minimum = GetRangeMin();
  maximum = GetRangeMax();
}

void CSliderCtrl::SetRangeMin(int minimum, BOOL redraw) {
  SendMessage(TBM_SETRANGEMIN, static_cast<WPARAM>(redraw), minimum);
}

void CSliderCtrl::SetRangeMax(int maximum, BOOL redraw) {
  SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(redraw), maximum);
}

int CSliderCtrl::GetRangeMin() const {
  return static_cast<int>(SendMessage(TBM_GETRANGEMIN));
}

int CSliderCtrl::GetRangeMax() const {
  return static_cast<int>(SendMessage(TBM_GETRANGEMAX));
}

void CSliderCtrl::SetPos(int position) {
  SendMessage(TBM_SETPOS, TRUE, position);
}

int CSliderCtrl::GetPos() const {
  return static_cast<int>(SendMessage(TBM_GETPOS));
}

int CSliderCtrl::SetPageSize(int size) {
  return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, size));
}

int CSliderCtrl::GetPageSize() const {
  return static_cast<int>(SendMessage(TBM_GETPAGESIZE));
}

int CSliderCtrl::SetLineSize(int size) {
  return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, size));
}

int CSliderCtrl::GetLineSize() const {
  return static_cast<int>(SendMessage(TBM_GETLINESIZE));
}

void CSliderCtrl::SetTicFreq(int frequency) {
  SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(frequency));
}

BOOL CSliderCtrl::SetTic(int position) {
  return static_cast<BOOL>(SendMessage(TBM_SETTIC, 0, position));
}

void CSliderCtrl::ClearTics(BOOL redraw) {
  SendMessage(TBM_CLEARTICS, static_cast<WPARAM>(redraw));
}

UINT CSliderCtrl::GetNumTics() const {
  return static_cast<UINT>(SendMessage(TBM_GETNUMTICS));
}

void CSliderCtrl::GetThumbRect(LPRECT rect) const {
  SendMessage(TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(rect));
}

void CSliderCtrl::GetChannelRect(LPRECT rect) const {
  SendMessage(TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(rect));
}
