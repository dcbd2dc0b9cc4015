// Reading the lines of a resource script: words, quoted texts with their escapes, numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace resource_script {

// The script's lines, without their line ends; a file that is not UTF-8 is refused by the caller.
std::vector<std::string> split_lines(std::string_view text);
bool is_blank_or_comment(std::string_view line);
bool valid_utf8(std::string_view text);

// Reads the text between the quote at text[at] and its closing quote, turning \n \r \t \\ and
// \" into their characters; at moves past the closing quote. Null for a missing closing quote
// or an unknown escape, with the reason.
std::optional<std::wstring> read_quoted(std::string_view text, std::size_t& at, std::string& reason);
// Splits a line into words and quoted texts (kept with their quotes), stopping at a comment: a
// '#' followed by a blank or the line's end, outside quotes. Null when a quoted text is malformed.
std::optional<std::vector<std::string>> split_words(std::string_view line, std::string& reason);
std::optional<std::int64_t> read_decimal(std::string_view word);
// Decimal, or hexadecimal with 0x.
std::optional<std::int64_t> read_number(std::string_view word);

}  // namespace resource_script
