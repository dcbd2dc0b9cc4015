// A recording stopped as the recorder's stop button stops it: kept in a file the presenter
// chooses, or let go when the presenter says so.
#pragma once

#include <optional>
#include <string>

class CWnd;
class COrvennaConsoleDlg;

// The open or save dialog for a show's file over the owner; none when cancelled.
std::optional<std::wstring> ChooseRecordingFile(CWnd* owner, bool save);

enum class RecordingEnd { Dropped, Discarded, Saved };

// Ends the recording: one without a step is dropped; otherwise the save dialog comes back until
// the show is in a file or the presenter lets it go. The recorder is idle afterwards.
RecordingEnd EndRecording(COrvennaConsoleDlg& console, CWnd* owner);
