// The standard controls that the options and the event editor use, in one dialog for a look at
// them from the controls sample: a number stepped by its up-down that also sets a countdown bar
// (which slides back), a time picker, a list of files, and a month calendar in the colours the
// advanced options give it. A line at the bottom says what the dialog heard last.
#pragma once

#include "platform/afx/afx.h"

inline constexpr UINT kStandardControlsTemplate = 30110;

class CStandardControlsDlg : public CDialog {
 public:
  explicit CStandardControlsDlg(CWnd* parent = nullptr) : CDialog(kStandardControlsTemplate, parent) {}

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnSpin(NMHDR* header, LRESULT* result);
  void OnTimeChanged(NMHDR* header, LRESULT* result);
  void OnOpenFile(NMHDR* header, LRESULT* result);
  void OnDatePicked(NMHDR* header, LRESULT* result);
  DECLARE_MESSAGE_MAP()

 private:
  void Report(const std::wstring& text);

  CSpinButtonCtrl m_seconds;
  CDateTimeCtrl m_time;
  CListCtrl m_files;
  CMonthCalCtrl m_calendar;
  CProgressCtrl m_countdown;
};
