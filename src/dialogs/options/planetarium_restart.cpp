// Orvenna closed and started again after a change of the sky language, so that it loads the new
// language; the new Orvenna is placed as the start-up places it in the console's layout.
#include "platform/win/focus_api.h"
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/dialogs/options/advanced_options.h"
#include "src/link/planetarium_profile.h"
#include "src/settings/console_settings.h"
#include "src/util/localized_text.h"

namespace {

constexpr DWORD BeforeQuitMs = 500;
constexpr DWORD ClosePollMs = 100;
constexpr DWORD LongestCloseMs = 15000;
constexpr int ShortestStartupWait = 4;
constexpr int LongestStartupWait = 20;
constexpr int DefaultStartupWait = 12;
constexpr UINT NotRunning = 3960;
constexpr int NotRunningError = 100099;
constexpr UINT DidNotClose = 25530;
constexpr int DidNotCloseError = 100098;
constexpr DWORD SettleAfterPlacingMs = 800;

}  // namespace

void AdvancedOptions::RestartAfterSkyLanguage() {
  // Nothing the console runs may go on over the sky that the new Orvenna starts with.
  console_.StopRunningActions();
  // The new Orvenna takes the front when it starts: the presenter's dialog takes it back after.
  console_.ReturnKeyboardAfterwards();
  if (console_.FindPlanetariumWindow() == nullptr) RestartPlanetarium();
  HWND main = console_.FindPlanetariumWindow();
  if (main == nullptr && RestartPlanetarium() == PlanetariumRunsAgain)
    main = console_.FindPlanetariumWindow();
  // Without a window after the second start there is nothing to close: the presenter was told.
  if (main == nullptr) return;
  ::SetForegroundWindow(main);
  ::SetFocus(main);
  Sleep(BeforeQuitMs);
  PostMessageW(main, WM_QUIT, 0, 0);
  ::SetForegroundWindow(m_hWnd);
  RestartPlanetarium();
}

bool AdvancedOptions::WaitForPlanetariumToClose() {
  for (DWORD waited = 0; console_.FindPlanetariumWindow() != nullptr; waited += ClosePollMs) {
    if (waited >= LongestCloseMs) return false;
    Sleep(ClosePollMs);
  }
  return true;
}

int AdvancedOptions::RestartPlanetarium() {
  // A second Orvenna beside one that does not close would fight it for its files.
  if (!WaitForPlanetariumToClose()) {
    ShowLocalizedError(DidNotClose, MB_ICONERROR | MB_OK, DidNotCloseError);
    return StillRunning;
  }
  std::wstring folder;
  console_.FindPlanetariumFolder(folder);
  int wait = LoadStartupWait();
  if (wait < ShortestStartupWait || wait > LongestStartupWait) wait = DefaultStartupWait;
  console_.LaunchProcess(folder + std::wstring(PlanetariumProfile::ExecutableName), L"", wait);
  if (console_.FindPlanetariumWindow() == nullptr) {
    ShowLocalizedError(NotRunning, MB_ICONERROR | MB_OK, NotRunningError);
    return NoWindowAfterLaunch;
  }
  if (console_.FindPlanetariumView() == nullptr) return NoViewAfterLaunch;
  // The training layout's placement brings Orvenna to the start state itself.
  if (console_.PlaceStartedPlanetarium() && console_.ConsoleLayout == TwoMonitorLayout) {
    Sleep(SettleAfterPlacingMs);
    console_.ResetPlanetariumToStartState();
  }
  return PlanetariumRunsAgain;
}
