#include "tests/peers/media/media_fixture.h"

#include <filesystem>
#include <fstream>

std::wstring MediaTest::make_clip(const std::string& name, const media::ClipSpec& spec) {
  const std::filesystem::path folder = machine.data_folder() / "C" / "media";
  std::filesystem::create_directories(folder);
  const std::string why = media::write_clip(folder / name, spec);
  EXPECT_EQ(why, "") << name;
  return L"C:\\media\\" + std::wstring(name.begin(), name.end());
}

std::wstring MediaTest::make_file(const std::string& name, const std::string& bytes) {
  const std::filesystem::path folder = machine.data_folder() / "C" / "media";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary) << bytes;
  return L"C:\\media\\" + std::wstring(name.begin(), name.end());
}
