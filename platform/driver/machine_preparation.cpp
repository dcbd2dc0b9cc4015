#include "platform/driver/machine_preparation.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop/utf8.h"
#include "platform/driver/file_kinds.h"
#include "platform/driver/ini_text.h"
#include "platform/driver/scenario.h"
#include "platform/win/win32.h"

namespace driver {
namespace {

using Arguments = std::vector<std::string>;
using Data = std::vector<BYTE>;

std::string narrow(std::wstring_view text) {
  return desktop::to_utf8(text);
}

std::string error_text(DWORD error) {
  return " (error " + std::to_string(error) + ")";
}

std::optional<long long> integer(std::string_view text) {
  const bool hex = text.starts_with("0x") || text.starts_with("0X");
  if (hex) text.remove_prefix(2);
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, hex ? 16 : 10);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

template <typename Number>
Data bytes_of(Number value) {
  Data data(sizeof(Number));
  std::memcpy(data.data(), &value, sizeof(Number));
  return data;
}

std::optional<Data> text_data(std::string_view text) {
  const std::wstring wide = desktop::from_utf8(text);
  const auto* start = reinterpret_cast<const BYTE*>(wide.c_str());
  return Data(start, start + (wide.size() + 1) * sizeof(wchar_t));
}

// From -2147483648 to 4294967295: a negative number as its two's complement.
std::optional<Data> dword_data(std::string_view text) {
  auto value = integer(text);
  if (!value || *value < -2147483648LL || *value > 4294967295LL) return std::nullopt;
  return bytes_of(static_cast<DWORD>(*value));
}

std::optional<Data> qword_data(std::string_view text) {
  auto value = integer(text);
  if (!value) return std::nullopt;
  return bytes_of(static_cast<unsigned long long>(*value));
}

// Pairs of hexadecimal digits, blanks between them allowed: "01 ff 80".
std::optional<Data> binary_data(std::string_view text) {
  std::string digits;
  for (char c : text)
    if (c != ' ') digits += c;
  if (digits.size() % 2 != 0) return std::nullopt;
  Data data;
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    BYTE byte = 0;
    auto [end, error] = std::from_chars(digits.data() + i, digits.data() + i + 2, byte, 16);
    if (error != std::errc() || end != digits.data() + i + 2) return std::nullopt;
    data.push_back(byte);
  }
  return data;
}

struct ValueType {
  std::string_view name;
  DWORD type;
  std::optional<Data> (*data)(std::string_view);
  std::string_view shape;  // what the value must look like, for the reason
};

constexpr ValueType kValueTypes[] = {
    {"REG_SZ", REG_SZ, &text_data, "a text"},
    {"REG_EXPAND_SZ", REG_EXPAND_SZ, &text_data, "a text"},
    {"REG_DWORD", REG_DWORD, &dword_data, "a 32-bit number"},
    {"REG_QWORD", REG_QWORD, &qword_data, "a 64-bit number"},
    {"REG_BINARY", REG_BINARY, &binary_data, "pairs of hexadecimal digits"},
};

struct RootKey {
  std::wstring_view name;
  HKEY key;
};

// The root key a path starts with, and the path below it.
std::optional<std::pair<HKEY, std::wstring>> split_key(const std::wstring& path) {
  const RootKey roots[] = {{L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
                           {L"HKCU", HKEY_CURRENT_USER},
                           {L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
                           {L"HKLM", HKEY_LOCAL_MACHINE}};
  const std::size_t slash = path.find(L'\\');
  const std::wstring_view first = std::wstring_view(path).substr(0, slash);
  for (const RootKey& root : roots)
    if (first == root.name)
      return std::pair{root.key, slash == std::wstring::npos ? std::wstring() : path.substr(slash + 1)};
  return std::nullopt;
}

Outcome set_registry_value(DesktopUser&, const Arguments& arguments) {
  constexpr const char* kUsage = "expected: regset KEY NAME TYPE VALUE";
  if (arguments.size() != 4) return Outcome::failure(kUsage);
  const std::wstring path = desktop::from_utf8(arguments[0]);
  auto key_path = split_key(path);
  if (!key_path)
    return Outcome::failure("the key \"" + arguments[0] +
                            "\" is under no HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE");
  const ValueType* type = nullptr;
  for (const ValueType& candidate : kValueTypes)
    if (candidate.name == arguments[2]) type = &candidate;
  if (type == nullptr)
    return Outcome::failure("no registry type \"" + arguments[2] +
                            "\": REG_SZ, REG_EXPAND_SZ, REG_DWORD, REG_QWORD or REG_BINARY");
  const std::optional<Data> data = type->data(arguments[3]);
  if (!data)
    return Outcome::failure("a " + std::string(type->name) + " value is " + std::string(type->shape) +
                            ", not \"" + arguments[3] + "\"");
  HKEY key = nullptr;
  LSTATUS status = RegCreateKeyExW(key_path->first, key_path->second.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                   nullptr, &key, nullptr);
  if (status == ERROR_SUCCESS) {
    status = RegSetValueExW(key, desktop::from_utf8(arguments[1]).c_str(), 0, type->type, data->data(),
                            static_cast<DWORD>(data->size()));
    RegCloseKey(key);
  }
  if (status != ERROR_SUCCESS)
    return Outcome::failure("cannot set " + arguments[0] + "\\" + arguments[1] +
                            error_text(static_cast<DWORD>(status)));
  return Outcome::done();
}

// Deletes the key with every key below it.
LSTATUS delete_tree(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  LSTATUS status = RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key);
  if (status != ERROR_SUCCESS) return status;
  std::vector<std::wstring> below;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD length = 256;
    if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    below.emplace_back(name, length);
  }
  RegCloseKey(key);
  for (const std::wstring& name : below)
    if (status = delete_tree(root, path + L"\\" + name); status != ERROR_SUCCESS) return status;
  return RegDeleteKeyW(root, path.c_str());
}

// A key that is not there is already as asked.
Outcome delete_registry_key(DesktopUser&, const Arguments& arguments) {
  if (arguments.size() != 1) return Outcome::failure("expected: regdel KEY");
  auto key_path = split_key(desktop::from_utf8(arguments[0]));
  if (!key_path || key_path->second.empty())
    return Outcome::failure("the key \"" + arguments[0] +
                            "\" is no key under HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE");
  const LSTATUS status = delete_tree(key_path->first, key_path->second);
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
    return Outcome::failure("cannot delete " + arguments[0] + error_text(static_cast<DWORD>(status)));
  return Outcome::done();
}

// A full Windows path, its %VARIABLES% expanded; nothing for a relative one.
std::optional<std::wstring> full_path(const std::string& text) {
  const std::wstring given = desktop::from_utf8(text);
  const DWORD size = ExpandEnvironmentStringsW(given.c_str(), nullptr, 0);
  std::wstring path(size, L'\0');
  path.resize(ExpandEnvironmentStringsW(given.c_str(), path.data(), size) - 1);
  if (path.size() < 3 || path[1] != L':' || path[2] != L'\\') return std::nullopt;
  return path;
}

Outcome not_full(const std::string& text) {
  return Outcome::failure("\"" + text +
                          "\" is not a full Windows path such as C:\\Users\\presenter\\show.txt");
}

// The folders on the way to a file, made where they are missing.
void make_folders(const std::wstring& path) {
  for (std::size_t slash = path.find(L'\\', 3); slash != std::wstring::npos;
       slash = path.find(L'\\', slash + 1))
    CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
}

Outcome write_file(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  make_folders(path);
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return Outcome::failure("cannot write " + narrow(path) + error_text(GetLastError()));
  DWORD written = 0;
  const BOOL done = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  const DWORD error = GetLastError();
  CloseHandle(file);
  if (!done || written != bytes.size())
    return Outcome::failure("cannot write " + narrow(path) + error_text(error));
  return Outcome::done();
}

// The file's bytes; an empty text when there is no such file.
std::optional<std::string> read_file(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::string();
    return std::nullopt;
  }
  std::string text;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof(chunk), &read, nullptr) && read > 0)
    text.append(chunk, read);
  CloseHandle(file);
  return text;
}

Outcome set_ini_value(DesktopUser&, const Arguments& arguments) {
  if (arguments.size() != 4) return Outcome::failure("expected: ini FILE SECTION KEY VALUE");
  const std::optional<std::wstring> path = full_path(arguments[0]);
  if (!path) return not_full(arguments[0]);
  const std::optional<std::string> text = read_file(*path);
  if (!text) return Outcome::failure("cannot read " + narrow(*path) + error_text(GetLastError()));
  const std::string changed = with_ini_value(*text, arguments[1], arguments[2], arguments[3]);
  return write_file(*path, std::vector<std::uint8_t>(changed.begin(), changed.end()));
}

std::string kind_usage() {
  std::string usage = "expected: makefile PATH ";
  for (const FileKind& kind : file_kinds())
    usage += std::string(usage.ends_with(' ') ? "" : "|") + std::string(kind.name) + " " +
             std::string(kind.argument);
  return usage;
}

Outcome make_file(DesktopUser&, const Arguments& arguments) {
  if (arguments.size() != 3) return Outcome::failure(kind_usage());
  const std::optional<std::wstring> path = full_path(arguments[0]);
  if (!path) return not_full(arguments[0]);
  for (const FileKind& kind : file_kinds()) {
    if (kind.name != arguments[1]) continue;
    FileBytes made = kind.make(*path, arguments[2]);
    if (!made) return Outcome::failure(made.failure);
    return write_file(*path, *made.bytes);
  }
  return Outcome::failure(kind_usage());
}

// A key, name, value or path is cut short at a NUL by the calls that take it, and a line break or
// other control character has no place in any of them: such a word is refused before it is used.
ScenarioRunner::Verb refusing_control_characters(ScenarioRunner::Verb verb) {
  return [verb = std::move(verb)](DesktopUser& user, const Arguments& arguments) {
    for (std::size_t word = 0; word < arguments.size(); ++word) {
      const std::string& text = arguments[word];
      const auto control = std::find_if(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
      });
      if (control == text.end()) continue;
      char code[8];
      std::snprintf(code, sizeof(code), "%04X", static_cast<unsigned char>(*control));
      return Outcome::failure("word " + std::to_string(word + 1) + " holds the control character U+" + code +
                              ", which no key, name, value or path may hold");
    }
    return verb(user, arguments);
  };
}

}  // namespace

void add_preparation_verbs(ScenarioRunner& runner) {
  constexpr VerbShape kThreeWordsAndValue{.takes_rest = true, .fixed_words = 3, .prepares = true};
  runner.add_verb("regset", refusing_control_characters(&set_registry_value), kThreeWordsAndValue);
  runner.add_verb("regdel", refusing_control_characters(&delete_registry_key), {.prepares = true});
  runner.add_verb("ini", refusing_control_characters(&set_ini_value), kThreeWordsAndValue);
  runner.add_verb("makefile", refusing_control_characters(&make_file),
                  {.takes_rest = true, .fixed_words = 2, .prepares = true});
}

}  // namespace driver
