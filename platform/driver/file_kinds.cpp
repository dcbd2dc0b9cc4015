#include "platform/driver/file_kinds.h"

#include <charconv>

#include "peers/pdf_reader/pdf_writer.h"
#include "platform/desktop/utf8.h"
#include "platform/driver/media_files.h"
#include "platform/driver/picture_files.h"

namespace driver {
namespace {

constexpr FileKind kFileKinds[] = {
    {"text", "TEXT", &text_file},         {"picture", "WIDTHxHEIGHT", &picture_file_of_size},
    {"clip", "SECONDS", &clip_file},      {"tone", "SECONDS", &tone_file},
    {"pdf", "PAGES", &pdf_file_of_pages},
};

constexpr int kMostPdfPages = 999;

constexpr std::pair<char, std::string_view> kEscapes[] = {{'n', "\r\n"}, {'t', "\t"}, {'\\', "\\"}};

}  // namespace

std::span<const FileKind> file_kinds() {
  return kFileKinds;
}

FileBytes text_file(std::wstring_view, std::string_view argument) {
  std::string text;
  for (std::size_t i = 0; i < argument.size(); ++i) {
    bool escaped = false;
    for (const auto& [letter, replacement] : kEscapes) {
      if (argument[i] != '\\' || i + 1 == argument.size() || argument[i + 1] != letter) continue;
      text += replacement;
      escaped = true;
      ++i;
      break;
    }
    if (!escaped) text += argument[i];
  }
  return {std::vector<std::uint8_t>(text.begin(), text.end()), {}};
}

FileBytes picture_file_of_size(std::wstring_view path, std::string_view argument) {
  const auto size = picture_size(argument);
  if (!size) return {std::nullopt, "expected a picture's size as WIDTHxHEIGHT, such as 640x480"};
  const std::size_t dot = path.rfind(L'.');
  const std::size_t slash = path.rfind(L'\\');
  if (dot == std::wstring_view::npos || (slash != std::wstring_view::npos && dot < slash))
    return {std::nullopt, "a picture's path needs an extension: png, bmp, jpg, jpeg or gif"};
  return picture_file(desktop::to_utf8(path.substr(dot + 1)), size->first, size->second);
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
