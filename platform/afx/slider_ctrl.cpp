#include "platform/afx/slider_ctrl.h"

#include "platform/win/win_macros.h"
#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

namespace {
constexpr UINT kGetPos = 0x0400;
constexpr UINT kGetRangeMin = 0x0401;
constexpr UINT kGetRangeMax = 0x0402;
constexpr UINT kSetTic = 0x0404;
constexpr UINT kSetPos = 0x0405;
constexpr UINT kSetRange = 0x0406;
constexpr UINT kClearTics = 0x0409;
constexpr UINT kSetTicFreq = 0x0414;
constexpr UINT kSetPageSize = 0x0415;
constexpr UINT kSetLineSize = 0x0417;
}  // namespace

BOOL CSliderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, L"msctls_trackbar32", L"", style | WS_CHILD, rect, parent, id);
}

int CSliderCtrl::GetPos() const {
  return static_cast<int>(SendMessage(kGetPos));
}

void CSliderCtrl::SetPos(int position) {
  SendMessage(kSetPos, TRUE, position);
}

void CSliderCtrl::SetRange(int minimum, int maximum, BOOL redraw) {
  SendMessage(kSetRange, static_cast<WPARAM>(redraw), MAKELPARAM(minimum, maximum));
}

int CSliderCtrl::GetRangeMin() const {
  return static_cast<int>(SendMessage(kGetRangeMin));
}

int CSliderCtrl::GetRangeMax() const {
  return static_cast<int>(SendMessage(kGetRangeMax));
}

BOOL CSliderCtrl::SetTic(int position) {
  return static_cast<BOOL>(SendMessage(kSetTic, 0, position));
}

void CSliderCtrl::SetTicFreq(int frequency) {
  SendMessage(kSetTicFreq, static_cast<WPARAM>(frequency));
}

void CSliderCtrl::ClearTics(BOOL redraw) {
  SendMessage(kClearTics, static_cast<WPARAM>(redraw));
}

int CSliderCtrl::SetPageSize(int size) {
  return static_cast<int>(SendMessage(kSetPageSize, 0, size));
}

int CSliderCtrl::SetLineSize(int size) {
  return static_cast<int>(SendMessage(kSetLineSize, 0, size));
}
