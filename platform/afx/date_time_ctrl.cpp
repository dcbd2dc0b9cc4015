#include "platform/afx/date_time_ctrl.h"

#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

BOOL CDateTimeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, DATETIMEPICK_CLASSW, nullptr, style | WS_CHILD, rect, parent, id);
}

BOOL CDateTimeCtrl::SetFormat(LPCWSTR format) {
  return static_cast<BOOL>(SendMessage(DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format)));
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME* time) {
  return static_cast<BOOL>(
      SendMessage(DTM_SETSYSTEMTIME, time != nullptr ? GDT_VALID : GDT_NONE, reinterpret_cast<LPARAM>(time)));
}

DWORD CDateTimeCtrl::GetTime(SYSTEMTIME* time) const {
  return static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(time)));
}
