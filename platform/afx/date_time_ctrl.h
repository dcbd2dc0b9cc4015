// CDateTimeCtrl: the date-time picker wrapper.
#pragma once

#include "platform/afx/wnd.h"
#include "platform/win/controls_api.h"

class CDateTimeCtrl : public CWnd {
  DECLARE_DYNAMIC(CDateTimeCtrl)
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  // The shown format, as "HH:mm:ss"; null goes back to the style's own.
  BOOL SetFormat(LPCWSTR format);
  BOOL SetTime(const SYSTEMTIME* time);
  // GDT_VALID with the time filled.
  DWORD GetTime(SYSTEMTIME* time) const;
};
