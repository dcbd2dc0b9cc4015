#include "tools/resource_compiler/string_table.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

#include "tools/resource_compiler/script_lines.h"

namespace resource_script {
namespace {

constexpr std::array<std::string_view, 6> kLanguages{"en", "it", "fr", "es", "tr", "zh"};
constexpr std::array<std::int64_t, 4> kSteps{10, 20, 6, 1};
constexpr std::int64_t kLargestId = 65535;

struct Block {
  std::int64_t base = 0;
  std::int64_t step = 0;
  std::array<bool, 6> seen{};
};

// Step 20 puts a text's languages twenty ids apart (the message-box captions); with every other
// step the languages are consecutive ids and the step is how far apart the texts' bases lie.
std::int64_t id_stride(std::int64_t step) {
  return step == 20 ? 20 : 1;
}

std::optional<Block> read_header(std::string_view line, std::string& reason) {
  auto words = split_words(line, reason);
  if (!words || words->size() != 3 || (*words)[1] != "step") {
    reason = "expected \"<base id> step <n>\" or an indented language line";
    return std::nullopt;
  }
  auto base = read_decimal((*words)[0]);
  auto step = read_decimal((*words)[2]);
  if (!base || *base < 0 || *base > kLargestId) {
    reason = "the base id is not a number from 0 to 65535";
    return std::nullopt;
  }
  if (!step || std::find(kSteps.begin(), kSteps.end(), *step) == kSteps.end()) {
    reason = "the step must be 10, 20, 6 or 1";
    return std::nullopt;
  }
  return Block{*base, *step, {}};
}

// "  <lang> "<text>"", with only blanks or a comment after the closing quote.
std::optional<std::pair<int, std::wstring>> read_language_line(std::string_view line, std::string& reason) {
  if (line.size() < 3 || line.substr(0, 2) != "  " || line[2] == ' ' || line[2] == '\t') {
    reason = "a language line is indented by two blanks";
    return std::nullopt;
  }
  std::size_t blank = line.find(' ', 2);
  std::string_view language =
      line.substr(2, blank == std::string_view::npos ? std::string_view::npos : blank - 2);
  auto found = std::find(kLanguages.begin(), kLanguages.end(), language);
  if (found == kLanguages.end()) {
    reason = "unknown language \"" + std::string(language) + "\" (en it fr es tr zh)";
    return std::nullopt;
  }
  std::size_t at = line.find_first_not_of(' ', blank == std::string_view::npos ? line.size() : blank);
  if (at == std::string_view::npos || line[at] != '"') {
    reason = "the text must follow the language in double quotes";
    return std::nullopt;
  }
  auto text = read_quoted(line, at, reason);
  if (!text) return std::nullopt;
  std::size_t rest = line.find_first_not_of(" \t", at);
  if (rest != std::string_view::npos && line[rest] != '#') {
    reason = "only blanks or a comment may follow the closing quote";
    return std::nullopt;
  }
  return std::pair{static_cast<int>(found - kLanguages.begin()), std::move(*text)};
}

}  // namespace

Parsed<std::vector<StringEntry>> parse_string_table(std::string_view source) {
  if (!valid_utf8(source)) return refuse<std::vector<StringEntry>>(0, "the file is not UTF-8");
  std::vector<std::string> lines = split_lines(source);
  std::optional<Block> block;
  std::map<std::uint32_t, int> line_of_id;
  std::vector<StringEntry> entries;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    const std::string& line = lines[i];
    if (is_blank_or_comment(line)) continue;
    std::string reason;
    if (line[0] != ' ' && line[0] != '\t') {
      block = read_header(line, reason);
      if (!block) return refuse<std::vector<StringEntry>>(number, reason);
      continue;
    }
    if (!block)
      return refuse<std::vector<StringEntry>>(number, "a language line before any \"<base id> step <n>\"");
    auto entry = read_language_line(line, reason);
    if (!entry) return refuse<std::vector<StringEntry>>(number, reason);
    auto [language, text] = std::move(*entry);
    if (block->seen[static_cast<std::size_t>(language)])
      return refuse<std::vector<StringEntry>>(number,
                                              "the block already has " + std::string(kLanguages[language]));
    block->seen[static_cast<std::size_t>(language)] = true;
    const std::int64_t id = block->base + id_stride(block->step) * language;
    if (id > kLargestId)
      return refuse<std::vector<StringEntry>>(number, "id " + std::to_string(id) + " is above 65535");
    auto [previous, added] = line_of_id.emplace(static_cast<std::uint32_t>(id), number);
    if (!added)
      return refuse<std::vector<StringEntry>>(
          number,
          "id " + std::to_string(id) + " is already given on line " + std::to_string(previous->second));
    entries.push_back({static_cast<std::uint32_t>(id), std::move(text), number});
  }
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
  return {std::move(entries), std::nullopt};
}

}  // namespace resource_script
