#include "src/controls/standard_controls_sample.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

constexpr int kSeconds = 30111;
constexpr int kSecondsSpin = 30112;
constexpr int kTime = 30113;
constexpr int kFiles = 30114;
constexpr int kCalendar = 30115;
constexpr int kCountdown = 30116;
constexpr int kReport = 30117;

constexpr int kLongestFade = 10;
constexpr COLORREF kCountdownRed = RGB(200, 0, 0);
constexpr COLORREF kCalendarText = RGB(20, 0, 255);

struct SampleFile {
  const wchar_t* name;
  const wchar_t* size;
};

constexpr SampleFile kSampleFiles[] = {
    {L"Solar system.pdf", L"1 204 KB"}, {L"Moon phases.pdf", L"380 KB"},    {L"Orion.pdf", L"96 KB"},
    {L"Comets.pdf", L"2 310 KB"},       {L"Milky Way.pdf", L"745 KB"},      {L"Eclipses.pdf", L"512 KB"},
    {L"Seasons.pdf", L"64 KB"},         {L"Northern sky.pdf", L"1 020 KB"},
};

std::wstring date_text(const SYSTEMTIME& day) {
  return std::to_wstring(day.wYear) + L"/" + std::to_wstring(day.wMonth) + L"/" + std::to_wstring(day.wDay);
}

}  // namespace

BEGIN_MESSAGE_MAP(CStandardControlsDlg, CDialog)
ON_NOTIFY(UDN_DELTAPOS, kSecondsSpin, &CStandardControlsDlg::OnSpin)
ON_NOTIFY(DTN_DATETIMECHANGE, kTime, &CStandardControlsDlg::OnTimeChanged)
ON_NOTIFY(NM_DBLCLK, kFiles, &CStandardControlsDlg::OnOpenFile)
ON_NOTIFY(MCN_SELECT, kCalendar, &CStandardControlsDlg::OnDatePicked)
END_MESSAGE_MAP()

void CStandardControlsDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, kSecondsSpin, m_seconds);
  DDX_Control(dx, kTime, m_time);
  DDX_Control(dx, kFiles, m_files);
  DDX_Control(dx, kCalendar, m_calendar);
  DDX_Control(dx, kCountdown, m_countdown);
}

BOOL CStandardControlsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_seconds.SetRange32(1, kLongestFade);
  m_seconds.SetPos32(7);
  m_countdown.SetRange32(0, kLongestFade);
  m_countdown.SetBarColor(kCountdownRed);
  m_countdown.SetPos(7);
  m_time.SetFormat(L"HH:mm:ss");
  SYSTEMTIME start{2026, 1, 4, 1, 21, 30, 0, 0};
  m_time.SetTime(&start);
  m_files.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  m_files.InsertColumn(0, L"File", LVCFMT_LEFT, 130);
  m_files.InsertColumn(1, L"Size", LVCFMT_LEFT, 80);
  for (int row = 0; row < static_cast<int>(std::size(kSampleFiles)); ++row) {
    m_files.InsertItem(row, kSampleFiles[row].name);
    m_files.SetItemText(row, 1, kSampleFiles[row].size);
  }
  m_calendar.SetColor(MCSC_TEXT, kCalendarText);
  return TRUE;
}

// The fading seconds, stepped by the arrows, set the countdown too.
void CStandardControlsDlg::OnSpin(NMHDR* header, LRESULT* result) {
  const auto* change = reinterpret_cast<NMUPDOWN*>(header);
  const int seconds = std::clamp(change->iPos + change->iDelta, 1, kLongestFade);
  m_countdown.SetPos(seconds);
  Report(L"Fading: " + std::to_wstring(seconds) + L" s");
  *result = 0;
}

void CStandardControlsDlg::OnTimeChanged(NMHDR*, LRESULT* result) {
  Report(L"Start time: " + GetDlgItemText(kTime));
  *result = 0;
}

void CStandardControlsDlg::OnOpenFile(NMHDR* header, LRESULT* result) {
  const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
  if (row >= 0) Report(L"Opened: " + m_files.GetItemText(row, 0));
  *result = 0;
}

void CStandardControlsDlg::OnDatePicked(NMHDR* header, LRESULT* result) {
  Report(L"Start date: " + date_text(reinterpret_cast<NMSELCHANGE*>(header)->stSelStart));
  *result = 0;
}

void CStandardControlsDlg::Report(const std::wstring& text) {
  SetDlgItemText(kReport, text.c_str());
}
