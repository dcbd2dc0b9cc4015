#include "tests/peers/media/media_fixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::filesystem::path media_folder(desktop::Desktop& machine) {
  const std::filesystem::path folder = machine.data_folder() / "C" / "media";
  std::filesystem::create_directories(folder);
  return folder;
}

std::wstring windows_path(const std::string& name) {
  return L"C:\\media\\" + std::wstring(name.begin(), name.end());
}

}  // namespace

std::wstring make_clip(desktop::Desktop& machine, const std::string& name, const media::ClipSpec& spec) {
  EXPECT_EQ(media::write_clip(media_folder(machine) / name, spec), "") << name;
  return windows_path(name);
}

std::wstring make_file(desktop::Desktop& machine, const std::string& name, const std::string& bytes) {
  std::ofstream(media_folder(machine) / name, std::ios::binary) << bytes;
  return windows_path(name);
}

std::string read_media_file(desktop::Desktop& machine, const std::string& name) {
  std::ifstream in(media_folder(machine) / name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
