// The recorder's buttons of the options dialog: record (and stop and save), play (and pause,
// resume, stop) and load, with the recording files they save and read.
#include "platform/afx/win_app.h"
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/show/script_set_file.h"
#include "src/dialogs/dialog_checks.h"
#include "src/dialogs/options/options_dialog.h"
#include "src/dialogs/options/recording_save.h"
#include "src/settings/console_settings.h"
#include "src/util/format_text.h"
#include "src/util/localized_text.h"

namespace {

constexpr COLORREF RecorderRed = RGB(255, 30, 30);
constexpr COLORREF RecorderOrange = RGB(255, 128, 0);
constexpr COLORREF RecorderBlue = RGB(0, 0, 255);
constexpr wchar_t RecordSymbol[] = L"\x25CF";
constexpr wchar_t StopSymbol[] = L"\x25A0";
constexpr wchar_t PlaySymbol[] = L"\x25BA";
constexpr wchar_t PauseSymbol[] = L"\x2590\x258C";
constexpr wchar_t PausedSymbol[] = L"\x2590\x258C\x25CF";

constexpr UINT FileFormatNotValid = 10940;
constexpr UINT LoadFailedMessage = 10990;
constexpr UINT ShowTooLargeMessage = 11010;

std::wstring LocalText(UINT id) {
  return LoadResourceText(id + ReadLanguage());
}

std::wstring LoadFailureText(ScriptSetLoadError error, const std::wstring& path) {
  switch (error) {
    case ScriptSetLoadError::Unreadable:
      return FormatText(LocalText(LoadFailedMessage).c_str(), path.c_str());
    case ScriptSetLoadError::TooLarge:
      return FormatText(LocalText(ShowTooLargeMessage).c_str(), path.c_str());
    case ScriptSetLoadError::NotValid:
      break;
  }
  return LocalText(FileFormatNotValid);
}

}  // namespace

void OptionsDialog::OnRecordButton() {
  switch (console_.RecorderState) {
    case RecorderIdle:
      SetRecorderFace(record_, RecorderRed, StopSymbol);
      SetRecorderFace(play_, RecorderOrange, PauseSymbol);
      EnableItem(*this, PlayButton, true);
      EnableItem(*this, LoadButton, false);
      EndDialog(RecorderStarted);
      console_.StartRecording();
      return;
    case RecorderRecording:
      ShowRecordingEnd(EndRecording(console_, this));
      return;
    default:
      return;
  }
}

void OptionsDialog::ShowRecordingEnd(RecordingEnd end) {
  SetRecorderFace(record_, RecorderRed, RecordSymbol);
  if (end == RecordingEnd::Dropped)
    play_.SetWindowText(PlaySymbol);
  else
    SetRecorderFace(play_, RecorderBlue, PlaySymbol);
  EnableItem(*this, PlayButton, end == RecordingEnd::Saved);
  EnableItem(*this, LoadButton, true);
}

void OptionsDialog::OnPlayButton() {
  switch (console_.RecorderState) {
    case RecorderRecording:
      console_.PauseResumeRecording();
      play_.SetWindowText(PausedSymbol);
      return;
    case RecorderPaused:
      console_.PauseResumeRecording();
      play_.SetWindowText(PauseSymbol);
      EndDialog(RecorderStarted);
      return;
    case RecorderPlaying:
      record_.EnableWindow(TRUE);
      play_.SetWindowText(PlaySymbol);
      EnableItem(*this, LoadButton, true);
      console_.PlayOrStopRecording();
      return;
    default:
      if (!console_.recordingAvailable) return;
      SetRecorderFace(record_, RecorderRed, RecordSymbol);
      record_.EnableWindow(FALSE);
      play_.SetWindowText(StopSymbol);
      EnableItem(*this, LoadButton, false);
      EndDialog(RecorderStarted);
      console_.PlayOrStopRecording();
      return;
  }
}

void OptionsDialog::OnLoadScriptSet() {
  if (console_.RecorderState != RecorderIdle) return;
  const std::optional<std::wstring> path = ChooseRecordingFile(this, false);
  if (!path) return;
  const ScriptSetLoadResult loaded = LoadScriptSetFile(*path);
  if (!loaded.show) {
    AfxMessageBox(LoadFailureText(loaded.error, *path).c_str(), MB_ICONEXCLAMATION | MB_OK);
    return;
  }
  console_.recordedShow.recordedScript = loaded.show->recordedScript;
  if (loaded.show->commandList) console_.recordedShow.commandList = *loaded.show->commandList;
  console_.recordingAvailable = true;
  SetRecorderFace(record_, RecorderRed, RecordSymbol);
  record_.EnableWindow(TRUE);
  SetRecorderFace(play_, RecorderBlue, PlaySymbol);
  EnableItem(*this, PlayButton, true);
}
