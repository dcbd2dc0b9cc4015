// The fly-by: a timed orbit round the selected body by a script, counted down on the status line,
// ended by its timers (stay, return, or land on a moon) or by a second press.
#include <algorithm>
#include <cwchar>

#include "platform/win/time_api.h"
#include "src/app/console_notices.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/planets/fly_by_script.h"
#include "src/catalog/planet_display_name.h"
#include "src/settings/console_settings.h"
#include "src/settings/ini_files.h"
#include "src/util/compare_no_case.h"

namespace {

constexpr UINT RecordingPausedNoticeMs = 6000;
constexpr UINT NoStopWhileRecordingNotice = 10950;
constexpr UINT NoStopWhileRecordingNoticeMs = 5000;
constexpr UINT NoPlanetNotice = 4110;
constexpr UINT NoPlanetNoticeMs = 6000;
constexpr UINT ScriptRunningNoticeMs = 5000;
constexpr UINT StoppedNoticeMs = 1000;
constexpr UINT FlyOverText = 4190;
constexpr UINT OrbitAroundCaption = 19430;
constexpr UINT AtmosphereCaption = 4030;
constexpr UINT FogCaption = 4020;
constexpr int AtmosphereButtonId = 1012;
constexpr int FogButtonId = 1004;
constexpr wchar_t RunningCaption[] = L"\u25A0";
constexpr wchar_t FlyByScriptName[] = L"flyby.ovs";
constexpr int FlyByRunMs = 4500;
constexpr wchar_t FlyBySection[] = L"flyby";
constexpr int ReturnExtraSeconds = 7;
constexpr int LandingExtraSeconds = 14;
constexpr int LandingAfterOrbitSeconds = 2;
constexpr float ReturnExtraMs = 7000;
constexpr float LandingExtraMs = 12300;
constexpr float RecordedShortfallMs = 700;

// The name a landing timer shows: a string-table entry, else the moon's own name.
struct LandingName {
  UINT_PTR timer;
  UINT stringId;
  const wchar_t* name;
};
constexpr std::array<LandingName, 6> LandingNames{{
    {MoonLandingTimer, 3020, nullptr},
    {PhobosLandingTimer, 0, L"Phobos"},
    {TethysLandingTimer, 4790, nullptr},
    {EuropaLandingTimer, 0, L"Europa"},
    {CharonLandingTimer, 4990, nullptr},
    {TritonLandingTimer, 4760, nullptr},
}};

std::optional<int> ReadFlyByNumber(const std::wstring& key) {
  const std::optional<std::wstring> value = ReadIniEntry(ConsoleIniFile, FlyBySection, key);
  if (!value || value->empty()) return std::nullopt;
  return static_cast<int>(std::wcstol(value->c_str(), nullptr, 10));
}

int ReadFlyBySeconds(const std::wstring& body) {
  const std::optional<int> minutes = ReadFlyByNumber(body + L"-duration");
  const std::optional<int> seconds = ReadFlyByNumber(body + L"-duration-seconds");
  const int m = minutes && *minutes >= 1 && *minutes <= 15 ? *minutes : 1;
  const int s = seconds && *seconds >= 0 && *seconds <= 60 ? *seconds : 0;
  return m * 60 + s;
}

AfterFlyBy ReadAfterFlyBy() {
  const std::optional<std::wstring> value = ReadIniEntry(ConsoleIniFile, FlyBySection, L"afterFlyby");
  if (!value || CompareTextNoCase(*value, L"donothing") == 0) return AfterFlyBy::Stay;
  return CompareTextNoCase(*value, L"landonamoon") == 0 ? AfterFlyBy::LandOnMoon : AfterFlyBy::Return;
}

}  // namespace

void COrvennaConsoleDlg::OnFlyOver() {
  const unsigned language = ReadLanguage();
  if (RecorderState == RecorderPaused) {
    ShowStatusMessage(RecordingPausedNotice + language, RecordingPausedNoticeMs);
    return;
  }
  if (flyByRunning) {
    if (RecorderState == RecorderRecording) {
      flyByNoticeShown = true;
      SetDlgItemText(StatusLineId, LoadConsoleString(NoStopWhileRecordingNotice + language).c_str());
      SetTimer(FlyByNoticeTimer, NoStopWhileRecordingNoticeMs, nullptr);
      return;
    }
    StopFlyBy(true);
    return;
  }
  if (!PassActionGuards(ReplayRefusal)) return;
  if (SelectedBodyCode == NoBodySelected) {
    ShowStatusMessage(NoPlanetNotice + language, NoPlanetNoticeMs);
    return;
  }
  if (scriptRunning || speedKeysActive) {
    ShowStatusMessage(ScriptRunningNotice + language, ScriptRunningNoticeMs);
    return;
  }
  const std::optional<std::size_t> flyBy = FindFlyBy(SelectedBodyCode);
  if (!flyBy) {
    ShowStatusMessage(NoPlanetNotice + language, NoPlanetNoticeMs);
    return;
  }
  StartFlyBy(*flyBy, language);
}

void COrvennaConsoleDlg::StartFlyBy(std::size_t flyBy, unsigned language) {
  const FlyByBody& body = FlyByBodies[flyBy];
  FlyByPlan plan;
  plan.flyBy = flyBy;
  plan.seconds = ReadFlyBySeconds(body.englishName);
  plan.after = ReadAfterFlyBy();
  moonScaleOn = consoleState.wantMoonScale;
  plan.moonScale = moonScaleOn;
  plan.defaultGround = ReadDefaultGround();
  plan.initialAzimuth = consoleState.initialAzimuth;

  const std::wstring text = LoadConsoleString(FlyOverText + language) + FlyByStatusName(flyBy, language);
  KillTimer(StatusLineTimer);
  KillTimer(FlyByNoticeTimer);
  const bool lands = plan.Lands();
  const int endSeconds = plan.seconds + (lands                              ? LandingExtraSeconds
                                         : plan.after == AfterFlyBy::Return ? ReturnExtraSeconds
                                                                            : 0);
  SetTimer(lands ? MoonFlyByEndTimer : FlyByEndTimer, static_cast<UINT>(endSeconds) * 1000, nullptr);
  SetTimer(StatusLineTimer, static_cast<UINT>(endSeconds) * 1000, nullptr);
  SetDlgItemText(StatusLineId, text.c_str());
  SetFlyByCountdownText(text);

  const std::wstring script = BuildFlyByScript(plan);
  if (const MoonLanding* landing = lands ? FindMoonLanding(flyBy) : nullptr)
    SetTimer(landing->timer, static_cast<UINT>(plan.seconds + LandingAfterOrbitSeconds) * 1000, nullptr);
  StartFlyByCountdown(_time64(nullptr) + endSeconds);

  const std::wstring caption = LoadConsoleString(body.captionId + language);
  SetDlgItemText(FlyByButtonId, RunningCaption);
  flyByRunning = true;
  const std::wstring locationBefore = GetDlgItemText(LocationLabelId);
  SetDlgItemText(LocationLabelId, caption.c_str());
  if (!RunScript(script, FlyByScriptName, false, FlyByRunMs)) {
    // A fly-by whose script did not run is not shown running, and the body stays chosen for another try.
    EndFlyByDisplay();
    SetDlgItemText(LocationLabelId, locationBefore.c_str());
    KillTimer(StatusLineTimer);
    ClearStatusLine();
    return;
  }
  viewZoomedOut = 1;
  SetDlgItemText(AtmosphereButtonId, LoadConsoleString(AtmosphereCaption + language).c_str());
  SetDlgItemText(FogButtonId, LoadConsoleString(FogCaption + language).c_str());
  RecordStep(L"", L"Site|" + caption, 0);
  const float extraMs = lands ? LandingExtraMs : plan.after == AfterFlyBy::Return ? ReturnExtraMs : 0;
  RecordStep(script, L"", static_cast<float>(plan.seconds) * 1000 + extraMs - RecordedShortfallMs);

  ForgetSelectedBody();
}

void COrvennaConsoleDlg::StopFlyBy(bool byPresenter) {
  // Joined, so that it writes the status line no more.
  EndFlyByCountdown();
  StopPlanetariumScript();
  OnPause();
  timeRateNormal = false;
  if (byPresenter)
    OnNormalSpeed();
  else
    RestoreNormalSpeed();
  EndFlyByDisplay();
}

void COrvennaConsoleDlg::EndFlyByDisplay() {
  EndFlyByCountdown();
  SetDlgItemText(FlyByButtonId, LoadConsoleString(OrbitAroundCaption + ReadLanguage()).c_str());
  for (UINT_PTR timer : FlyByTimers)
    KillTimer(timer);
  SetTimer(StatusLineTimer, StoppedNoticeMs, nullptr);
  SetDlgItemText(LocationLabelId, L"");
  flyByRunning = false;
}

void COrvennaConsoleDlg::ShowFlyByLanding(UINT_PTR timer) {
  const auto found = std::ranges::find(LandingNames, timer, &LandingName::timer);
  if (found == LandingNames.end()) return;
  const std::wstring name =
      found->name != nullptr ? found->name : LoadConsoleString(found->stringId + ReadLanguage());
  SetDlgItemText(LocationLabelId, name.c_str());
  RecordStep(L"", L"Site|" + name, 0);
}

void COrvennaConsoleDlg::EndFlyBy(UINT_PTR timer) {
  // After a landing the moon's name stays in the location caption.
  if (timer == FlyByEndTimer) SetDlgItemText(LocationLabelId, L"");
  SetFlyByCountdownText(L"");
  flyByRunning = false;
  SetDlgItemText(FlyByButtonId, LoadConsoleString(OrbitAroundCaption + ReadLanguage()).c_str());
}
