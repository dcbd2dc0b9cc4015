#include "platform/desktop/image_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kFixtures = OC_IMAGE_FIXTURES;

std::vector<std::uint8_t> read_bytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::filesystem::path> files_under(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) files.push_back(entry.path());
  return files;
}

// What any answer of the loader must hold, whatever the input was.
void expect_well_formed(const desktop::ImageLoad& load, const std::string& what) {
  if (!load) {
    EXPECT_FALSE(load.failure.empty()) << what;
    return;
  }
  const desktop::Image& image = *load.image;
  EXPECT_GT(image.width, 0) << what;
  EXPECT_GT(image.height, 0) << what;
  EXPECT_LE(image.width, desktop::kMaxImageSide) << what;
  EXPECT_LE(image.height, desktop::kMaxImageSide) << what;
  ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) * image.height) << what;
  bool see_through = false;
  for (std::uint32_t pixel : image.pixels)
    see_through = see_through || pixel >> 24 != 0xFF;
  if (see_through) {
    EXPECT_TRUE(image.has_alpha) << what;
  }
}

TEST(ImageFile, LosslessFormatsGiveTheirExactPixels) {
  struct Case {
    const char* file;
    int width;
    int height;
    bool has_alpha;
    std::vector<std::uint32_t> pixels;
  };
  const Case cases[] = {
      // Straight alpha: a transparent pixel keeps its colour.
      {"png_rgba_2x2.png", 2, 2, true, {0xFFFF0000, 0x8000FF00, 0x000000FF, 0x40FFFFFF}},
      {"png_rgb_3x1.png", 3, 1, false, {0xFF0A141E, 0xFF28323C, 0xFF46505A}},
      {"png_grey_2x1.png", 2, 1, false, {0xFF000000, 0xFFC8C8C8}},
      {"png_palette_transparent_3x1.png", 3, 1, true, {0xFFFF0000, 0x0000FF00, 0xFF0000FF}},
      {"bmp_24_bottom_up_3x2.bmp",
       3,
       2,
       false,
       {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF808080}},
      {"bmp_24_top_down_3x2.bmp",
       3,
       2,
       false,
       {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF808080}},
      // The alpha bytes of a 32-bit bitmap file are not read as alpha.
      {"bmp_32_2x2.bmp", 2, 2, false, {0xFF0000FF, 0xFF1E140A, 0xFFFF0000, 0xFF00FF00}},
      {"bmp_8_palette_2x2.bmp", 2, 2, false, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}},
      {"gif_transparent_3x2.gif",
       3,
       2,
       true,
       {0xFFFF0000, 0xFF00FF00, 0x00000000, 0xFF0000FF, 0x00000000, 0xFFFF0000}},
      // Only the first frame; a GIF without a transparent colour is opaque.
      {"gif_two_frames_2x1.gif", 2, 1, false, {0xFFFF0000, 0xFF00FF00}},
  };
  for (const Case& c : cases) {
    const desktop::ImageLoad load = desktop::load_image_file(kFixtures / "valid" / c.file);
    ASSERT_TRUE(load) << c.file << ": " << load.failure;
    EXPECT_EQ(load.image->width, c.width) << c.file;
    EXPECT_EQ(load.image->height, c.height) << c.file;
    EXPECT_EQ(load.image->has_alpha, c.has_alpha) << c.file;
    EXPECT_EQ(load.image->pixels, c.pixels) << c.file;
  }
}

TEST(ImageFile, JpegGivesItsSizeAndNearlyItsColours) {
  const desktop::ImageLoad load = desktop::load_image_file(kFixtures / "valid" / "jpeg_quadrants_16x16.jpg");
  ASSERT_TRUE(load) << load.failure;
  const desktop::Image& image = *load.image;
  ASSERT_EQ(image.width, 16);
  ASSERT_EQ(image.height, 16);
  EXPECT_FALSE(image.has_alpha);
  struct Quadrant {
    int x;
    int y;
    std::uint32_t colour;
  };
  for (Quadrant q : {Quadrant{4, 4, 0xFF0000}, Quadrant{12, 4, 0x00FF00}, Quadrant{4, 12, 0x0000FF},
                     Quadrant{12, 12, 0xFFFFFF}}) {
    const std::uint32_t pixel = image.at(q.x, q.y);
    EXPECT_EQ(pixel >> 24, 0xFFu);
    for (int shift : {16, 8, 0}) {
      const int got = static_cast<int>(pixel >> shift & 0xFF);
      const int want = static_cast<int>(q.colour >> shift & 0xFF);
      EXPECT_NEAR(got, want, 8) << "at " << q.x << "," << q.y << " channel shift " << shift;
    }
  }
}

TEST(ImageFile, BrokenFilesFailWithAReason) {
  struct Case {
    const char* file;
    const char* reason;
  };
  const Case cases[] = {
      {"empty.png", "empty"},
      {"text.png", "not a bitmap, PNG, JPEG or GIF picture"},
      {"netpbm_1x1.ppm", "not a bitmap, PNG, JPEG or GIF picture"},
      {"png_signature_only.png", "PNG header"},
      {"png_zero_width.png", "PNG header"},
      {"png_truncated.png", "PNG data"},
      {"png_corrupt_zlib.png", "PNG data"},
      {"png_huge_100000x100000.png", "PNG header"},
      {"png_huge_16000x16000.png", "too large (16000 x 16000)"},
      {"bmp_truncated.bmp", "bitmap data"},
      {"bmp_bad_depth.bmp", "bitmap data"},
      {"bmp_zero_height.bmp", "no pixels"},
      {"bmp_huge_16384x16384.bmp", "too large (16384 x 16384)"},
      {"gif_truncated.gif", "GIF data"},
      {"gif_bad_code_size.gif", "GIF data"},
      {"jpeg_truncated.jpg", "JPEG header"},
      {"jpeg_no_components.jpg", "JPEG header"},
      {"jpeg_huffman_overflow.jpg", "JPEG header is damaged"},
  };
  for (const Case& c : cases) {
    const desktop::ImageLoad load = desktop::load_image_file(kFixtures / "broken" / c.file);
    EXPECT_FALSE(load) << c.file;
    EXPECT_NE(load.failure.find(c.reason), std::string::npos) << c.file << ": " << load.failure;
  }
  for (const auto& path : files_under(kFixtures / "broken")) {
    const desktop::ImageLoad load = desktop::load_image_file(path);
    EXPECT_FALSE(load) << path;
    EXPECT_FALSE(load.failure.empty()) << path;
  }
}

TEST(ImageFile, EveryCorpusFileLoadsOrFailsCleanly) {
  const std::vector<std::filesystem::path> files = files_under(kFixtures);
  ASSERT_FALSE(files.empty());
  for (const auto& path : files)
    expect_well_formed(desktop::load_image_file(path), path.string());
}

TEST(ImageFile, EveryTruncationAndDamagedByteOfAPictureIsSurvived) {
  for (const auto& path : files_under(kFixtures / "valid")) {
    const std::vector<std::uint8_t> bytes = read_bytes(path);
    for (std::size_t size = 0; size < bytes.size(); ++size)
      expect_well_formed(desktop::load_image({bytes.data(), size}),
                         path.filename().string() + " cut to " + std::to_string(size));
    for (std::size_t at = 0; at < bytes.size(); ++at)
      for (std::uint8_t value : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        std::vector<std::uint8_t> damaged = bytes;
        damaged[at] = value;
        expect_well_formed(
            desktop::load_image(damaged),
            path.filename().string() + " byte " + std::to_string(at) + " := " + std::to_string(value));
      }
  }
}

TEST(ImageFile, TighterLimitsRefuseBeforeDecoding) {
  const std::vector<std::uint8_t> bytes = read_bytes(kFixtures / "valid" / "png_rgba_2x2.png");
  struct Case {
    desktop::ImageLimits limits;
    bool loads;
  };
  for (Case c : {Case{{2, 16}, true}, Case{{1, 16}, false}, Case{{2, 15}, false}}) {
    const desktop::ImageLoad load = desktop::load_image(bytes, c.limits);
    EXPECT_EQ(static_cast<bool>(load), c.loads) << c.limits.max_side << " " << c.limits.max_pixel_bytes;
    if (!c.loads) {
      EXPECT_NE(load.failure.find("too large (2 x 2)"), std::string::npos) << load.failure;
    }
  }
}

TEST(ImageFile, FilesThatCannotBeReadFailNamingThePath) {
  for (const std::filesystem::path& path : {kFixtures / "valid" / "missing.png", kFixtures / "valid"}) {
    const desktop::ImageLoad load = desktop::load_image_file(path);
    EXPECT_FALSE(load) << path;
    EXPECT_NE(load.failure.find(path.string()), std::string::npos) << load.failure;
  }
}

}  // namespace
