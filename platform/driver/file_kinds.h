// The kinds of file that the scenario step "makefile PATH KIND ARGUMENT" makes: each is a name,
// the shape of its argument and a maker that turns the argument into the file's bytes. A new
// kind is one more row of the table in file_kinds.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace driver {

// A file's bytes, or why there are none.
struct FileBytes {
  std::optional<std::vector<std::uint8_t>> bytes;
  std::string failure;

  explicit operator bool() const { return bytes.has_value(); }
};

struct FileKind {
  std::string_view name;      // "text", "picture"
  std::string_view argument;  // what the step takes after the kind, for its usage: "TEXT"
  // The file's Windows path (its extension may choose the format) and the step's argument.
  FileBytes (*make)(std::wstring_view path, std::string_view argument);
};

std::span<const FileKind> file_kinds();

// The argument as text: "\n" a line break (CR LF), "\t" a tab, "\\" one backslash; every other
// character as it is, in UTF-8.
FileBytes text_file(std::wstring_view path, std::string_view argument);
// The argument as UTF-16LE text without a byte-order mark, or with one; the escapes of
// text_file and "\r", a carriage return alone.
FileBytes utf16_file(std::wstring_view path, std::string_view argument);
FileBytes utf16_file_with_mark(std::wstring_view path, std::string_view argument);
// A picture of WIDTHxHEIGHT in the format of the path's extension.
FileBytes picture_file_of_size(std::wstring_view path, std::string_view argument);
// A PDF document of PAGES pages of filled shapes, each page in its own colour.
FileBytes pdf_file_of_pages(std::wstring_view path, std::string_view argument);

}  // namespace driver
