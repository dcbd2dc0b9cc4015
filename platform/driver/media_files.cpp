#include "platform/driver/media_files.h"

#include <unistd.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "peers/media/clip_writer.h"
#include "platform/desktop/utf8.h"

namespace driver {
namespace {

constexpr double kLongestSeconds = 600;

std::string extension_list() {
  std::string list;
  for (const std::string& extension : media::clip_extensions())
    list += (list.empty() ? "" : ", ") + extension;
  return list;
}

FileBytes media_file(std::wstring_view path, std::string_view argument, bool video) {
  double seconds = 0;
  auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), seconds);
  if (error != std::errc() || end != argument.data() + argument.size() || seconds < 0 ||
      seconds > kLongestSeconds)
    return {std::nullopt, "expected the length in seconds, from 0 to 600, such as 5 or 2.5"};
  const std::string name = desktop::to_utf8(path.substr(path.rfind(L'\\') + 1));
  const std::string extension = std::filesystem::path(name).extension().string();
  // The muxers write through files of the host: the clip is made in its temporary folder first.
  const std::filesystem::path made =
      std::filesystem::temp_directory_path() / ("scenario-clip-" + std::to_string(getpid()) + extension);
  const std::string why = media::write_clip(made, {.seconds = seconds, .video = video});
  if (!why.empty()) {
    std::filesystem::remove(made);
    return {std::nullopt, why + ": a clip or tone is one of " + extension_list()};
  }
  std::ifstream in(made, std::ios::binary);
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  in.close();
  std::filesystem::remove(made);
  return {std::move(bytes), {}};
}

}  // namespace

FileBytes clip_file(std::wstring_view path, std::string_view argument) {
  return media_file(path, argument, true);
}

FileBytes tone_file(std::wstring_view path, std::string_view argument) {
  return media_file(path, argument, false);
}

}  // namespace driver
