// Ending a recording: saved where the presenter says, with a cancelled save asking whether the
// show is to be deleted and a file that cannot be written told.
#include "src/dialogs/options/recording_save.h"

#include "platform/afx/file_dialog.h"
#include "platform/afx/win_app.h"
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/show/script_set_file.h"
#include "src/util/format_text.h"
#include "src/util/localized_text.h"

namespace {

constexpr wchar_t RecordingFilter[] = L"Orvenna Console Script Files (*.ocsf)|*.ocsf|All Files (*.*)|*.*||";
constexpr wchar_t RecordingPattern[] = L"*.ocsf";
constexpr UINT DeleteRecordingQuestion = 10960;
constexpr UINT SaveFailedMessage = 10980;

// Until the show is in a file or the presenter lets it go, the save dialog comes back; a file
// that cannot be written is told and the recording kept.
RecordingEnd SaveOrDiscard(const COrvennaConsoleDlg& console, CWnd* owner) {
  for (;;) {
    const std::optional<std::wstring> path = ChooseRecordingFile(owner, true);
    if (!path) {
      if (AfxMessageBox(LoadLocalizedText(DeleteRecordingQuestion).c_str(), MB_YESNO | MB_ICONQUESTION) ==
          IDYES)
        return RecordingEnd::Discarded;
      continue;
    }
    if (SaveScriptSetFile(*path, console.recordedShow)) return RecordingEnd::Saved;
    AfxMessageBox(FormatText(LoadLocalizedText(SaveFailedMessage).c_str(), path->c_str()).c_str(),
                  MB_ICONEXCLAMATION | MB_OK);
  }
}

}  // namespace

std::optional<std::wstring> ChooseRecordingFile(CWnd* owner, bool save) {
  const DWORD flags = save ? OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT
                           : OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  CFileDialog dialog(save ? FALSE : TRUE, RecordingPattern, RecordingPattern, flags, RecordingFilter, owner);
  if (dialog.DoModal() != IDOK) return std::nullopt;
  return dialog.GetPathName();
}

RecordingEnd EndRecording(COrvennaConsoleDlg& console, CWnd* owner) {
  if (console.firstStepPending) {
    // Starting emptied the show that was there: nothing is left to play.
    console.RecorderState = RecorderIdle;
    console.recordingAvailable = false;
    return RecordingEnd::Dropped;
  }
  // The zoom's end still goes into the show.
  console.ReleaseHeldZoom();
  const RecordingEnd end = SaveOrDiscard(console, owner);
  console.RecorderState = RecorderIdle;
  console.firstStepPending = true;
  console.recordingAvailable = end == RecordingEnd::Saved;
  std::wstring& script = console.recordedShow.recordedScript;
  if (end == RecordingEnd::Saved && script.starts_with(RecordingStartMarker))
    script.erase(0, RecordingStartMarker.size());
  return end;
}
