#include "platform/driver/file_kinds.h"

#include <charconv>

#include "peers/pdf_reader/pdf_writer.h"
#include "platform/desktop/utf8.h"
#include "platform/driver/colour_word.h"
#include "platform/driver/media_files.h"
#include "platform/driver/picture_files.h"

namespace driver {
namespace {

constexpr FileKind kFileKinds[] = {
    {"text", "TEXT", &text_file},
    {"picture", "WIDTHxHEIGHT", &picture_file_of_size},
    {"clip", "SECONDS", &clip_file},
    {"tone", "SECONDS", &tone_file},
    {"pdf", "PAGES", &pdf_file_of_pages},
    {"utf16", "TEXT", &utf16_file},
    {"utf16bom", "TEXT", &utf16_file_with_mark},
};

constexpr int kMostPdfPages = 999;

constexpr std::pair<char, std::string_view> kEscapes[] = {{'n', "\r\n"}, {'t', "\t"}, {'\\', "\\"}};
// The UTF-16 files also take "\r", a carriage return alone.
constexpr std::pair<char, std::string_view> kUtf16Escapes[] = {
    {'n', "\r\n"}, {'r', "\r"}, {'t', "\t"}, {'\\', "\\"}};
constexpr char16_t kByteOrderMark = 0xFEFF;

std::string unescaped(std::string_view argument, std::span<const std::pair<char, std::string_view>> escapes) {
  std::string text;
  for (std::size_t i = 0; i < argument.size(); ++i) {
    bool escaped = false;
    for (const auto& [letter, replacement] : escapes) {
      if (argument[i] != '\\' || i + 1 == argument.size() || argument[i + 1] != letter) continue;
      text += replacement;
      escaped = true;
      ++i;
      break;
    }
    if (!escaped) text += argument[i];
  }
  return text;
}

FileBytes utf16_bytes(std::string_view argument, bool mark) {
  std::u16string units;
  if (mark) units += kByteOrderMark;
  for (wchar_t c : desktop::from_utf8(unescaped(argument, kUtf16Escapes))) {
    const auto code = static_cast<char32_t>(c);
    if (code < 0x10000) {
      units += static_cast<char16_t>(code);
    } else {
      units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
  }
  std::vector<std::uint8_t> bytes;
  for (char16_t unit : units) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return {std::move(bytes), {}};
}

}  // namespace

std::span<const FileKind> file_kinds() {
  return kFileKinds;
}

FileBytes text_file(std::wstring_view, std::string_view argument) {
  const std::string text = unescaped(argument, kEscapes);
  return {std::vector<std::uint8_t>(text.begin(), text.end()), {}};
}

FileBytes utf16_file(std::wstring_view, std::string_view argument) {
  return utf16_bytes(argument, false);
}

FileBytes utf16_file_with_mark(std::wstring_view, std::string_view argument) {
  return utf16_bytes(argument, true);
}

FileBytes picture_file_of_size(std::wstring_view path, std::string_view argument) {
  const std::size_t blank = argument.find(' ');
  const auto size = picture_size(argument.substr(0, blank));
  if (!size) return {std::nullopt, "expected a picture's size as WIDTHxHEIGHT, such as 640x480"};
  std::optional<COLORREF> colour;
  if (blank != std::string_view::npos) {
    colour = colour_of(argument.substr(blank + 1));
    if (!colour) return {std::nullopt, "expected a picture's colour as RGB(R,G,B), each 0 to 255"};
  }
  const std::size_t dot = path.rfind(L'.');
  const std::size_t slash = path.rfind(L'\\');
  if (dot == std::wstring_view::npos || (slash != std::wstring_view::npos && dot < slash))
    return {std::nullopt, "a picture's path needs an extension: png, bmp, jpg, jpeg or gif"};
  return picture_file(desktop::to_utf8(path.substr(dot + 1)), size->first, size->second, colour);
}

FileBytes pdf_file_of_pages(std::wstring_view, std::string_view argument) {
  int pages = 0;
  const auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), pages);
  if (error != std::errc() || end != argument.data() + argument.size() || pages < 1 || pages > kMostPdfPages)
    return {std::nullopt, "expected a number of pages from 1 to " + std::to_string(kMostPdfPages)};
  const std::string document = pdf_reader::write_pdf(pdf_reader::numbered_pages(pages));
  return {std::vector<std::uint8_t>(document.begin(), document.end()), {}};
}

}  // namespace driver
