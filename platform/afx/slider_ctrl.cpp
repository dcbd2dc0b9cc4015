#include "platform/afx/slider_ctrl.h"

#include "platform/win/controls_api.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

BOOL CSliderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, L"msctls_trackbar32", L"", style | WS_CHILD, rect, parent, id);
}

int CSliderCtrl::GetPos() const {
  return static_cast<int>(SendMessage(TBM_GETPOS));
}

void CSliderCtrl::SetPos(int position) {
  SendMessage(TBM_SETPOS, TRUE, position);
}

void CSliderCtrl::SetRange(int minimum, int maximum, BOOL redraw) {
  SendMessage(TBM_SETRANGE, static_cast<WPARAM>(redraw), MAKELPARAM(minimum, maximum));
}

int CSliderCtrl::GetRangeMin() const {
  return static_cast<int>(SendMessage(TBM_GETRANGEMIN));
}

int CSliderCtrl::GetRangeMax() const {
  return static_cast<int>(SendMessage(TBM_GETRANGEMAX));
}

BOOL CSliderCtrl::SetTic(int position) {
  return static_cast<BOOL>(SendMessage(TBM_SETTIC, 0, position));
}

void CSliderCtrl::SetTicFreq(int frequency) {
  SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(frequency));
}

void CSliderCtrl::ClearTics(BOOL redraw) {
  SendMessage(TBM_CLEARTICS, static_cast<WPARAM>(redraw));
}

int CSliderCtrl::SetPageSize(int size) {
  return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, size));
}

int CSliderCtrl::SetLineSize(int size) {
  return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, size));
}
