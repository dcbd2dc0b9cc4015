// The main dialog's start-up: it refuses what it cannot run on, places itself by layout, prepares
// Orvenna's settings, checks its installation, scales and labels its controls, makes sure Orvenna
// runs and arms the first timers. Every refusal shows the taskbar again before the console ends.
#include <string>

#include "platform/afx/win_app.h"
#include "platform/win/atom_api.h"
#include "platform/win/device_context_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/catalog/solar_system_names.h"
#include "src/link/planetarium_install.h"
#include "src/link/planetarium_profile.h"
#include "src/link/taskbar.h"
#include "src/settings/console_settings.h"
#include "src/settings/event_settings.h"
#include "src/settings/ini_files.h"
#include "src/settings/planetarium_config.h"
#include "src/util/folder_listings.h"
#include "src/util/format_text.h"
#include "src/util/localized_text.h"
#include "src/util/user_folder.h"

namespace {

constexpr wchar_t TwoMonitorCaption[] = L"Orvenna Console Dome v. 5.2.3";
constexpr wchar_t TrainingCaption[] = L"Orvenna Console Training v. 5.2.3";
constexpr int RequiredDpi = 96;
constexpr UINT ScaledScreenMessage = 6010;
constexpr UINT UnsupportedSystemMessage = 3970;
constexpr int UnsupportedSystemError = 100098;
constexpr int UnsupportedSystemExit = 30;
constexpr UINT UnreadableOptionsMessage = 4310;
constexpr int UnreadableOptionsError = 102031;
constexpr UINT OptionsFileNotReadableMessage = 4320;
constexpr UINT PlanetariumConfigFailedMessage = 4330;
constexpr int PlanetariumConfigFailedError = 102032;
constexpr UINT UnsupportedPlanetariumMessage = 9430;
constexpr int UnsupportedPlanetariumError = 20030;
constexpr UINT TooManyLandscapesMessage = 3980;
constexpr int TooManyLandscapesError = 100093;
constexpr std::size_t MostLandscapes = 50;
constexpr UINT PleaseWaitMessage = 4830;
constexpr unsigned char SupportedWindowsMinors[] = {1, 2, 3};
constexpr UINT TwoMonitorSplash = 2021;
constexpr UINT TrainingSplash = 21029;
constexpr UINT SplashMs = 2500;
constexpr UINT StartStateMs = 2000;
constexpr DWORD PlanetariumSettleMs = 300;
constexpr wchar_t PenServiceProperty[] = L"MicrosoftTabletPenServiceProperty";
// No press-and-hold, pen tap feedback, pen barrel feedback or flicks.
constexpr UINT_PTR PenServiceFlags = 0x00010019;
constexpr int EventLabelIds[EventSlotCount] = {1066, 1067, 1068, 1069, 1070};
constexpr int LocationCaptionId = 1126;
constexpr int DisplayOnlyIds[] = {COrvennaConsoleDlg::ClockLabelId, COrvennaConsoleDlg::StopwatchLabelId,
                                  COrvennaConsoleDlg::LocationLabelId, COrvennaConsoleDlg::StatusLineId,
                                  COrvennaConsoleDlg::InformationBoxId};

bool IsSupportedWindows() {
  for (unsigned char minor : SupportedWindowsMinors)
    if (IsWindowsVersionEqual(minor)) return true;
  return false;
}

}  // namespace

BOOL COrvennaConsoleDlg::QuitStartup(int result) {
  HideTaskbar(false);
  EndDialog(result);
  return FALSE;
}

bool COrvennaConsoleDlg::ScreenIsAt96Dpi() {
  HDC screen = ::GetDC(nullptr);
  if (screen == nullptr) return true;
  const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
  const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  if (dpiX == RequiredDpi && dpiY == RequiredDpi) return true;
  const std::wstring text = FormatText(LoadLocalizedText(ScaledScreenMessage).c_str(), dpiX, dpiY);
  AfxMessageBox(text.c_str(), MB_ICONERROR);
  return false;
}

void COrvennaConsoleDlg::BindControls() {
  std::size_t button = 0;
  std::size_t field = 0;
  std::size_t label = 0;
  for (const MainDialogControl& control : MainDialogControls) {
    switch (control.kind) {
      case MainDialogControl::ImageButton:
        imageButtons[button].m_nNormalId = control.normalBitmap;
        imageButtons[button].m_nActiveId = control.activeBitmap;
        imageButtons[button++].SubclassDlgItem(control.id, this);
        break;
      case MainDialogControl::Text:
        textFields[field++].SubclassDlgItem(control.id, this);
        break;
      case MainDialogControl::Label:
        labels[label++].SubclassDlgItem(control.id, this);
        break;
    }
  }
}

void COrvennaConsoleDlg::ShowInitialTexts() {
  ::ShowWindow(::GetDlgItem(m_hWnd, StopwatchStartId), SW_SHOW);
  ::ShowWindow(::GetDlgItem(m_hWnd, StopwatchResetId), SW_HIDE);
  SetDlgItemText(StopwatchStartId, L"");
  SetDlgItemText(StopwatchResetId, L"");
  SetDlgItemText(StatusLineId, L"");
  for (int slot = 0; slot < EventSlotCount; ++slot) {
    const EventRecord event = LoadEventRecord(consoleState, slot);
    const bool shown = !event.memo.empty() && consoleState.eventEnabled[slot];
    SetDlgItemText(EventLabelIds[slot], shown ? event.memo.c_str() : L"");
    ::EnableWindow(::GetDlgItem(m_hWnd, EventLabelIds[slot]), FALSE);
  }
  ::EnableWindow(::GetDlgItem(m_hWnd, LocationCaptionId), FALSE);
  SetDlgItemText(LocationCaptionId, L"");
}

void COrvennaConsoleDlg::SwitchOffPenFeedback() {
  const ATOM atom = GlobalAddAtomW(PenServiceProperty);
  HWND main = AfxGetMainWnd() != nullptr ? AfxGetMainWnd()->GetSafeHwnd() : m_hWnd;
  SetPropW(main, PenServiceProperty, reinterpret_cast<HANDLE>(PenServiceFlags));
  GlobalDeleteAtom(atom);
}

BOOL COrvennaConsoleDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // The chooser was cancelled: the dialog is ending.
  if (ConsoleLayout == LayoutNotChosen) return FALSE;
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  if (ConsoleScreen == 0) HideTaskbar(true);
  SetWindowText(ConsoleLayout == TrainingLayout ? TrainingCaption : TwoMonitorCaption);
  if (!ScreenIsAt96Dpi()) return QuitStartup(0);
  PlaceConsole(false);
  if (!IsSupportedWindows()) {
    KillTimer(SplashTimer);
    splash.Hide();
    ShowLocalizedError(UnsupportedSystemMessage, MB_ICONERROR, UnsupportedSystemError);
    return QuitStartup(UnsupportedSystemExit);
  }
  splash.Create(m_hWnd, nullptr, ConsoleLayout == TrainingLayout ? TrainingSplash : TwoMonitorSplash);
  splash.Show();
  SetTimer(SplashTimer, SplashMs, nullptr);
  if (!RewritePlanetariumConfig())
    ShowLocalizedError(PlanetariumConfigFailedMessage, MB_ICONWARNING, PlanetariumConfigFailedError);
  if (!consoleState.LoadIniStartupOptions()) {
    const bool fileThere =
        GetFileAttributesW(PlanetariumUserFile(ConsoleIniFile).c_str()) != INVALID_FILE_ATTRIBUTES;
    ShowLocalizedError(fileThere ? OptionsFileNotReadableMessage : UnreadableOptionsMessage, MB_ICONWARNING,
                       UnreadableOptionsError);
  }

  std::wstring installFolder;
  const int installation = FindPlanetariumFolder(installFolder);
  if (installation < PlanetariumNotInstalled) {
    KillTimer(SplashTimer);
    splash.Hide();
    ShowLocalizedError(UnsupportedPlanetariumMessage, MB_ICONERROR, UnsupportedPlanetariumError);
    return QuitStartup(installation);
  }
  if (installation == PlanetariumNotInstalled) {
    KillTimer(SplashTimer);
    return QuitStartup(PlanetariumNotInstalled);
  }
  const std::size_t landscapes =
      ListSubfolders(installFolder + std::wstring(PlanetariumProfile::LandscapesFolder)).size();
  // Without a stored language the setting gives the dialogs' default, which the record keeps too.
  consoleState.language = ReadLanguageSetting();
  SolarSystemNameList = SolarSystemEnglishNames();

  ScaleAllControls();
  BindControls();
  ShowInitialTexts();
  ApplyLanguage();
  CreateTooltips();
  if (landscapes > MostLandscapes) {
    ShowLocalizedError(TooManyLandscapesMessage, MB_ICONERROR, TooManyLandscapesError);
    return QuitStartup(0);
  }
  for (int id : DisplayOnlyIds)
    ::EnableWindow(::GetDlgItem(m_hWnd, id), FALSE);
  SwitchOffPenFeedback();
  EnableWindow(TRUE);
  SetDlgItemText(StatusLineId, LoadLocalizedText(PleaseWaitMessage).c_str());

  const int readiness = EnsurePlanetarium();
  if (readiness > 0) return QuitStartup(1);
  if (readiness == PlanetariumAlreadyPlaced) {
    Sleep(PlanetariumSettleMs);
    if (HWND planetarium = FindPlanetariumWindow()) SetForegroundWindow(planetarium);
  }
  SetTimer(StartStateTimer, StartStateMs, nullptr);
  StartClockThread();
  MeasureLiveMonitorScreen();
  if (ConsoleLayout == TrainingLayout)
    SetTimer(KeepInPlaceTimer, KeepInPlaceMs, nullptr);
  else
    PlaceConsole(true);
  return TRUE;
}
