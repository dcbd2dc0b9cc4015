#include "peers/mpv/command_line.h"

#include <charconv>
#include <functional>

#include "platform/desktop/utf8.h"

namespace mpv {
namespace {

using Setter = std::function<std::optional<std::string>(Options&, const std::string& value, bool has_value)>;

struct OptionRule {
  const char* name;
  Setter set;
};

std::optional<int> integer_of(const std::string& text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::string> flag(bool Options::*member, bool on, const std::string& value, bool has_value,
                                Options& options) {
  if (!has_value || value == "yes") {
    options.*member = on;
  } else if (value == "no") {
    options.*member = !on;
  } else {
    return "invalid value \"" + value + "\"";
  }
  return std::nullopt;
}

Setter flag_setter(bool Options::*member, bool on) {
  return [member, on](Options& options, const std::string& value, bool has_value) {
    return flag(member, on, value, has_value, options);
  };
}

Setter integer_setter(int Options::*member, int lowest, int highest) {
  return [member, lowest, highest](Options& options, const std::string& value,
                                   bool) -> std::optional<std::string> {
    std::optional<int> number = integer_of(value);
    if (!number || *number < lowest || *number > highest) return "invalid value \"" + value + "\"";
    options.*member = *number;
    return std::nullopt;
  };
}

// "WxH+X+Y" (the offsets may be negative as "-X"), or "WxH".
std::optional<Geometry> geometry_of(const std::string& text) {
  Geometry geometry;
  const char* at = text.data();
  const char* end = text.data() + text.size();
  auto number = [&](int& out) {
    auto [next, error] = std::from_chars(at, end, out);
    if (error != std::errc()) return false;
    at = next;
    return true;
  };
  if (!number(geometry.width) || at == end || *at++ != 'x' || !number(geometry.height)) return std::nullopt;
  if (geometry.width <= 0 || geometry.height <= 0) return std::nullopt;
  for (int* offset : {&geometry.x, &geometry.y}) {
    if (at == end) return offset == &geometry.x ? std::optional(geometry) : std::nullopt;
    const char sign = *at++;
    if ((sign != '+' && sign != '-') || !number(*offset)) return std::nullopt;
    if (sign == '-') *offset = -*offset;
  }
  return at == end ? std::optional(geometry) : std::nullopt;
}

const std::vector<OptionRule>& rules() {
  static const std::vector<OptionRule> all = {
      {"ontop", flag_setter(&Options::on_top, true)},
      {"no-ontop", flag_setter(&Options::on_top, false)},
      {"border", flag_setter(&Options::border, true)},
      {"no-border", flag_setter(&Options::border, false)},
      {"osc", flag_setter(&Options::osc, true)},
      {"no-osc", flag_setter(&Options::osc, false)},
      {"osd-bar", flag_setter(&Options::osd_bar, true)},
      {"no-osd-bar", flag_setter(&Options::osd_bar, false)},
      {"osd-level", integer_setter(&Options::osd_level, 0, 3)},
      {"volume", integer_setter(&Options::volume, 0, 130)},
      {"video-rotate",
       [](Options& options, const std::string& value, bool) -> std::optional<std::string> {
         std::optional<int> degrees = integer_of(value);
         if (!degrees || *degrees < 0 || *degrees > 359) return "invalid value \"" + value + "\"";
         options.rotation = *degrees;
         return std::nullopt;
       }},
      {"vf",
       [](Options& options, const std::string& value, bool) -> std::optional<std::string> {
         if (value != "flip") return "no video filter \"" + value + "\"";
         options.flip = true;
         return std::nullopt;
       }},
      {"screen",
       [](Options& options, const std::string& value, bool) -> std::optional<std::string> {
         std::optional<int> screen = integer_of(value);
         if (!screen || *screen < 0 || *screen > 32) return "invalid value \"" + value + "\"";
         options.screen = *screen;
         return std::nullopt;
       }},
      {"geometry",
       [](Options& options, const std::string& value, bool) -> std::optional<std::string> {
         options.geometry = geometry_of(value);
         if (!options.geometry) return "invalid geometry \"" + value + "\"";
         return std::nullopt;
       }},
  };
  return all;
}

// Rules whose value is required; the rest are flags.
bool needs_value(const std::string& name) {
  return name == "osd-level" || name == "volume" || name == "video-rotate" || name == "vf" ||
         name == "screen" || name == "geometry";
}

}  // namespace

std::vector<std::wstring> split_command_line(const std::wstring& command_line) {
  std::vector<std::wstring> words;
  std::wstring word;
  bool in_word = false;
  bool quoted = false;
  for (wchar_t c : command_line) {
    if (c == L'"') {
      quoted = !quoted;
      in_word = true;
    } else if ((c == L' ' || c == L'\t') && !quoted) {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (in_word) words.push_back(word);
  return words;
}

std::variant<Options, std::string> parse_command_line(const std::wstring& command_line) {
  Options options;
  std::vector<std::wstring> words = split_command_line(command_line);
  bool files_only = false;
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::string word = desktop::to_utf8(words[i]);
    if (files_only || word.rfind("--", 0) != 0) {
      if (!options.file.empty()) return "only one file can be played: \"" + word + "\"";
      options.file = words[i];
      continue;
    }
    if (word == "--") {
      files_only = true;
      continue;
    }
    const std::size_t equals = word.find('=');
    const std::string name = word.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    const bool has_value = equals != std::string::npos;
    const std::string value = has_value ? word.substr(equals + 1) : std::string();
    const OptionRule* rule = nullptr;
    for (const OptionRule& candidate : rules())
      if (name == candidate.name) rule = &candidate;
    if (rule == nullptr) return "Error parsing option " + name + " (option not found)";
    if (needs_value(name) && !has_value)
      return "Error parsing option " + name + " (option requires parameter)";
    if (std::optional<std::string> problem = rule->set(options, value, has_value))
      return "Error parsing option " + name + " (" + *problem + ")";
  }
  if (options.file.empty()) return "no file to play";
  return options;
}

}  // namespace mpv
