// CMonthCalCtrl: the month calendar wrapper.
#pragma once

#include "platform/afx/wnd.h"
#include "platform/win/controls_api.h"

class CMonthCalCtrl : public CWnd {
  DECLARE_DYNAMIC(CMonthCalCtrl)
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  // The selected day, at midnight; FALSE for a date the calendar cannot show.
  BOOL SetCurSel(const SYSTEMTIME* date);
  BOOL GetCurSel(SYSTEMTIME* date) const;
  // One of the MCSC_ colours; each returns the previous one.
  COLORREF SetColor(int which, COLORREF colour);
  COLORREF GetColor(int which) const;
  // Null goes back to the machine's date.
  void SetToday(const SYSTEMTIME* date);
  BOOL GetToday(SYSTEMTIME* date) const;
  BOOL GetMinReqRect(RECT* rect) const;
  DWORD HitTest(MCHITTESTINFO* hit);
};
