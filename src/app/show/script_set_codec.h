// The text codec of recording files: script fragments and keywords in place of short codes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ScriptSetCode {
  std::wstring_view fragment;
  std::wstring_view code;
};

// The codec's pairs in the order both directions apply them.
const std::vector<ScriptSetCode>& ScriptSetCodeTable();

// decode false: every fragment becomes its code; true: every code becomes its fragment.
std::wstring TranscodeScriptSetText(std::wstring_view text, bool decode);

// Decoding in time linear in the text; none once the decoded text grows past largest characters.
std::optional<std::wstring> DecodeScriptSetText(std::wstring_view text, std::size_t largest);

// A recorded text made safe to encode: an "@" and anything that reads as a code are escaped, so
// that decoding and unescaping give the text back exactly.
std::wstring EscapeRecordedText(std::wstring_view text);
std::wstring UnescapeRecordedText(std::wstring_view text);
