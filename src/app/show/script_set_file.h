// Recording files (*.ocsf): the recorded script and the command list in one encoded UTF-16LE
// text between two markers, the two parts separated by "@".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "src/app/show/recorded_show.h"

// Marks a recording in memory and begins every file; ends every file.
inline constexpr std::wstring_view RecordingStartMarker = L"xQJOC";
inline constexpr std::wstring_view RecordingEndMarker = L"xQJE";

// A recording grows by a few hundred characters a step: a show of thousands of steps fits in
// what a file may decode to, its script and command list together.
inline constexpr std::size_t LargestShowCharacters = 1u << 20;

// The file's text for a show whose script may begin with the start marker.
std::wstring ComposeScriptSetText(const RecordedShow& show);

// What a valid file gives: its script without the marker and, when the file holds exactly one
// "@", its command list.
struct LoadedScriptSet {
  std::wstring recordedScript;
  std::optional<std::wstring> commandList;
};

// Whether a file of the show loads again with spare characters left under each of the loader's
// limits: what the script and the command list decode to, and the file's own length.
bool ShowLoadsBack(const RecordedShow& show, std::size_t spare);

// False when the file cannot be created or written whole; an old file of that name is then kept
// as it was.
bool SaveScriptSetFile(const std::wstring& path, const RecordedShow& show);

enum class ScriptSetLoadError { Unreadable, NotValid, TooLarge };
struct ScriptSetLoadResult {
  std::optional<LoadedScriptSet> show;
  ScriptSetLoadError error = ScriptSetLoadError::NotValid;  // when show is empty
};
// Not valid when the text is not a recording; too large when the file or what it decodes to is
// larger than any show the console records.
ScriptSetLoadResult ParseScriptSetText(std::wstring_view text);
ScriptSetLoadResult LoadScriptSetFile(const std::wstring& path);
