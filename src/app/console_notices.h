// The status-line notices that many of the console's actions share, by their string ids; the
// interface language is added to each.
#pragma once

#include "platform/win/win32.h"

inline constexpr UINT ScriptRunningNotice = 4220;
inline constexpr UINT FlyByNotice = 4980;
inline constexpr UINT RecordingPausedNotice = 8540;
inline constexpr UINT NotDuringRecordingNotice = 8580;
