// What the observer-location actions share: the location label with its replay step, and their
// script-running refusal.
#include "src/app/console_notices.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/settings/console_settings.h"

void COrvennaConsoleDlg::ShowLocation(const std::wstring& place) {
  SetDlgItemText(LocationLabelId, place.c_str());
  RecordStep(L"", L"Site|" + place, 0);
}

bool COrvennaConsoleDlg::PassScriptOrRateKeysGuard(UINT noticeMs) {
  if (!scriptRunning && !speedKeysActive) return true;
  ShowStatusMessage(ScriptRunningNotice + ReadLanguage(), noticeMs);
  return false;
}
