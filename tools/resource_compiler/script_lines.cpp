#include "tools/resource_compiler/script_lines.h"

#include <charconv>

#include "platform/desktop/utf8.h"

namespace resource_script {

std::vector<std::string> split_lines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

bool is_blank_or_comment(std::string_view line) {
  std::size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos || line[first] == '#';
}

bool valid_utf8(std::string_view text) {
  std::wstring decoded = desktop::from_utf8(text);
  return desktop::to_utf8(decoded) == text;
}

std::optional<std::wstring> read_quoted(std::string_view text, std::size_t& at, std::string& reason) {
  std::string bytes;
  for (std::size_t i = at + 1; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"') {
      at = i + 1;
      return desktop::from_utf8(bytes);
    }
    if (c != '\\') {
      bytes += c;
      continue;
    }
    if (++i == text.size()) break;
    switch (text[i]) {
      case 'n':
        bytes += '\n';
        break;
      case 'r':
        bytes += '\r';
        break;
      case 't':
        bytes += '\t';
        break;
      case '\\':
        bytes += '\\';
        break;
      case '"':
        bytes += '"';
        break;
      default:
        reason = std::string("unknown escape \\") + text[i];
        return std::nullopt;
    }
  }
  reason = "the text has no closing quote";
  return std::nullopt;
}

std::optional<std::vector<std::string>> split_words(std::string_view line, std::string& reason) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < line.size()) {
    if (line[at] == ' ' || line[at] == '\t') {
      ++at;
      continue;
    }
    // "# ..." starts a comment; "#RRGGBB" is a colour.
    if (line[at] == '#' && (at + 1 == line.size() || line[at + 1] == ' ' || line[at + 1] == '\t')) break;
    std::size_t start = at;
    if (line[at] == '"') {
      if (!read_quoted(line, at, reason)) return std::nullopt;
      if (at < line.size() && line[at] != ' ' && line[at] != '\t') {
        reason = "something follows a quoted text without a blank";
        return std::nullopt;
      }
    } else {
      while (at < line.size() && line[at] != ' ' && line[at] != '\t')
        ++at;
    }
    words.emplace_back(line.substr(start, at - start));
  }
  return words;
}

std::optional<std::int64_t> read_decimal(std::string_view word) {
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, 10);
  if (word.empty() || error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

std::optional<std::int64_t> read_number(std::string_view word) {
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(word.data() + 2, word.data() + word.size(), value, 16);
    if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
  }
  return read_decimal(word);
}

}  // namespace resource_script
