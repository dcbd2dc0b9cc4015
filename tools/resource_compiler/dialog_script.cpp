#include "tools/resource_compiler/dialog_script.h"

#include <set>

#include "tools/resource_compiler/script_lines.h"

namespace resource_script {
namespace {

constexpr std::uint32_t kChild = 0x40000000;
constexpr std::uint32_t kVisible = 0x10000000;
constexpr std::uint32_t kSetFont = 0x0040;

using Words = std::vector<std::string>;

bool quoted(const std::string& word) {
  return word.size() >= 2 && word.front() == '"';
}

std::wstring unquote(const std::string& word) {
  std::size_t at = 0;
  std::string reason;
  return read_quoted(word, at, reason).value_or(L"");
}

// Styles from words[from...]: names or numbers ORed, "-NAME" removing one; stops at "exstyle".
std::optional<std::size_t> read_styles(const Words& words, std::size_t from, std::uint32_t& style,
                                       std::string& reason) {
  for (std::size_t i = from; i < words.size(); ++i) {
    if (words[i] == "exstyle") return i;
    const bool remove = words[i].size() > 1 && words[i][0] == '-';
    auto value = style_value(remove ? std::string_view(words[i]).substr(1) : std::string_view(words[i]));
    if (!value || *value < 0) {
      reason = "unknown style \"" + words[i] + "\"";
      return std::nullopt;
    }
    if (remove)
      style &= ~static_cast<std::uint32_t>(*value);
    else
      style |= static_cast<std::uint32_t>(*value);
  }
  return words.size();
}

bool read_rectangle(const Words& words, std::size_t from, int (&out)[4], std::string& reason) {
  for (int i = 0; i < 4; ++i) {
    auto value =
        from + static_cast<std::size_t>(i) < words.size() ? read_decimal(words[from + i]) : std::nullopt;
    if (!value || *value < -32768 || *value > 32767) {
      reason = "expected x, y, width and height in dialog units";
      return false;
    }
    out[i] = static_cast<int>(*value);
  }
  return true;
}

std::optional<DialogDescription> read_dialog(const Words& words, int line, std::string& reason) {
  int rect[4];
  auto id = words.size() == 7 ? read_decimal(words[1]) : std::nullopt;
  if (!id || *id < 1 || *id > 65535 || !quoted(words[2]) || !read_rectangle(words, 3, rect, reason)) {
    reason = "expected: dialog <id 1..65535> \"<caption>\" <x> <y> <width> <height>";
    return std::nullopt;
  }
  return DialogDescription{
      static_cast<int>(*id), unquote(words[2]), rect[0], rect[1], rect[2], rect[3], 0, 0, L"", 0, {}, line};
}

std::optional<ControlDescription> read_control(const Words& words, std::string& reason) {
  int rect[4];
  if (words.size() < 8 || quoted(words[1]) || !quoted(words[3]) || !read_rectangle(words, 4, rect, reason)) {
    reason = "expected: control <class> <id> \"<text>\" <x> <y> <width> <height> [styles] [exstyle ...]";
    return std::nullopt;
  }
  auto id = style_value(words[2]);
  if (!id || *id < -1 || *id > 65535) {
    reason = "the control id \"" + words[2] + "\" is not a number from -1 to 65535 or a known name";
    return std::nullopt;
  }
  ControlDescription control{std::wstring(words[1].begin(), words[1].end()),
                             static_cast<int>(*id),
                             unquote(words[3]),
                             rect[0],
                             rect[1],
                             rect[2],
                             rect[3],
                             kChild | kVisible,
                             0};
  auto ex_at = read_styles(words, 8, control.style, reason);
  if (!ex_at) return std::nullopt;
  if (*ex_at < words.size() && !read_styles(words, *ex_at + 1, control.ex_style, reason)) return std::nullopt;
  return control;
}

}  // namespace

Parsed<std::vector<DialogDescription>> parse_dialogs(std::string_view source) {
  using Result = std::vector<DialogDescription>;
  if (!valid_utf8(source)) return refuse<Result>(0, "the file is not UTF-8");
  std::vector<std::string> lines = split_lines(source);
  Result dialogs;
  std::set<int> ids;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    if (is_blank_or_comment(lines[i])) continue;
    std::string reason;
    auto words = split_words(lines[i], reason);
    if (!words) return refuse<Result>(number, reason);
    const std::string& keyword = (*words)[0];
    if (keyword == "dialog") {
      auto dialog = read_dialog(*words, number, reason);
      if (!dialog) return refuse<Result>(number, reason);
      if (!ids.insert(dialog->id).second)
        return refuse<Result>(number, "dialog " + std::to_string(dialog->id) + " is already given");
      dialogs.push_back(std::move(*dialog));
      continue;
    }
    if (dialogs.empty()) return refuse<Result>(number, "\"" + keyword + "\" before any dialog line");
    DialogDescription& dialog = dialogs.back();
    if (keyword == "style" || keyword == "exstyle") {
      std::uint32_t& target = keyword == "style" ? dialog.style : dialog.ex_style;
      auto end = read_styles(*words, 1, target, reason);
      if (!end || *end != words->size())
        return refuse<Result>(number, reason.empty() ? "misplaced exstyle" : reason);
    } else if (keyword == "font") {
      auto size = words->size() == 3 && quoted((*words)[1]) ? read_decimal((*words)[2]) : std::nullopt;
      if (!size || *size < 1 || *size > 72)
        return refuse<Result>(number, "expected: font \"<face>\" <points 1..72>");
      dialog.font_name = unquote((*words)[1]);
      dialog.font_size = static_cast<int>(*size);
      dialog.style |= kSetFont;
    } else if (keyword == "control") {
      auto control = read_control(*words, reason);
      if (!control) return refuse<Result>(number, reason);
      dialog.controls.push_back(std::move(*control));
    } else {
      return refuse<Result>(number,
                            "unknown keyword \"" + keyword + "\" (dialog, style, exstyle, font, control)");
    }
  }
  return {std::move(dialogs), std::nullopt};
}

}  // namespace resource_script
