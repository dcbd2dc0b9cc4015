#include "src/app/orvenna_console_dlg.h"

#include <array>

#include "platform/afx/message_map_entries.h"
#include "platform/win/resource_api.h"
#include "src/link/planetarium_install.h"
#include "src/settings/console_settings.h"

namespace {

constexpr WORD MainIconId = 128;
constexpr UINT TransparentBackgroundRequest = WM_USER + 1021;

}  // namespace

BEGIN_MESSAGE_MAP(COrvennaConsoleDlg, CDialog)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_QUERYDRAGICON()
ON_MESSAGE(TransparentBackgroundRequest, &COrvennaConsoleDlg::OnTransparentCtrlBackground)
ON_MESSAGE(PlanetariumLink::ReturnKeyboardMessage, &COrvennaConsoleDlg::OnReturnKeyboard)
ON_WM_TIMER()
ON_WM_DESTROY()
ON_BN_CLICKED(COrvennaConsoleDlg::StopwatchStartId, &COrvennaConsoleDlg::OnStopwatchStart)
ON_BN_CLICKED(COrvennaConsoleDlg::StopwatchResetId, &COrvennaConsoleDlg::OnStopwatchReset)
ON_BN_CLICKED(1051, &COrvennaConsoleDlg::OnExit)
ON_BN_CLICKED(2002, &COrvennaConsoleDlg::OnOptions)
ON_BN_CLICKED(2006, &COrvennaConsoleDlg::OnMonitorWindow)
ON_BN_CLICKED(1846, &COrvennaConsoleDlg::OnLiveMonitor)
ON_BN_CLICKED(1012, &COrvennaConsoleDlg::OnAtmosphere)
ON_BN_CLICKED(1004, &COrvennaConsoleDlg::OnFog)
ON_BN_CLICKED(1013, &COrvennaConsoleDlg::OnBoundaries)
ON_BN_CLICKED(1000, &COrvennaConsoleDlg::OnLines)
ON_BN_CLICKED(1002, &COrvennaConsoleDlg::OnArt)
ON_BN_CLICKED(281, &COrvennaConsoleDlg::OnGround)
ON_BN_CLICKED(1121, &COrvennaConsoleDlg::OnCardinalPoints)
ON_BN_CLICKED(1009, &COrvennaConsoleDlg::OnEquatorialGrid)
ON_BN_CLICKED(1008, &COrvennaConsoleDlg::OnEquatorLine)
ON_BN_CLICKED(1010, &COrvennaConsoleDlg::OnAzimuthalGrid)
ON_BN_CLICKED(1011, &COrvennaConsoleDlg::OnPlanetOrbits)
ON_BN_CLICKED(1006, &COrvennaConsoleDlg::OnEcliptic)
ON_BN_CLICKED(1122, &COrvennaConsoleDlg::OnConstellationNames)
ON_BN_CLICKED(282, &COrvennaConsoleDlg::OnStarLabels)
ON_BN_CLICKED(1005, &COrvennaConsoleDlg::OnPlanetLabels)
ON_BN_CLICKED(1007, &COrvennaConsoleDlg::OnMeridian)
ON_BN_CLICKED(1025, &COrvennaConsoleDlg::OnPlanetTrails)
ON_BN_CLICKED(10038, &COrvennaConsoleDlg::OnToggleMount)
ON_BN_CLICKED(1128, &COrvennaConsoleDlg::OnIsolateConstellation)
ON_BN_CLICKED(1134, &COrvennaConsoleDlg::OnShootingStars)
ON_BN_CLICKED(992, &COrvennaConsoleDlg::OnMeteorShowerMarkers)
ON_BN_CLICKED(1001, &COrvennaConsoleDlg::OnPrecessionCircles)
ON_BN_CLICKED(989, &COrvennaConsoleDlg::OnLongitudeLine)
ON_BN_CLICKED(999, &COrvennaConsoleDlg::OnGalacticGrid)
ON_BN_CLICKED(8482, &COrvennaConsoleDlg::OnCelestialPoles)
ON_BN_CLICKED(8480, &COrvennaConsoleDlg::OnCircumpolarCircles)
ON_BN_CLICKED(8481, &COrvennaConsoleDlg::OnGalacticEquator)
ON_BN_CLICKED(1031, &COrvennaConsoleDlg::OnFindPolaris)
ON_BN_CLICKED(11100, &COrvennaConsoleDlg::OnPrecessionNorth)
ON_BN_CLICKED(996, &COrvennaConsoleDlg::OnPrecessionSouth)
ON_BN_CLICKED(1098, &COrvennaConsoleDlg::OnZodiac)
ON_BN_CLICKED(1099, &COrvennaConsoleDlg::OnZodiac13)
ON_CONTROL_RANGE(BN_CLICKED, 8470, 8475, &COrvennaConsoleDlg::OnLookDirection)
ON_BN_CLICKED(1970, &COrvennaConsoleDlg::OnMilkyWay)
ON_BN_CLICKED(COrvennaConsoleDlg::GetSimulationDataCommand, &COrvennaConsoleDlg::OnGetSimulationData)
ON_BN_CLICKED(COrvennaConsoleDlg::ScriptPauseResumeCommand, &COrvennaConsoleDlg::OnScriptPauseResume)
ON_BN_CLICKED(COrvennaConsoleDlg::ScriptStopCommand, &COrvennaConsoleDlg::OnScriptStop)
ON_BN_CLICKED(1104, &COrvennaConsoleDlg::OnPause)
ON_BN_CLICKED(1105, &COrvennaConsoleDlg::OnNormalSpeed)
ON_BN_CLICKED(1059, &COrvennaConsoleDlg::OnNow)
ON_CONTROL_RANGE(BN_CLICKED, 1137, 1140, &COrvennaConsoleDlg::OnSeasonDate)
ON_BN_CLICKED(1899, &COrvennaConsoleDlg::OnSetDateTime)
ON_BN_CLICKED(1123, &COrvennaConsoleDlg::OnBnClickedFind)
ON_BN_CLICKED(1841, &COrvennaConsoleDlg::OnShowDateTime)
ON_CONTROL_RANGE(BN_CLICKED, 1106, 1109, &COrvennaConsoleDlg::OnSpeedButton)
ON_CONTROL_RANGE(BN_CLICKED, 1096, 1097, &COrvennaConsoleDlg::OnSpeedHoldRelease)
ON_BN_CLICKED(5114, &COrvennaConsoleDlg::OnInvertTime)
ON_BN_CLICKED(1057, &COrvennaConsoleDlg::OnGoTo)
ON_BN_CLICKED(1985, &COrvennaConsoleDlg::OnResetView)
ON_BN_CLICKED(1990, &COrvennaConsoleDlg::OnDeselect)
ON_BN_CLICKED(988, &COrvennaConsoleDlg::OnObjectPosition)
ON_BN_CLICKED(1358, &COrvennaConsoleDlg::OnPdfDocuments)
ON_BN_CLICKED(11636, &COrvennaConsoleDlg::OnMultimedia)
ON_CONTROL_RANGE(BN_CLICKED, 1101, 1103, &COrvennaConsoleDlg::OnPoleOrEquator)
ON_BN_CLICKED(29316, &COrvennaConsoleDlg::OnWorldMap)
ON_BN_CLICKED(1120, &COrvennaConsoleDlg::OnHome)
ON_BN_CLICKED(2003, &COrvennaConsoleDlg::OnFromHere)
ON_CONTROL_RANGE(BN_CLICKED, 1060, 1064, &COrvennaConsoleDlg::OnEventButton)
ON_CONTROL_RANGE(BN_CLICKED, 1014, 1024, &COrvennaConsoleDlg::OnPlanetButton)
ON_BN_CLICKED(COrvennaConsoleDlg::FlyByButtonId, &COrvennaConsoleDlg::OnFlyOver)
END_MESSAGE_MAP()

COrvennaConsoleDlg::COrvennaConsoleDlg() : CDialog(IDD), PlanetariumLink(consoleState) {
  m_hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(MainIconId));
  // Orvenna's absence is reported by the start-up; the list then holds the figures alone.
  std::wstring installFolder;
  ReadPlanetariumFolder(installFolder);
  ConstellationArtNames = ListConstellationArtNames(installFolder);
  InitConstellationNames();
  CMonitors::GetSecondaryMonitor().GetMonitorRect(&secondaryMonitorRect);
  if (consoleState.monitorRefreshRate < 0)
    consoleState.monitorRefreshRate = LoadPlaybackOptions().refreshPerSecond;
  liveMonitorRefreshRate = consoleState.monitorRefreshRate;
}

COrvennaConsoleDlg::~COrvennaConsoleDlg() {
  StopClockThread();
  EndFlyByCountdown();
  FreeBackground();
}

void COrvennaConsoleDlg::OnDestroy() {
  // Keys whose release was still due go up before the timers die with the window.
  ReleasePendingKeys();
  // The clock thread writes into this window's labels: it goes first.
  StopClockThread();
  EndFlyByCountdown();
  tooltips_.clear();
  CDialog::OnDestroy();
}

std::wstring LoadConsoleString(UINT id) {
  std::array<wchar_t, 4096> text{};
  const int length = LoadStringW(nullptr, id, text.data(), static_cast<int>(text.size()));
  return std::wstring(text.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
}
