#include "platform/afx/month_cal_ctrl.h"

#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CMonthCalCtrl, CWnd)

BOOL CMonthCalCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, MONTHCAL_CLASSW, nullptr, style | WS_CHILD, rect, parent, id);
}

BOOL CMonthCalCtrl::SetCurSel(const SYSTEMTIME* date) {
  return static_cast<BOOL>(SendMessage(MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(date)));
}

BOOL CMonthCalCtrl::GetCurSel(SYSTEMTIME* date) const {
  return static_cast<BOOL>(SendMessage(MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(date)));
}

COLORREF CMonthCalCtrl::SetColor(int which, COLORREF colour) {
  return static_cast<COLORREF>(
      SendMessage(MCM_SETCOLOR, static_cast<WPARAM>(which), static_cast<LPARAM>(colour)));
}

COLORREF CMonthCalCtrl::GetColor(int which) const {
  return static_cast<COLORREF>(SendMessage(MCM_GETCOLOR, static_cast<WPARAM>(which), 0));
}

void CMonthCalCtrl::SetToday(const SYSTEMTIME* date) {
  SendMessage(MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(date));
}

BOOL CMonthCalCtrl::GetToday(SYSTEMTIME* date) const {
  return static_cast<BOOL>(SendMessage(MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(date)));
}

BOOL CMonthCalCtrl::GetMinReqRect(RECT* rect) const {
  return static_cast<BOOL>(SendMessage(MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(rect)));
}

DWORD CMonthCalCtrl::HitTest(MCHITTESTINFO* hit) {
  return static_cast<DWORD>(SendMessage(MCM_HITTEST, 0, reinterpret_cast<LPARAM>(hit)));
}
