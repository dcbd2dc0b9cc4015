#include "src/app/script_set_file.h"

#include <string>
#include <vector>

#include "platform/win/file_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win_errors.h"
#include "src/app/script_set_codec.h"

namespace {

constexpr wchar_t PartSeparator = L'@';
// Larger files are no recording the console made.
constexpr std::size_t LargestFileBytes = 64u << 20;

std::wstring EncodePart(std::wstring_view text) {
  return TranscodeScriptSetText(EscapeRecordedText(text), false);
}

std::wstring DecodePart(std::wstring_view text) {
  return UnescapeRecordedText(TranscodeScriptSetText(text, true));
}

std::string ToUtf16LeBytes(std::wstring_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (wchar_t c : text) {
    const auto unit = static_cast<char16_t>(c);
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

// An odd last byte is dropped.
std::wstring FromUtf16LeBytes(const std::string& bytes) {
  std::wstring text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
    text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                 (static_cast<unsigned char>(bytes[i + 1]) << 8));
  return text;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE &&
            written == bytes.size();
  ok = CloseHandle(file) != FALSE && ok;
  return ok;
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != FALSE) && got > 0 &&
         bytes.size() <= LargestFileBytes)
    bytes.append(chunk, got);
  CloseHandle(file);
  if (!ok || bytes.size() > LargestFileBytes) return std::nullopt;
  return bytes;
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

}  // namespace

std::wstring ComposeScriptSetText(const RecordedShow& show) {
  std::wstring_view script = show.recordedScript;
  if (script.starts_with(RecordingStartMarker)) script.remove_prefix(RecordingStartMarker.size());
  std::wstring text(RecordingStartMarker);
  text += EncodePart(script);
  text += PartSeparator;
  text += EncodePart(show.commandList);
  text += RecordingEndMarker;
  return text;
}

std::optional<LoadedScriptSet> ParseScriptSetText(std::wstring_view text) {
  const std::size_t markers = RecordingStartMarker.size() + RecordingEndMarker.size();
  if (!text.starts_with(RecordingStartMarker) || !text.ends_with(RecordingEndMarker) ||
      text.size() <= markers)
    return std::nullopt;
  const std::wstring_view inner = text.substr(RecordingStartMarker.size(), text.size() - markers);
  if (inner.find(PartSeparator) == std::wstring_view::npos) return std::nullopt;
  const std::vector<std::wstring_view> parts = SplitParts(inner);
  LoadedScriptSet loaded{DecodePart(parts[0]), std::nullopt};
  if (parts.size() == 2) loaded.commandList = DecodePart(parts[1]);
  return loaded;
}

bool SaveScriptSetFile(const std::wstring& path, const RecordedShow& show) {
  return WriteWholeFile(path, ToUtf16LeBytes(ComposeScriptSetText(show)));
}

ScriptSetLoadResult LoadScriptSetFile(const std::wstring& path) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return {std::nullopt, ScriptSetLoadError::Unreadable};
  std::optional<LoadedScriptSet> show = ParseScriptSetText(FromUtf16LeBytes(*bytes));
  return {std::move(show), ScriptSetLoadError::NotValid};
}
