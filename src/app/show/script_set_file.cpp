#include "src/app/show/script_set_file.h"

#include <string>
#include <vector>

#include "platform/afx/utf16_text.h"
#include "src/app/show/script_set_codec.h"
#include "src/util/whole_file.h"

namespace {

constexpr wchar_t PartSeparator = L'@';
// Two bytes a character: the recorder keeps every show's file within this.
constexpr std::size_t LargestFileBytes = 2 * LargestShowCharacters;
// Escaping at most doubles a text and coding at most triples each character of it.
constexpr std::size_t MostFileCharactersPerCharacter = 6;

std::wstring EncodePart(std::wstring_view text) {
  return TranscodeScriptSetText(EscapeRecordedText(text), false);
}

std::optional<std::wstring> DecodePart(std::wstring_view text, std::size_t largest) {
  std::optional<std::wstring> decoded = DecodeScriptSetText(text, largest);
  if (decoded) *decoded = UnescapeRecordedText(*decoded);
  return decoded;
}

// An odd last byte is dropped.
std::wstring FromUtf16LeBytes(const std::string& bytes) {
  std::wstring text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
    AppendUtf16Unit(text, static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                (static_cast<unsigned char>(bytes[i + 1]) << 8)));
  return text;
}

// The pieces before each "@" count even when empty; the rest after the last only when it is not.
std::vector<std::wstring_view> SplitParts(std::wstring_view inner) {
  std::vector<std::wstring_view> parts;
  std::size_t start = 0;
  for (std::size_t at = inner.find(PartSeparator); at != std::wstring_view::npos;
       at = inner.find(PartSeparator, start)) {
    parts.push_back(inner.substr(start, at - start));
    start = at + 1;
  }
  if (start < inner.size()) parts.push_back(inner.substr(start));
  return parts;
}

std::wstring_view WithoutStartMarker(std::wstring_view script) {
  if (script.starts_with(RecordingStartMarker)) script.remove_prefix(RecordingStartMarker.size());
  return script;
}

}  // namespace

std::wstring ComposeScriptSetText(const RecordedShow& show) {
  const std::wstring_view script = WithoutStartMarker(show.recordedScript);
  std::wstring text(RecordingStartMarker);
  text += EncodePart(script);
  text += PartSeparator;
  text += EncodePart(show.commandList);
  text += RecordingEndMarker;
  return text;
}

ScriptSetLoadResult ParseScriptSetText(std::wstring_view text) {
  const std::size_t markers = RecordingStartMarker.size() + RecordingEndMarker.size();
  if (!text.starts_with(RecordingStartMarker) || !text.ends_with(RecordingEndMarker) ||
      text.size() <= markers)
    return {};
  const std::wstring_view inner = text.substr(RecordingStartMarker.size(), text.size() - markers);
  if (inner.find(PartSeparator) == std::wstring_view::npos) return {};
  const std::vector<std::wstring_view> parts = SplitParts(inner);
  const ScriptSetLoadResult tooLarge{std::nullopt, ScriptSetLoadError::TooLarge};
  std::optional<std::wstring> script = DecodePart(parts[0], LargestShowCharacters);
  if (!script) return tooLarge;
  LoadedScriptSet loaded{std::move(*script), std::nullopt};
  if (parts.size() == 2) {
    loaded.commandList = DecodePart(parts[1], LargestShowCharacters - loaded.recordedScript.size());
    if (!loaded.commandList) return tooLarge;
  }
  return {std::move(loaded)};
}

bool ShowLoadsBack(const RecordedShow& show, std::size_t spare) {
  const std::size_t largest = LargestShowCharacters - spare;
  const std::wstring_view script = WithoutStartMarker(show.recordedScript);
  // A small show fits whatever it holds, without the cost of composing its file.
  const std::size_t frame = RecordingStartMarker.size() + 1 + RecordingEndMarker.size();
  if (MostFileCharactersPerCharacter * (script.size() + show.commandList.size()) + frame <= largest)
    return true;
  const std::wstring escapedScript = EscapeRecordedText(script);
  const std::wstring escapedCommands = EscapeRecordedText(show.commandList);
  if (escapedScript.size() > largest || script.size() + escapedCommands.size() > largest) return false;
  const std::size_t fileCharacters = frame + TranscodeScriptSetText(escapedScript, false).size() +
                                     TranscodeScriptSetText(escapedCommands, false).size();
  return 2 * fileCharacters <= LargestFileBytes - 2 * spare;
}

bool SaveScriptSetFile(const std::wstring& path, const RecordedShow& show) {
  return ReplaceWholeFile(path, ToUtf16LeBytes(ComposeScriptSetText(show)));
}

ScriptSetLoadResult LoadScriptSetFile(const std::wstring& path) {
  std::string bytes;
  switch (ReadWholeFile(path, LargestFileBytes, bytes)) {
    case WholeFileRead::Unreadable:
      return {std::nullopt, ScriptSetLoadError::Unreadable};
    case WholeFileRead::TooLarge:
      return {std::nullopt, ScriptSetLoadError::TooLarge};
    case WholeFileRead::Read:
      break;
  }
  return ParseScriptSetText(FromUtf16LeBytes(bytes));
}
