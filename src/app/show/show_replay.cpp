// The replay of a recorded show: Orvenna runs the recorded script as one long script while the
// console performs the command list's keywords at their recorded times, one per expiry of timer
// 300, until the presenter stops it.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/afx/win_app.h"
#include "platform/win/message_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/show/recording_versions.h"
#include "src/app/show/replay_command_line.h"
#include "src/controls/message_box/message_box_dialog.h"
#include "src/settings/console_settings.h"
#include "src/util/compare_no_case.h"
#include "src/util/format_text.h"
#include "src/util/split_string.h"

namespace {

constexpr wchar_t ReplayScriptName[] = L"MACRO.ovs";
constexpr int ReplayScriptMs = 4500;
constexpr UINT FirstReplayStepMs = 9500;
constexpr UINT VersionNoticeMs = 10000;
constexpr UINT BackgroundAudioNoticeMs = 5000;
constexpr UINT BackgroundAudioNotice = 9420;
constexpr UINT OtherConsoleVersionQuestion = 9440;
constexpr UINT LaterPlanetariumNeeded = 9450;
constexpr UINT RememberedNoNotice = 10970;
constexpr UINT VersionQuestionStyle = MB_YESNO | MB_ICONQUESTION | MB_DONTASKAGAIN;
constexpr wchar_t MessageBoxesSection[] = L"MessageBoxes";
constexpr wchar_t VersionCommand[] = L"version";
constexpr wchar_t PlanetariumCommand[] = L"orvenna";
constexpr wchar_t VersionNoteFormat[] = L"Script made with the %s version of Orvenna Console";
constexpr wchar_t UnknownVersionNote[] = L"Script version unknown (<3.1.5)";
constexpr std::size_t VersionNoteLength = 6;
constexpr std::array<const wchar_t*, 6> EarthNames{L"Earth",  L"Terra",      L"la Terre",
                                                   L"Tierra", L"D\u00FCnya", L"\u5730\u7403"};
constexpr LPARAM ZoomKeyFlags = 0x01500001;
constexpr LPARAM ShiftKeyFlags = 0x002A0001;

std::vector<std::wstring> SplitAtBars(std::wstring_view line) {
  std::vector<std::wstring> pieces;
  SplitString(line, L"|", pieces);
  return pieces;
}

// The line of the list before its first "\r"; a list without one has no line.
std::wstring_view FirstLine(std::wstring_view list) {
  const std::size_t end = list.find(L'\r');
  if (end == std::wstring_view::npos) return {};
  return list.substr(0, end);
}

// The text after the first "\r", up to the next one or to the end of the list.
std::wstring_view SecondLine(std::wstring_view list) {
  const std::size_t end = list.find(L'\r');
  if (end == std::wstring_view::npos) return {};
  list.remove_prefix(end + 1);
  return list.substr(0, list.find(L'\r'));
}

// The answer a "Don't ask this question again" box gives without being shown, if it has one.
bool IsAnswerRemembered(const std::wstring& question, UINT style) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return false;
  const CMessageBoxDialog box(nullptr, question, L"", style, 0);
  const std::wstring valueName = box.GetProfileValueName();
  constexpr int NotRemembered = -1;
  return static_cast<int>(app->GetProfileIntW(MessageBoxesSection, valueName.c_str(), NotRemembered)) !=
         NotRemembered;
}

}  // namespace

void COrvennaConsoleDlg::PlayOrStopRecording() {
  if (RecorderState != RecorderIdle)
    StopPlayback();
  else
    StartPlayback();
}

void COrvennaConsoleDlg::StopPlayback() {
  StopPlanetariumScript();
  RecorderState = RecorderIdle;
  KillTimer(ReplayStepTimer);
  scriptRunning = false;
  // A fly-by of the show ends as the presenter's script stop ends it; the normal rate needs no
  // guard that could end the console when Orvenna has gone.
  if (flyByRunning) EndFlyByDisplay();
  timeRateNormal = false;
  RestoreNormalSpeed();
  // Only the show's own soundtrack: audio started from the panel plays on under its button.
  StopSoundtrack();
  if (HWND view = FindPlanetariumView()) {
    ActivatePlanetariumView(view);
    ::PostMessageW(view, WM_KEYUP, VK_NEXT, ZoomKeyFlags);
    ::PostMessageW(view, WM_KEYUP, VK_SHIFT, ShiftKeyFlags);
    ::PostMessageW(view, WM_KEYUP, VK_PRIOR, ZoomKeyFlags);
    ::PostMessageW(view, WM_KEYUP, VK_SHIFT, ShiftKeyFlags);
  }
  zoomHeld = false;
}

void COrvennaConsoleDlg::StartPlayback() {
  nextCommandIndex = 0;
  const int version = CheckRecordingVersion(recordedShow.commandList);
  if (version < 0) return;
  if (!CheckRecordingPlanetariumVersion(recordedShow.commandList)) return;
  if (backgroundAudioActive) {
    KillTimer(StatusLineTimer);
    ShowStatusMessage(BackgroundAudioNotice + ReadLanguage(), BackgroundAudioNoticeMs);
    return;
  }
  if (!soundtrackName.empty() && useSoundtrack) StartSoundtrack();
  // A show whose script did not start is not shown as playing.
  if (!RunScript(recordedShow.recordedScript, ReplayScriptName, false, ReplayScriptMs)) {
    StopSoundtrack();
    return;
  }
  RecorderState = RecorderPlaying;
  replayKeyword.clear();
  SetDlgItemText(LocationLabelId, EarthNames[std::min<std::size_t>(ReadLanguage(), EarthNames.size() - 1)]);
  KillTimer(ReplayStepTimer);
  if (!recordedShow.commandList.empty() && version == 1)
    SetTimer(ReplayStepTimer, FirstReplayStepMs, nullptr);
}

int COrvennaConsoleDlg::CheckRecordingVersion(const std::wstring& commandList) {
  const std::wstring_view line = FirstLine(commandList);
  if (line.empty()) return 0;
  if (line.size() < 7 || CompareTextNoCase(line.substr(0, 7), VersionCommand) != 0) {
    ShowStatusText(UnknownVersionNote, VersionNoticeMs);
    nextCommandIndex = 1;
    return 0;
  }
  const std::vector<std::wstring> pieces = SplitAtBars(line);
  if (pieces.size() != 3) return 0;
  if (!IsSupportedRecordingVersion(pieces[1])) {
    const unsigned language = ReadLanguage();
    const std::wstring question = LoadConsoleString(OtherConsoleVersionQuestion + language);
    const bool remembered = IsAnswerRemembered(question, VersionQuestionStyle);
    if (AfxMessageBox(question.c_str(), VersionQuestionStyle) != IDYES) {
      // The box did not show: the presenter must still learn why nothing plays.
      if (remembered) ShowStatusMessage(RememberedNoNotice + language, VersionNoticeMs);
      return -1;
    }
  }
  ShowStatusText(FormatText(VersionNoteFormat, pieces[1].substr(0, VersionNoteLength).c_str()),
                 VersionNoticeMs);
  nextCommandIndex = 1;
  return 1;
}

bool COrvennaConsoleDlg::CheckRecordingPlanetariumVersion(const std::wstring& commandList) {
  const std::wstring_view line = SecondLine(commandList);
  if (line.empty() || line.find(PlanetariumCommand) == std::wstring_view::npos) return true;
  const std::vector<std::wstring> pieces = SplitAtBars(line);
  if (pieces.size() != 3) return true;
  if (ComparePlanetariumVersions(pieces[1], planetariumVersion)) {
    const std::wstring text = LoadConsoleString(LaterPlanetariumNeeded + ReadLanguage());
    AfxMessageBox(FormatText(text.c_str(), pieces[1].c_str()).c_str(), MB_ICONEXCLAMATION | MB_OK);
    return false;
  }
  nextCommandIndex = 2;
  return true;
}

void COrvennaConsoleDlg::OnReplayStep() {
  KillTimer(ReplayStepTimer);
  performingReplayStep = true;
  PerformReplayKeyword(replayKeyword);
  performingReplayStep = false;
  const std::wstring line = NextCommandLine();
  if (line == CommandListEnd) return;
  const ReplayCommand command = ParseReplayCommandLine(line);
  if (command.keyword) replayKeyword = *command.keyword;
  if (command.place) replayPlaceName = *command.place;
  SchedulePlaybackStep(command.seconds);
}

std::wstring COrvennaConsoleDlg::NextCommandLine() {
  return CommandListLine(recordedShow.commandList, nextCommandIndex++);
}

void COrvennaConsoleDlg::SchedulePlaybackStep(double seconds) {
  // A negative or unreadable wait is no wait; the longest is the timer's own limit.
  constexpr double LongestMs = 0x7FFFFFFF;
  const double ms = std::isfinite(seconds) ? std::clamp(seconds * 1000, 0.0, LongestMs) : 0;
  SetTimer(ReplayStepTimer, static_cast<UINT>(ms), nullptr);
}
