#include "src/link/script_literal.h"

namespace {

struct Escape {
  wchar_t character;
  std::wstring_view escaped;
};
constexpr Escape Escapes[] = {
    {L'\\', L"\\\\"},
    {L'"', L"\\\""},
    {L'\r', L"\\r"},
    {L'\n', L"\\n"},
    {L'\u2028', L"\\u2028"},
    {L'\u2029', L"\\u2029"},
    // The script is written as a C string: a NUL would end it inside the literal.
    {L'\0', L"\\u0000"},
};

}  // namespace

std::wstring ScriptStringLiteral(std::wstring_view text) {
  std::wstring literal = L"\"";
  for (wchar_t character : text) {
    std::wstring_view replacement(&character, 1);
    for (const Escape& escape : Escapes)
      if (escape.character == character) replacement = escape.escaped;
    literal += replacement;
  }
  return literal + L"\"";
}
