#include "platform/driver/ini_text.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace driver {
namespace {

struct Line {
  std::string_view text;  // without its line end
  std::string_view end;   // "\r\n", "\n" or nothing at the end of the file
};

std::vector<Line> lines_of(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    if (newline == std::string_view::npos) {
      lines.push_back({text, {}});
      break;
    }
    const std::size_t end = newline > 0 && text[newline - 1] == '\r' ? newline - 1 : newline;
    lines.push_back({text.substr(0, end), text.substr(end, newline + 1 - end)});
    text.remove_prefix(newline + 1);
  }
  return lines;
}

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  return text;
}

bool same_words(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// "[name]" gives name.
std::optional<std::string_view> section_of(std::string_view line) {
  line = trimmed(line);
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return trimmed(line.substr(1, line.size() - 2));
}

// "key=value" gives key.
std::optional<std::string_view> key_of(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos || section_of(line)) return std::nullopt;
  return trimmed(line.substr(0, equals));
}

}  // namespace

std::string with_ini_value(std::string_view text, std::string_view section, std::string_view key,
                           std::string_view value) {
  const std::vector<Line> lines = lines_of(text);
  const std::string_view line_end = lines.empty() || lines.front().end.empty() ? "\r\n" : lines.front().end;
  const std::string entry = std::string(trimmed(key)) + "=" + std::string(value);
  std::optional<std::size_t> insert_after;  // the section's header or its last entry
  std::optional<std::size_t> replace;
  bool inside = false;
  for (std::size_t i = 0; i < lines.size() && !replace; ++i) {
    if (auto name = section_of(lines[i].text)) {
      if (inside) break;
      inside = same_words(*name, trimmed(section));
      if (inside) insert_after = i;
      continue;
    }
    if (!inside) continue;
    if (auto found = key_of(lines[i].text); found && same_words(*found, trimmed(key))) replace = i;
    if (!trimmed(lines[i].text).empty()) insert_after = i;
  }
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out.append(replace == i ? std::string_view(entry) : lines[i].text);
    out.append(lines[i].end);
    if (replace || insert_after != i) continue;
    // The file's last line may lack its line end.
    if (lines[i].end.empty()) out.append(line_end);
    out.append(entry).append(line_end);
  }
  if (!insert_after) {
    if (!lines.empty() && lines.back().end.empty()) out.append(line_end);
    out.append("[").append(trimmed(section)).append("]").append(line_end);
    out.append(entry).append(line_end);
  }
  return out;
}

}  // namespace driver
