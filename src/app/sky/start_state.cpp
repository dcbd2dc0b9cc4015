// Bringing Orvenna to the console's start state: running work ended, Orvenna's and the console's
// settings read, one long script run, and the view settled after it.
#include <algorithm>
#include <array>

#include "platform/win/time_api.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/settings/console_settings.h"
#include "src/settings/ini_files.h"
#include "src/settings/startup_options.h"
#include "src/util/compare_no_case.h"
#include "src/util/number_text.h"
#include "src/util/text_trim.h"

namespace {

constexpr wchar_t StartStateScriptName[] = L"StartOC.ovs";
constexpr wchar_t ZoomOutScriptName[] = L"setZoomOut.ovs";
constexpr int StartStateRunMs = 8000;
constexpr int ZoomOutRunMs = 1000;
constexpr int WesternStartStateMs = 9000;
constexpr int OtherCultureStartStateMs = 10000;

constexpr UINT EarthCaption = 3000;
constexpr UINT PleaseWaitNotice = 4830;

constexpr std::array<UINT_PTR, 2> FlyByEndTimers{MoonFlyByEndTimer, FlyByEndTimer};

constexpr wchar_t PluginsSection[] = L"plugins_load_at_startup";
constexpr wchar_t StartupSection[] = L"startup";
constexpr int DefaultAzimuth = 270;
constexpr long HighestAzimuth = 355;

int ReadStartAzimuth() {
  std::optional<std::wstring> stored = ReadIniEntry(ConsoleIniFile, StartupSection, L"initPosAzimuth");
  if (!stored) return DefaultAzimuth;
  const long azimuth = ReadLeadingInteger(*stored);
  return azimuth < 0 || azimuth > HighestAzimuth ? 0 : static_cast<int>(azimuth);
}

// Whether Orvenna loads its meteor-shower plug-in, when config.ini says; its satellites
// plug-in is switched off for its next start.
std::optional<bool> ReadPluginsAtStartup() {
  std::optional<bool> meteors;
  if (std::optional<std::wstring> entry =
          ReadIniEntry(PlanetariumConfigIni, PluginsSection, L"MeteorShowers"))
    meteors = CompareTextNoCase(StripWhiteSpace(*entry), L"true") == 0;
  if (std::optional<std::wstring> satellites =
          ReadIniEntry(PlanetariumConfigIni, PluginsSection, L"Satellites");
      satellites && IsIniSwitchOn(*satellites))
    WriteIniValue(PlanetariumConfigIni, PluginsSection, L"Satellites", L"false");
  return meteors;
}

}  // namespace

void COrvennaConsoleDlg::ResetPlanetariumToStartState() {
  // A replay would go on stepping through its show over the new sky.
  if (RecorderState == RecorderPlaying) StopPlayback();
  EndFlyByOrSpeedSteps();
  if (std::optional<bool> meteors = ReadPluginsAtStartup()) meteorPluginLoaded = *meteors;
  ApplyMoonScaleSetting();
  SelectedBodyCode = -1;
  consoleState.initialAzimuth = ReadStartAzimuth();
  CurrentObjectName.clear();
  RestoreNormalSpeed();

  const UINT language = ReadLanguage();
  const StartStateValues values = ReadStartStateValues(StartStateScriptUse::Reset);
  const std::wstring script = ::BuildStartStateScript(values, StartStateScriptUse::Reset);
  const int durationMs =
      IsWesternSkyCulture(values.skyCulture) ? WesternStartStateMs : OtherCultureStartStateMs;
  scriptRunning = true;
  RecordStep(script, L"", static_cast<float>(durationMs));
  RunScript(script, StartStateScriptName, true, StartStateRunMs);
  const std::wstring earth = LoadConsoleString(EarthCaption + language);
  SetDlgItemText(LocationLabelId, earth.c_str());
  RecordStep(L"", L"Site|" + earth, 0);
  shootingStarsOn = false;
  ShowStatusMessage(PleaseWaitNotice + language, durationMs);
}

// Its end timer, which would have ended the flag, was taken by the run it gave way to.
void COrvennaConsoleDlg::StartStateGaveWay() {
  scriptRunning = false;
}

void COrvennaConsoleDlg::EndFlyByOrSpeedSteps() {
  if (flyByRunning) {
    StopFlyBy(false);
  } else if (std::ranges::any_of(speedButtonActive, [](bool active) { return active; })) {
    for (UINT_PTR timer : FlyByEndTimers)
      KillTimer(timer);
    SetDlgItemText(InformationBoxId, L"");
    flyByRunning = false;
    flyByCountdownStop = true;
    speedButtonActive.fill(false);
    UpdateSpeedButtonCaptions();
    StopPlanetariumScript();
  }
}

void COrvennaConsoleDlg::ApplyMoonScaleSetting() {
  std::optional<std::wstring> wanted = ReadIniEntry(ConsoleIniFile, StartupSection, L"wantMoonScale");
  if (wanted && IsIniSwitchOn(*wanted)) moonScaleOn = true;
}

std::wstring COrvennaConsoleDlg::BuildStartStateScript(StartStateScriptUse use) {
  if (use == StartStateScriptUse::RecordingHeader) ApplyMoonScaleSetting();
  return ::BuildStartStateScript(ReadStartStateValues(use), use);
}

StartStateValues COrvennaConsoleDlg::ReadStartStateValues(StartStateScriptUse use) {
  StartStateValues values;
  ReadStartupToggles(values.atmosphere, values.fog, values.milkyWay);
  if (!ReadStarMagnitudes(values.absoluteMagnitude, values.relativeMagnitude)) {
    values.absoluteMagnitude = 100;
    values.relativeMagnitude = 110;
  }
  std::wstring date = TodayStartDate;
  std::wstring time = NowStartTime;
  if (!ReadStartDateTime(date, time)) date = TodayStartDate;
  SYSTEMTIME now{};
  GetLocalTime(&now);
  values.dateStatement = StartDateStatement(date, time, now);
  std::array<std::wstring, 3> color;
  if (ReadBoundariesColor(color[0], color[1], color[2])) values.boundariesColor = color;
  ReadSkyCultureSetting(values.skyCulture);
  values.ground = ReadDefaultGround();
  values.home = LoadHomeLocation();
  values.fieldOfView = ReadFieldOfView();
  values.initialAzimuth = consoleState.initialAzimuth;
  values.fadingDuration = consoleState.fadingDuration;
  values.meteorPlugin = meteorPluginLoaded;
  meteorMarkerState = 0;
  values.moonScale = moonScaleOn;
  std::optional<std::wstring> starNames = ReadIniEntry(ConsoleIniFile, L"star_appearance", L"showStarNames");
  values.showStarNames = !starNames || IsIniSwitchOn(*starNames);
  if (use == StartStateScriptUse::Reset) {
    if (std::optional<std::wstring> fog = ReadIniEntry(PlanetariumConfigIni, L"landscape", L"flag_fog"))
      values.planetLabelsByFog = CompareTextNoCase(*fog, L"true") == 0;
  }
  return values;
}

void COrvennaConsoleDlg::RunZoomOutResetScript() {
  RunScript(ZoomOutResetScript(ReadFieldOfView(), consoleState.initialAzimuth), ZoomOutScriptName, true,
            ZoomOutRunMs);
}
