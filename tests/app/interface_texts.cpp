#include "tests/app/interface_texts.h"

#include <fstream>
#include <string_view>

#include "src/util/text_conversion.h"
#include "tests/res/string_table_source.h"

namespace {

std::wstring Wide(std::string_view utf8) {
  std::wstring text;
  ToWideText(Utf8CodePage, utf8, text);
  return text;
}

// The first quoted text of a template line, its escapes resolved.
std::string QuotedText(std::string_view line) {
  std::string text;
  std::size_t at = line.find('"');
  if (at == std::string_view::npos) return text;
  for (++at; at < line.size() && line[at] != '"'; ++at) {
    if (line[at] == '\\' && at + 1 < line.size()) {
      const char escaped = line[++at];
      text += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
    } else {
      text += line[at];
    }
  }
  return text;
}

}  // namespace

std::set<std::wstring> EnglishTexts() {
  std::set<std::wstring> texts = StringTableTexts(0);
  std::ifstream templates(OC_DIALOGS_FILE);
  for (std::string line; std::getline(templates, line);) {
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos) continue;
    const std::string_view trimmed = std::string_view(line).substr(start);
    if (trimmed.starts_with("dialog ") || trimmed.starts_with("control "))
      texts.insert(Wide(QuotedText(trimmed)));
  }
  texts.erase(L"");
  return texts;
}

std::set<std::wstring> StringTableTexts(int language) {
  std::ifstream file(OC_STRINGS_FILE);
  const strings_check::Source source = strings_check::ReadSource(file);
  std::set<std::wstring> texts;
  for (const strings_check::Block& block : source.blocks)
    if (const strings_check::LanguageLine* line = block.Find(language)) texts.insert(Wide(line->text));
  return texts;
}
