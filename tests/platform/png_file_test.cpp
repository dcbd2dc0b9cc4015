#include "platform/desktop/png_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/desktop/image_file.h"

namespace {

// A picture whose pixels differ from each other, with repeated runs so the encoder compresses.
desktop::Image pattern(int width, int height, bool with_alpha) {
  desktop::Image image;
  image.width = width;
  image.height = height;
  image.has_alpha = with_alpha;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t alpha = with_alpha ? static_cast<std::uint32_t>((x * 7 + y) % 256) : 0xFF;
      const auto band = static_cast<std::uint32_t>(x / 16);
      image.pixels.push_back(alpha << 24 | (band * 40 & 0xFF) << 16 |
                             static_cast<std::uint32_t>(y % 256) << 8 |
                             static_cast<std::uint32_t>((x * y) & 0xFF));
    }
  return image;
}

class PngFile : public ::testing::Test {
 protected:
  PngFile()
      : folder(std::filesystem::temp_directory_path() / ("png_file_test_" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(folder);
  }
  ~PngFile() override { std::filesystem::remove_all(folder); }

  std::filesystem::path folder;
};

TEST_F(PngFile, WrittenPicturesLoadBackExactly) {
  for (const desktop::Image& image :
       {pattern(1, 1, false), pattern(2, 3, true), pattern(300, 200, true), pattern(257, 31, false)}) {
    const std::string what = std::to_string(image.width) + "x" + std::to_string(image.height);
    const std::filesystem::path path = folder / (what + ".png");
    const desktop::PngWrite written = desktop::write_png(image, path);
    ASSERT_TRUE(written) << what << ": " << written.failure;
    const desktop::ImageLoad load = desktop::load_image_file(path);
    ASSERT_TRUE(load) << what << ": " << load.failure;
    EXPECT_EQ(load.image->width, image.width) << what;
    EXPECT_EQ(load.image->height, image.height) << what;
    EXPECT_EQ(load.image->has_alpha, image.has_alpha) << what;
    EXPECT_EQ(load.image->pixels, image.pixels) << what;
  }
}

TEST_F(PngFile, SamePixelsGiveTheSameBytes) {
  const desktop::PngEncoding first = desktop::encode_png(pattern(64, 48, true));
  const desktop::PngEncoding second = desktop::encode_png(pattern(64, 48, true));
  ASSERT_TRUE(first) << first.failure;
  ASSERT_TRUE(second) << second.failure;
  EXPECT_EQ(*first.bytes, *second.bytes);
  const std::vector<std::uint8_t> signature{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  EXPECT_TRUE(std::equal(signature.begin(), signature.end(), first.bytes->begin()));
}

TEST_F(PngFile, WithoutAlphaTheAlphaBytesAreNotKept) {
  // A screen's pixels carry whatever the alpha byte held; the file must show them opaque.
  const std::vector<std::uint32_t> screen{0x00112233, 0x7F445566};
  const desktop::PngEncoding encoded = desktop::encode_png(2, 1, screen, false);
  ASSERT_TRUE(encoded) << encoded.failure;
  const desktop::ImageLoad load = desktop::load_image(*encoded.bytes);
  ASSERT_TRUE(load) << load.failure;
  EXPECT_FALSE(load.image->has_alpha);
  EXPECT_EQ(load.image->pixels, (std::vector<std::uint32_t>{0xFF112233, 0xFF445566}));
}

TEST_F(PngFile, BadPicturesAndPathsFailWithAReason) {
  const std::vector<std::uint32_t> four(4, 0xFF000000);
  struct Case {
    int width;
    int height;
    std::size_t pixels;
    const char* reason;
  };
  for (Case c : {Case{0, 4, 0, "width and a height"}, Case{4, -1, 4, "width and a height"},
                 Case{2, 3, 4, "do not match"}, Case{desktop::kMaxImageSide + 1, 1, 4, "too large"}}) {
    const desktop::PngEncoding encoded =
        desktop::encode_png(c.width, c.height, {four.data(), c.pixels}, true);
    EXPECT_FALSE(encoded) << c.width << "x" << c.height;
    EXPECT_NE(encoded.failure.find(c.reason), std::string::npos) << encoded.failure;
  }
  const desktop::PngWrite written =
      desktop::write_png(pattern(2, 2, true), folder / "no such folder" / "a.png");
  EXPECT_FALSE(written);
  EXPECT_NE(written.failure.find("no such folder"), std::string::npos) << written.failure;
}

}  // namespace
