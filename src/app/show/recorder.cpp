// The show recorder: each step of the presenter goes into the recorded script, behind a wait for
// the time since the previous scripted step, or into the command list that the console replays.
#include <algorithm>
#include <string_view>

#include "platform/afx/win_app.h"
#include "platform/win/time_api.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/show/script_set_file.h"
#include "src/app/time/speed_settings.h"
#include "src/settings/console_settings.h"
#include "src/util/format_text.h"
#include "src/util/stopwatch.h"

namespace {

// Marks a recording still in memory; saving and loading take it off.
constexpr wchar_t RecordingMarker[] = L"xQJOC";
constexpr wchar_t RecorderVersionCommand[] = L"version|5.2.1";
constexpr wchar_t PlanetariumVersionCommand[] = L"orvenna|%s";
constexpr wchar_t CommandLineFormat[] = L"%s|%f\r";
constexpr wchar_t WaitLineFormat[] = L"core.wait(%f);\r";
constexpr float MillisecondsPerSecond = 1000;
constexpr wchar_t RoundsFormat[] = L"%f";
constexpr UINT RecordingFullMessage = 11020;
// Room kept for what a recorded step may still add once it is in: an open-ended step's count...
constexpr std::size_t OpenEndedSpare = 1024;
// ...and the steps closing what recorded steps opened: a zoom's end, a speed button's normal rate,
// each a line of a few dozen characters that the file may write six times longer.
constexpr std::size_t ClosingStepsSpare = 1024;

float Since(const SYSTEMTIME& time) {
  return static_cast<float>(MillisecondsSince(time));
}

SYSTEMTIME Now() {
  SYSTEMTIME now{};
  GetSystemTime(&now);
  return now;
}

// The span less the time paused within it.
float LessPaused(float spanMs, float pausedMs) {
  return pausedMs <= spanMs ? spanMs - pausedMs : spanMs;
}

}  // namespace

void COrvennaConsoleDlg::RecordStep(const std::wstring& script, const std::wstring& keyword,
                                    float durationMs) {
  if (RecorderState != RecorderRecording || recordingFull) return;
  if (KeepStep(script, keyword, durationMs, OpenEndedSpare + ClosingStepsSpare)) return;
  // The show stays one that its file gives back; the presenter stops the recording to save it.
  recordingFull = true;
  AfxMessageBox(LoadConsoleString(RecordingFullMessage + ReadLanguage()).c_str(), MB_ICONEXCLAMATION | MB_OK);
}

void COrvennaConsoleDlg::RecordOpeningStep(const std::wstring& script, const std::wstring& keyword,
                                           float durationMs, const std::wstring& closingStep) {
  if (RecorderState != RecorderRecording || recordingFull) return;
  RecordStep(script, keyword, durationMs);
  if (!recordingFull) owedClosingSteps.push_back(closingStep);
}

// A replay must end what it started, so an owed closing step takes the room kept for it.
void COrvennaConsoleDlg::RecordClosingStep(const std::wstring& script, const std::wstring& keyword) {
  if (RecorderState != RecorderRecording) return;
  const auto owed = std::ranges::find(owedClosingSteps, script.empty() ? keyword : script);
  if (owed == owedClosingSteps.end()) {
    RecordStep(script, keyword, 0);
    return;
  }
  owedClosingSteps.erase(owed);
  KeepStep(script, keyword, 0, OpenEndedSpare);
}

bool COrvennaConsoleDlg::KeepStep(const std::wstring& script, const std::wstring& keyword, float durationMs,
                                  std::size_t spare) {
  const bool wasFirst = firstStepPending;
  const std::size_t scriptSize = recordedShow.recordedScript.size();
  const std::size_t commandsSize = recordedShow.commandList.size();
  AppendStep(script, keyword, durationMs);
  if (ShowLoadsBack(recordedShow, spare)) return true;
  recordedShow.recordedScript.resize(scriptSize);
  recordedShow.commandList.resize(commandsSize);
  firstStepPending = wasFirst;
  return false;
}

void COrvennaConsoleDlg::AppendStep(const std::wstring& script, const std::wstring& keyword,
                                    float durationMs) {
  if (firstStepPending) {
    firstStepPending = false;
    BuildRecordingHeader();
    lastScriptDurationMs = pendingScriptMs = durationMs;
    lastScriptStepTime = lastCommandPointTime = Now();
    // A pause before the first step lies before both points.
    pausedSinceScriptMs = pausedSinceCommandMs = 0;
    if (!script.empty())
      recordedShow.recordedScript += script;
    else
      AppendCommandLine(keyword);
    carriedMs = 0;
    return;
  }

  const float sinceCommandPoint = LessPaused(Since(lastCommandPointTime), pausedSinceCommandMs);
  if (pendingScriptMs > sinceCommandPoint || script.empty()) {
    // The previous scripted step is still running in Orvenna: the console replays this one.
    AppendCommandLine(keyword);
    pendingScriptMs = std::max(0.0f, pendingScriptMs - sinceCommandPoint);
    carriedMs = 0;
    pausedSinceCommandMs = 0;
    lastCommandPointTime = Now();
    return;
  }

  const float sinceScriptStep = LessPaused(Since(lastScriptStepTime), pausedSinceScriptMs);
  recordedShow.recordedScript +=
      FormatText(WaitLineFormat, (sinceScriptStep - lastScriptDurationMs) / MillisecondsPerSecond);
  recordedShow.recordedScript += script;
  lastScriptDurationMs = pendingScriptMs = durationMs;
  if (carriedMs == 0)
    carriedMs = std::min(sinceScriptStep, sinceCommandPoint);
  else
    carriedMs += sinceScriptStep;
  pausedSinceScriptMs = pausedSinceCommandMs = 0;
  lastScriptStepTime = lastCommandPointTime = Now();
}

void COrvennaConsoleDlg::StartRecording() {
  if (RecorderState != RecorderIdle) return;
  RecorderState = RecorderRecording;
  recordedShow = {};
  recordingFull = false;
  owedClosingSteps.clear();
  pausedSinceScriptMs = pausedSinceCommandMs = 0;
  firstStepPending = true;
  pendingScriptMs = 0;
  carriedMs = 0;
}

void COrvennaConsoleDlg::PauseResumeRecording() {
  if (RecorderState == RecorderRecording) {
    pauseStartTime = Now();
    RecorderState = RecorderPaused;
    return;
  }
  const float pausedMs = Since(pauseStartTime);
  pausedSinceScriptMs += pausedMs;
  pausedSinceCommandMs += pausedMs;
  RecorderState = RecorderRecording;
}

void COrvennaConsoleDlg::BuildRecordingHeader() {
  // The recording starts from the normal rate, as its header's script sets it at replay.
  suppressNormalSpeedRecord = true;
  RestoreNormalSpeed();
  suppressNormalSpeedRecord = false;
  // The header's start script switches both meteor-shower elements on.
  meteorMarkerState = 0;
  recordedShow.recordedScript = RecordingMarker + BuildStartStateScript(StartStateScriptUse::RecordingHeader);
  AppendCommandLine(RecorderVersionCommand);
  AppendCommandLine(FormatText(PlanetariumVersionCommand, planetariumVersion.c_str()));
}

// The seconds leave out the time paused, as the waits of the recorded script do, so the two stay
// in step at replay.
void COrvennaConsoleDlg::AppendCommandLine(const std::wstring& command) {
  const float waitMs = carriedMs + LessPaused(Since(lastCommandPointTime), pausedSinceCommandMs);
  recordedShow.commandList += FormatText(CommandLineFormat, command.c_str(), waitMs / MillisecondsPerSecond);
}

void COrvennaConsoleDlg::CloseOpenEndedStep(float secondsPerRound) {
  const std::wstring rounds =
      FormatText(RoundsFormat, Since(lastScriptStepTime) / MillisecondsPerSecond / secondsPerRound);
  const std::wstring_view placeholder = OpenEndedRounds;
  std::wstring& script = recordedShow.recordedScript;
  for (std::size_t at = script.find(placeholder); at != std::wstring::npos;
       at = script.find(placeholder, at + rounds.size()))
    script.replace(at, placeholder.size(), rounds);
  pendingScriptMs = 0;
  carriedMs += Since(lastCommandPointTime);
  lastScriptStepTime = lastCommandPointTime = Now();
}
