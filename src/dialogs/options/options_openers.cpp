// The options dialog's buttons that open other dialogs, and the soundtrack of recorded shows.
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/dialogs/about_box.h"
#include "src/dialogs/dialog_checks.h"
#include "src/dialogs/events/event_dlg.h"
#include "src/dialogs/existing_file_choice.h"
#include "src/dialogs/options/advanced_options.h"
#include "src/dialogs/options/options_dialog.h"
#include "src/dialogs/options/play_opt.h"
#include "src/dialogs/options/speed_dialog.h"
#include "src/media/script_dialog.h"
#include "src/settings/event_settings.h"

namespace {

constexpr wchar_t SoundtrackFilter[] =
    L"Audio files (*.mp3;*.wav;*.wma;*.ogg)|*.mp3;*.wav;*.wma;*.ogg|All Files (*.*)|*.*||";

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
