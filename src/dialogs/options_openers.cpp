// The options dialog's buttons that open other dialogs, the soundtrack of recorded shows, and the
// recorder's buttons.
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/dialogs/about_box.h"
#include "src/dialogs/advanced_options.h"
#include "src/dialogs/dialog_checks.h"
#include "src/dialogs/event_dlg.h"
#include "src/dialogs/existing_file_choice.h"
#include "src/dialogs/options_dialog.h"
#include "src/dialogs/play_opt.h"
#include "src/dialogs/speed_dialog.h"
#include "src/media/script_dialog.h"
#include "src/settings/event_settings.h"

namespace {

constexpr wchar_t SoundtrackFilter[] =
    L"Audio files (*.mp3;*.wav;*.wma;*.ogg)|*.mp3;*.wav;*.wma;*.ogg|All Files (*.*)|*.*||";
constexpr COLORREF RecorderRed = RGB(255, 30, 30);
constexpr COLORREF RecorderOrange = RGB(255, 128, 0);
constexpr wchar_t RecordSymbol[] = L"\x25CF";
constexpr wchar_t StopSymbol[] = L"\x25A0";
constexpr wchar_t PlaySymbol[] = L"\x25BA";
constexpr wchar_t PauseSymbol[] = L"\x2590\x258C";
constexpr wchar_t PausedSymbol[] = L"\x2590\x258C\x25CF";

}  // namespace

INT_PTR OptionsDialog::RunSpeedDialog() {
  return CSpeedDialog(state_, this).DoModal();
}

INT_PTR OptionsDialog::RunPlaybackOptions() {
  return CPlayOpt(state_, this).DoModal();
}

INT_PTR OptionsDialog::RunScriptDialog() {
  return CScriptDialog(&state_, this).DoModal();
}

INT_PTR OptionsDialog::RunAdvancedOptions() {
  return AdvancedOptions(state_, console_, this).DoModal();
}

INT_PTR OptionsDialog::RunAboutBox() {
  return CAboutBox(this).DoModal();
}

INT_PTR OptionsDialog::RunEventEditor(int slotNumber) {
  return CEventDlg(state_, slotNumber, this).DoModal();
}

std::optional<std::wstring> OptionsDialog::ChooseSoundtrackFile() {
  return ChooseExistingFile(this, nullptr, SoundtrackFilter);
}

void OptionsDialog::OnSpeedButton() {
  RunSpeedDialog();
}

void OptionsDialog::OnPlaybackOptions() {
  RunPlaybackOptions();
}

void OptionsDialog::OnScriptButton() {
  RunScriptDialog();
}

void OptionsDialog::OnAdvancedOptions() {
  RunAdvancedOptions();
  // Its scripts and a restart of Orvenna leave the console in front; the presenter goes on here.
  ::SetForegroundWindow(m_hWnd);
}

void OptionsDialog::OnAbout() {
  RunAboutBox();
}

void OptionsDialog::OnEventButton(UINT id) {
  if (RunEventEditor(static_cast<int>(id) - FirstEventButton + 1) != SettingsWritten) return;
  eventsSaved_ = SettingsWritten;
  for (int n = 0; n < EventSlotCount; ++n)
    LoadEventRecord(state_, n);
  UpdateEventBitmaps();
  modified_ = true;
  ShowEventMemos();
}

void OptionsDialog::OnChooseAudioStream() {
  const std::optional<std::wstring> path = ChooseSoundtrackFile();
  if (!path) return;
  console_.soundtrackPath = *path;
  const std::size_t slash = path->find_last_of(L"\\/");
  console_.soundtrackName = slash == std::wstring::npos ? *path : path->substr(slash + 1);
  SetDlgItemText(SoundtrackCheck, console_.soundtrackName.c_str());
  EnableItem(*this, SoundtrackCheck, true);
  SetChecked(*this, SoundtrackCheck, true);
  console_.useSoundtrack = true;
}

void OptionsDialog::OnNoAudioCheck() {
  console_.useSoundtrack = IsChecked(*this, SoundtrackCheck);
}

void OptionsDialog::OnRecordButton() {
  if (console_.RecorderState == RecorderIdle) {
    SetRecorderFace(record_, RecorderRed, StopSymbol);
    SetRecorderFace(play_, RecorderOrange, PauseSymbol);
    EnableItem(*this, PlayButton, true);
    EnableItem(*this, LoadButton, false);
    EndDialog(RecorderStarted);
    console_.StartRecording();
    return;
  }
  // Stopping a recording with steps saves it to a file, which the console cannot do yet: the
  // recording goes on rather than being lost.
  if (console_.RecorderState != RecorderRecording || !console_.firstStepPending) return;
  SetRecorderFace(record_, RecorderRed, RecordSymbol);
  play_.SetWindowText(PlaySymbol);
  EnableItem(*this, PlayButton, false);
  EnableItem(*this, LoadButton, true);
  console_.RecorderState = RecorderIdle;
}

void OptionsDialog::OnPlayButton() {
  if (console_.RecorderState == RecorderRecording) {
    console_.PauseResumeRecording();
    play_.SetWindowText(PausedSymbol);
  } else if (console_.RecorderState == RecorderPaused) {
    console_.PauseResumeRecording();
    play_.SetWindowText(PauseSymbol);
    EndDialog(RecorderStarted);
  }
}
