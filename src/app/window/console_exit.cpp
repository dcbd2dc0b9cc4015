// The Exit button, the console's only ordinary way out.
#include "platform/afx/win_app.h"
#include "platform/win/focus_api.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/dialogs/options/recording_save.h"
#include "src/settings/console_settings.h"

namespace {

constexpr UINT ExitQuestion = 19000;
constexpr UINT ClosePlanetariumQuestion = 3490;
// Overlays of the multimedia buttons hidden at exit: the first six, as presenters expect the
// others to stay over Orvenna until the process ends.
constexpr std::size_t OverlaysHiddenAtExit = 6;
constexpr DWORD BeforeQuitMs = 500;
constexpr DWORD SettleMs = 1000;

}  // namespace

void COrvennaConsoleDlg::OnExit() {
  const unsigned language = ReadLanguage();
  if (AfxMessageBox(LoadConsoleString(ExitQuestion + language).c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  // A show being recorded is saved or let go as the recorder's stop does, not lost unasked.
  if (RecorderState == RecorderRecording || RecorderState == RecorderPaused) EndRecording(*this, this);
  for (std::size_t k = 0; k < OverlaysHiddenAtExit; ++k)
    pictureOverlays[k].Hide();
  emergencyPicture.Hide();
  emergencyShown = false;
  pictureBackdrop.Hide();
  if (FindPlanetariumWindow() != nullptr) {
    const int answer = AfxMessageBox(LoadConsoleString(ClosePlanetariumQuestion + language).c_str(),
                                     MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES) {
      if (HWND main = FindPlanetariumWindow()) {
        ::SetForegroundWindow(main);
        ::SetFocus(main);
        Sleep(BeforeQuitMs);
        PostMessageW(main, WM_QUIT, 0, 0);
        ::SetForegroundWindow(m_hWnd);
        Sleep(SettleMs);
      }
    } else {
      StopRunningActions();
      RestoreNormalSpeed();
      Sleep(SettleMs);
      StopPlanetariumScript();
      Sleep(SettleMs);
    }
  }
  // The waits above kept the key-up timers from firing, and they die with the dialog.
  ReleasePendingKeys();
  HideTaskbar(false);
  EndDialog(1);
}
