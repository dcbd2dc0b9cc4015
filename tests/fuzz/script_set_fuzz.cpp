// Feeds arbitrary UTF-16LE text to the recording files' codec and file, as a recorded script and
// a command list (split at the first line break) and as a whole file. Escaping, encoding, decoding
// and unescaping give any text back; a show saved and loaded again is the same show; a file that
// loads as a show decodes to no more than any recording and composes into a text that loads as
// the same show.
#include <optional>
#include <string>

#include "platform/afx/utf16_text.h"
#include "src/app/show/script_set_codec.h"
#include "src/app/show/script_set_file.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr wchar_t kFolder[] = L"C:\\Fuzz";
constexpr wchar_t kSaved[] = L"C:\\Fuzz\\saved.ocsf";
constexpr wchar_t kRead[] = L"C:\\Fuzz\\read.ocsf";

std::wstring text_of(const std::uint8_t* data, std::size_t size) {
  // As a file's UTF-16 reads: a surrogate pair is one character.
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2)
    AppendUtf16Unit(text, static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  return text;
}

// What loading gives back for a show: the script without one start marker, and a command list
// only when it is not empty.
LoadedScriptSet expected_of(const RecordedShow& show) {
  std::wstring_view script = show.recordedScript;
  if (script.starts_with(RecordingStartMarker)) script.remove_prefix(RecordingStartMarker.size());
  LoadedScriptSet loaded{std::wstring(script), std::nullopt};
  if (!show.commandList.empty()) loaded.commandList = show.commandList;
  return loaded;
}

bool same(const std::optional<LoadedScriptSet>& loaded, const LoadedScriptSet& expected) {
  return loaded && loaded->recordedScript == expected.recordedScript &&
         loaded->commandList == expected.commandList;
}

void check_codec(const std::wstring& text) {
  const std::wstring encoded = TranscodeScriptSetText(EscapeRecordedText(text), false);
  require(UnescapeRecordedText(TranscodeScriptSetText(encoded, true)) == text);
}

void check_show(const RecordedShow& show) {
  const LoadedScriptSet expected = expected_of(show);
  require(same(ParseScriptSetText(ComposeScriptSetText(show)).show, expected));
  require(SaveScriptSetFile(kSaved, show));
  require(same(LoadScriptSetFile(kSaved).show, expected));
}

void check_file() {
  const ScriptSetLoadResult result = LoadScriptSetFile(kRead);
  require(result.show || result.error != ScriptSetLoadError::Unreadable);
  if (!result.show) return;
  const RecordedShow show{result.show->recordedScript, result.show->commandList.value_or(L"")};
  require(show.recordedScript.size() + show.commandList.size() <= LargestShowCharacters);
  require(same(ParseScriptSetText(ComposeScriptSetText(show)).show, expected_of(show)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  write_fuzz_file(kFolder, kRead, data, size);
  const std::wstring text = text_of(data, size);
  check_codec(text);
  const std::size_t split = text.find(L'\n');
  const RecordedShow show{text.substr(0, split), split == std::wstring::npos ? L"" : text.substr(split + 1)};
  check_show(show);
  check_file();
  return 0;
}
