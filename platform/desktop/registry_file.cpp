#include "platform/desktop/registry_file.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>

#include "platform/desktop/utf8.h"
#include "platform/win/registry_api.h"

namespace desktop {
namespace {

enum class DataForm { Bytes, Text, Number };

struct TypeName {
  DWORD type;
  std::string_view name;
  DataForm form;
  std::size_t number_size;
};

constexpr TypeName kTypeNames[] = {
    {REG_NONE, "none", DataForm::Bytes, 0},
    {REG_SZ, "sz", DataForm::Text, 0},
    {REG_EXPAND_SZ, "expand_sz", DataForm::Text, 0},
    {REG_BINARY, "binary", DataForm::Bytes, 0},
    {REG_DWORD, "dword", DataForm::Number, sizeof(std::uint32_t)},
    {REG_DWORD_BIG_ENDIAN, "dword_big_endian", DataForm::Bytes, 0},
    {REG_LINK, "link", DataForm::Text, 0},
    {REG_MULTI_SZ, "multi_sz", DataForm::Text, 0},
    {REG_QWORD, "qword", DataForm::Number, sizeof(std::uint64_t)},
};

const TypeName* type_of(DWORD type) {
  for (const TypeName& entry : kTypeNames)
    if (entry.type == type) return &entry;
  return nullptr;
}

const TypeName* type_named(std::string_view name) {
  for (const TypeName& entry : kTypeNames)
    if (entry.name == name) return &entry;
  return nullptr;
}

bool is_plain(std::uint32_t c) {
  return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

struct Escape {
  std::uint32_t c;
  char letter;
};
constexpr Escape kEscapes[] = {{'"', '"'}, {'\\', '\\'}, {0, '0'}, {'\t', 't'}, {'\n', 'n'}, {'\r', 'r'}};

void append_quoted(std::string& out, std::wstring_view text) {
  out += '"';
  for (wchar_t unit : text) {
    auto c = static_cast<std::uint32_t>(unit);
    const Escape* escape = nullptr;
    for (const Escape& candidate : kEscapes)
      if (candidate.c == c) escape = &candidate;
    if (escape != nullptr) {
      out += '\\';
      out += escape->letter;
    } else if (is_plain(c)) {
      append_utf8(out, c);
    } else {
      char code[16];
      std::snprintf(code, sizeof code, "\\u{%x}", c);
      out += code;
    }
  }
  out += '"';
}

void append_data(std::string& out, const RegistryValue& value) {
  const TypeName* type = type_of(value.type);
  const std::vector<BYTE>& data = value.data;
  if (type != nullptr && type->form == DataForm::Text && data.size() % sizeof(WCHAR) == 0) {
    std::wstring text(data.size() / sizeof(WCHAR), L'\0');
    if (!data.empty()) std::memcpy(text.data(), data.data(), data.size());
    append_quoted(out, text);
    return;
  }
  if (type != nullptr && type->form == DataForm::Number && data.size() == type->number_size) {
    std::uint64_t number = 0;
    if (data.size() == sizeof(std::uint32_t)) {
      std::uint32_t dword;
      std::memcpy(&dword, data.data(), sizeof dword);
      number = dword;
    } else {
      std::memcpy(&number, data.data(), sizeof number);
    }
    out += std::to_string(number);
    return;
  }
  out += "hex";
  for (BYTE byte : data) {
    char hex[4];
    std::snprintf(hex, sizeof hex, " %02x", byte);
    out += hex;
  }
}

void append_key(std::string& out, const RegistryKey& key) {
  if (key.is_volatile) return;
  out += "key ";
  append_quoted(out, key.path());
  out += " written " + std::to_string(key.written_unix_ms) + "\n";
  for (const RegistryValue& value : key.values) {
    out += "value ";
    append_quoted(out, value.name);
    out += ' ';
    const TypeName* type = type_of(value.type);
    out += type ? std::string(type->name) : std::to_string(value.type);
    out += ' ';
    append_data(out, value);
    out += '\n';
  }
  for (const auto& [upper, subkey] : key.subkeys)
    append_key(out, *subkey);
}

std::optional<std::uint32_t> take_utf8(std::string_view& text) {
  constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length;
  std::uint32_t c;
  if (lead < 0x80) {
    length = 1;
    c = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    c = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  text.remove_prefix(length);
  return c;
}

template <typename Number>
bool parse_number(std::string_view text, Number& number, int base = 10) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

class LineReader {
 public:
  explicit LineReader(std::string_view line) : rest_(line) {}

  bool at_end() {
    skip_blanks();
    return rest_.empty();
  }
  bool at(char c) {
    skip_blanks();
    return !rest_.empty() && rest_.front() == c;
  }
  std::string_view word() {
    skip_blanks();
    std::string_view word = rest_.substr(0, rest_.find_first_of(" \t"));
    rest_.remove_prefix(word.size());
    return word;
  }
  bool quoted(std::wstring& text) {
    if (!at('"')) return false;
    rest_.remove_prefix(1);
    text.clear();
    while (!rest_.empty()) {
      char c = rest_.front();
      if (c == '"') {
        rest_.remove_prefix(1);
        return true;
      }
      if (c == '\\') {
        if (!take_escape(text)) return false;
        continue;
      }
      auto scalar = take_utf8(rest_);
      if (!scalar) return false;
      text += static_cast<wchar_t>(*scalar);
    }
    return false;
  }

 private:
  void skip_blanks() {
    while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t'))
      rest_.remove_prefix(1);
  }
  bool take_escape(std::wstring& text) {
    if (rest_.size() < 2) return false;
    char letter = rest_[1];
    rest_.remove_prefix(2);
    for (const Escape& escape : kEscapes)
      if (escape.letter == letter) {
        text += static_cast<wchar_t>(escape.c);
        return true;
      }
    if (letter != 'u' || rest_.empty() || rest_.front() != '{') return false;
    std::size_t close = rest_.find('}');
    std::uint32_t code;
    if (close == std::string_view::npos || close > 9 || !parse_number(rest_.substr(1, close - 1), code, 16))
      return false;
    rest_.remove_prefix(close + 1);
    text += static_cast<wchar_t>(code);
    return true;
  }

  std::string_view rest_;
};

// The problem with a key line, or empty when it was read into key.
std::string read_key_line(LineReader& reader, RegistryFileKey& key) {
  std::wstring path;
  if (!reader.quoted(path)) return "a key line needs its path in quotes";
  for (std::size_t start = 0;;) {
    std::size_t end = path.find(L'\\', start);
    std::wstring name = path.substr(start, end == std::wstring::npos ? end : end - start);
    if (name.empty()) return "a key path has an empty name";
    key.path.push_back(std::move(name));
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  if (reader.at_end()) return {};
  if (reader.word() != "written" || !parse_number(reader.word(), key.written_unix_ms))
    return "a key line may end only in its written time";
  return reader.at_end() ? std::string() : "a key line has more than its path and time";
}

std::string read_value_data(LineReader& reader, RegistryValue& value, const TypeName* type) {
  if (reader.at('"')) {
    std::wstring text;
    if (type == nullptr || type->form != DataForm::Text) return "text is only for text types";
    if (!reader.quoted(text)) return "a text is not closed or has a bad escape";
    value.data.resize(text.size() * sizeof(WCHAR));
    if (!text.empty()) std::memcpy(value.data.data(), text.data(), value.data.size());
    return {};
  }
  std::string_view word = reader.word();
  if (word == "hex") {
    while (!reader.at_end()) {
      BYTE byte;
      std::string_view digits = reader.word();
      if (digits.size() != 2 || !parse_number(digits, byte, 16)) return "hex data needs two digits a byte";
      value.data.push_back(byte);
    }
    return {};
  }
  if (type == nullptr || type->form != DataForm::Number) return "a number is only for dword and qword";
  std::uint64_t number;
  if (!parse_number(word, number) || (type->number_size == sizeof(std::uint32_t) && number > 0xFFFFFFFFu))
    return "a number that does not fit its type";
  value.data.resize(type->number_size);
  if (type->number_size == sizeof(std::uint32_t)) {
    auto dword = static_cast<std::uint32_t>(number);
    std::memcpy(value.data.data(), &dword, sizeof dword);
  } else {
    std::memcpy(value.data.data(), &number, sizeof number);
  }
  return {};
}

std::string read_value_line(LineReader& reader, RegistryValue& value) {
  if (!reader.quoted(value.name)) return "a value line needs its name in quotes";
  std::string_view type_word = reader.word();
  const TypeName* type = type_named(type_word);
  if (type != nullptr)
    value.type = type->type;
  else if (!parse_number(type_word, value.type))
    return "a value needs a type";
  else
    type = type_of(value.type);
  std::string problem = read_value_data(reader, value, type);
  if (problem.empty() && !reader.at_end()) problem = "a value line has more than its data";
  return problem;
}

}  // namespace

std::string format_registry_file(const std::vector<const RegistryKey*>& roots) {
  std::string out = "; The registry of the embedded desktop. Saved after every change.\nregistry 1\n";
  for (const RegistryKey* root : roots)
    append_key(out, *root);
  return out;
}

RegistryFileContents parse_registry_file(std::string_view text) {
  RegistryFileContents contents;
  std::size_t number = 0;
  bool header_seen = false;
  auto fail = [&](std::string problem) {
    contents.keys.clear();
    contents.bad_line = number == 0 ? 1 : number;
    contents.problem = std::move(problem);
    return contents;
  };
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    LineReader reader(line);
    if (reader.at_end() || reader.at(';')) continue;
    std::string_view kind = reader.word();
    if (!header_seen) {
      if (kind != "registry" || reader.word() != "1" || !reader.at_end()) return fail("not a registry file");
      header_seen = true;
      continue;
    }
    std::string problem;
    if (kind == "key") {
      contents.keys.emplace_back();
      problem = read_key_line(reader, contents.keys.back());
    } else if (kind == "value") {
      if (contents.keys.empty()) return fail("a value before any key");
      contents.keys.back().values.emplace_back();
      problem = read_value_line(reader, contents.keys.back().values.back());
    } else {
      problem = "a line that is neither key nor value";
    }
    if (!problem.empty()) return fail(problem);
  }
  if (!header_seen) return fail("not a registry file");
  return contents;
}

}  // namespace desktop
