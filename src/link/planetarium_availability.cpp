// Making sure Orvenna runs before the console acts on it: offering to start it, and putting its
// window where the console's layout wants it.
#include "platform/win/focus_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"
#include "src/link/planetarium_install.h"
#include "src/link/planetarium_link.h"
#include "src/link/planetarium_profile.h"
#include "src/link/process_launch.h"
#include "src/link/taskbar.h"
#include "src/settings/console_settings.h"

namespace {

constexpr UINT TwoMonitorsNeeded = 19010;
constexpr UINT OfferToStart = 19020;
constexpr UINT PlanetariumDidNotStart = 3960;
constexpr int PlanetariumDidNotStartError = 100099;
constexpr wchar_t FolderNotFound[] =
    L"Orvenna Folder not found. Please verify that Orvenna is correctly installed, otherwise contact "
    L"support.";

constexpr int ShortestStartupWait = 4;
constexpr int LongestStartupWait = 20;
constexpr int DefaultStartupWait = 12;

ConsoleMessage LocalizedMessage(UINT baseId, ConsoleMessage::Kind kind, int errorNumber = 0) {
  ConsoleMessage message;
  message.stringId = baseId + ReadLanguage();
  message.kind = kind;
  message.errorNumber = errorNumber;
  return message;
}

}  // namespace

int PlanetariumLink::FindPlanetariumFolder(std::wstring& out) {
  const int found = ReadPlanetariumFolder(out);
  if (found == PlanetariumNotInstalled) {
    ConsoleMessage notFound;
    notFound.text = PlanetariumFolderNotFound;
    ShowConsoleMessage(notFound);
  }
  return found;
}

int PlanetariumLink::LaunchProcess(const std::wstring& exePath, const std::wstring& arguments,
                                   int waitSeconds) {
  const StartedProcess started = StartProgram(exePath, arguments);
  if (started.error == 0 && waitSeconds > 0) Sleep(static_cast<DWORD>(waitSeconds) * 1000);
  launchedProcessId = started.processId;
  return static_cast<int>(started.error);
}

void PlanetariumLink::HideTaskbar(bool hide) {
  if (ConsoleLayout != TwoMonitorLayout) return;
  SetTaskbarHidden(hide);
  if (!hide) SetForegroundWindow(ConsoleWindow());
}

int PlanetariumLink::EnsurePlanetarium() {
  if (ConsoleLayout == TwoMonitorLayout && GetSystemMetrics(SM_CMONITORS) < 2) {
    ShowConsoleMessage(LocalizedMessage(TwoMonitorsNeeded, ConsoleMessage::Kind::Error));
    return PlanetariumMonitorsMissing;
  }
  if (FindPlanetariumView() != nullptr) {
    if (ConsoleLayout == TwoMonitorLayout) return PlaceRunningOnOtherMonitor();
    return planetariumPlacementPending ? PlacePendingSquare() : KeepSquare();
  }
  if (!ShowConsoleMessage(LocalizedMessage(OfferToStart, ConsoleMessage::Kind::YesNoQuestion)))
    return PlanetariumStartDeclined;
  std::wstring folder;
  FindPlanetariumFolder(folder);
  int wait = LoadStartupWait();
  if (wait < ShortestStartupWait || wait > LongestStartupWait) wait = DefaultStartupWait;
  LaunchProcess(folder + std::wstring(PlanetariumProfile::ExecutableName), L"", wait);
  if (FindPlanetariumWindow() == nullptr) {
    ShowConsoleMessage(
        LocalizedMessage(PlanetariumDidNotStart, ConsoleMessage::Kind::Error, PlanetariumDidNotStartError));
    return PlanetariumDidNotAppear;
  }
  return PlaceAfterStart();
}
