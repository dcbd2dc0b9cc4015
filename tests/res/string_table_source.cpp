#include "string_table_source.h"

#include <charconv>
#include <map>
#include <optional>
#include <string_view>
#include <variant>

namespace strings_check {
namespace {

constexpr int kSteps[] = {10, 20, 6, 1};
constexpr int kLargestId = 65535;

std::string At(int line, std::string_view reason) {
  return "line " + std::to_string(line) + ": " + std::string(reason);
}

bool IsBlank(std::string_view s) {
  return s.find_first_not_of(" \t\r") == std::string_view::npos;
}

std::optional<int> Number(std::string_view s) {
  int value = 0;
  auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc() || end != s.data() + s.size() || s.empty() || s.front() == '-')
    return std::nullopt;
  return value;
}

bool IsValidUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const int length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0 || i + length > s.size()) return false;
    for (int k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

std::optional<Block> ReadHeader(std::string_view s, int line) {
  const size_t space = s.find(" step ");
  if (space == std::string_view::npos) return std::nullopt;
  const auto base = Number(s.substr(0, space));
  const auto step = Number(s.substr(space + 6));
  if (!base || !step) return std::nullopt;
  for (int allowed : kSteps)
    if (*step == allowed) return Block{*base, *step, line, {}};
  return std::nullopt;
}

// Reads `<lang> "<text>"` after the two-blank indent; an error text on failure.
std::variant<LanguageLine, std::string> ReadLanguageLine(std::string_view s, int line) {
  const size_t space = s.find(' ');
  if (space == std::string_view::npos) return std::string("expected <lang> \"<text>\"");
  int language = -1;
  for (int l = 0; l < kLanguageCount; ++l)
    if (s.substr(0, space) == kLanguageTags[l]) language = l;
  if (language < 0) return "unknown language '" + std::string(s.substr(0, space)) + "'";
  if (space + 1 >= s.size() || s[space + 1] != '"') return std::string("text must begin with a double quote");
  std::string text;
  size_t i = space + 2;
  for (; i < s.size() && s[i] != '"'; ++i) {
    if (s[i] != '\\') {
      text += s[i];
      continue;
    }
    if (++i == s.size()) break;
    switch (s[i]) {
      case 'n':
        text += '\n';
        break;
      case 'r':
        text += '\r';
        break;
      case 't':
        text += '\t';
        break;
      case '\\':
        text += '\\';
        break;
      case '"':
        text += '"';
        break;
      default:
        return "unknown escape \\" + std::string(1, s[i]);
    }
  }
  if (i >= s.size()) return std::string("text has no closing double quote");
  const std::string_view rest = s.substr(i + 1);
  const size_t after = rest.find_first_not_of(" \t\r");
  if (after != std::string_view::npos && rest[after] != '#')
    return std::string("text after the closing quote");
  return LanguageLine{language, std::move(text), line};
}

}  // namespace

const LanguageLine* Block::Find(int language) const {
  for (const LanguageLine& text : texts)
    if (text.language == language) return &text;
  return nullptr;
}

Source ReadSource(std::istream& in) {
  Source source;
  std::string raw;
  bool inBrokenBlock = false;  // the lines of a refused header are not reported again
  for (int line = 1; std::getline(in, raw); ++line) {
    const std::string_view s = raw;
    if (!IsValidUtf8(s)) {
      source.errors.push_back(At(line, "not UTF-8"));
      continue;
    }
    const size_t first = s.find_first_not_of(' ');
    if (IsBlank(s) || s[first] == '#') continue;
    if (first == 0) {
      auto block = ReadHeader(s, line);
      inBrokenBlock = !block;
      if (block) {
        source.blocks.push_back(std::move(*block));
      } else {
        source.errors.push_back(At(line, "expected '<base id> step <10|20|6|1>'"));
      }
      continue;
    }
    if (inBrokenBlock) continue;
    if (first != 2) {
      source.errors.push_back(At(line, "a language line is indented by two blanks"));
      continue;
    }
    if (source.blocks.empty()) {
      source.errors.push_back(At(line, "language line outside a block"));
      continue;
    }
    auto read = ReadLanguageLine(s.substr(2), line);
    if (auto* error = std::get_if<std::string>(&read)) {
      source.errors.push_back(At(line, *error));
      continue;
    }
    Block& block = source.blocks.back();
    auto& text = std::get<LanguageLine>(read);
    if (block.Find(text.language)) {
      source.errors.push_back(At(line, "language given twice in one block"));
    } else if (block.IdOf(text.language) > kLargestId) {
      source.errors.push_back(At(line, "id above 65535"));
    } else {
      block.texts.push_back(std::move(text));
    }
  }
  return source;
}

std::vector<std::string> DuplicateIds(const Source& source) {
  std::vector<std::string> duplicates;
  std::map<int, int> lineOfId;
  for (const Block& block : source.blocks) {
    for (const LanguageLine& text : block.texts) {
      const int id = block.IdOf(text.language);
      auto [it, inserted] = lineOfId.emplace(id, text.line);
      if (!inserted)
        duplicates.push_back(At(
            text.line, "id " + std::to_string(id) + " already given on line " + std::to_string(it->second)));
    }
  }
  return duplicates;
}

}  // namespace strings_check
