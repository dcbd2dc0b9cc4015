// Pictures described in text: what is refused, and the pixels each shape draws.
#include "tests/platform/desktop_fixture.h"
#include "tools/resource_compiler/bitmap_script.h"

namespace {

using namespace resource_script;

constexpr std::uint32_t kKey = 0xFF00FF;

std::vector<std::uint32_t> draw(const std::string& source) {
  auto parsed = parse_pictures(source);
  EXPECT_TRUE(parsed) << parsed.error->line << ": " << parsed.error->reason;
  return parsed ? draw_picture(parsed.value.at(0)) : std::vector<std::uint32_t>{};
}

std::string picture_text(const std::vector<std::uint32_t>& pixels, int width) {
  std::string text;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    text += pixels[i] == kKey ? '.' : pixels[i] == 0xFFFFFF ? '#' : '?';
    if ((i + 1) % static_cast<std::size_t>(width) == 0) text += '\n';
  }
  return text;
}

using PictureScriptTest = DesktopTest;

TEST_F(PictureScriptTest, ShapesCoverThePixelsWhoseCentresTheyHoldOrTouch) {
  EXPECT_EQ(picture_text(draw("bitmap 1 6 4\n  fill #FF00FF\n  rect 1 1 3 2 #FFFFFF\n"), 6),
            "......\n.###..\n.###..\n......\n");
  EXPECT_EQ(picture_text(draw("bitmap 1 5 5\n  fill #FF00FF\n  frame 0 0 5 5 #FFFFFF 1\n"), 5),
            "#####\n#...#\n#...#\n#...#\n#####\n");
  EXPECT_EQ(picture_text(draw("bitmap 1 5 5\n  fill #FF00FF\n  ellipse 0 0 5 5 #FFFFFF\n"), 5),
            ".###.\n#####\n#####\n#####\n.###.\n");
  EXPECT_EQ(picture_text(draw("bitmap 1 4 4\n  fill #FF00FF\n  triangle 0 0 4 0 0 4 #FFFFFF\n"), 4),
            "####\n###.\n##..\n#...\n");
  EXPECT_EQ(picture_text(draw("bitmap 1 4 4\n  fill #FF00FF\n  line 0 0 3 3 #FFFFFF\n"), 4),
            "#...\n.#..\n..#.\n...#\n");
  EXPECT_EQ(picture_text(
                draw("bitmap 1 5 4\n  fill #FF00FF\n  polygon 0 0 5 0 5 4 3 4 3 2 2 2 2 4 0 4 #FFFFFF\n"), 5),
            "#####\n#####\n##.##\n##.##\n");
}

TEST_F(PictureScriptTest, AGlyphIsDrawnInItsColourAroundTheMiddle) {
  auto pixels = draw("bitmap 1 32 32\n  fill #FF00FF\n  glyph \"■\" #FFFFFF 24 bold\n");
  ASSERT_EQ(pixels.size(), 32u * 32u);
  EXPECT_EQ(pixels[16 * 32 + 16], 0xFFFFFFu);
  EXPECT_EQ(pixels[0], kKey);
  for (std::uint32_t pixel : pixels)
    EXPECT_TRUE(pixel == kKey || pixel == 0xFFFFFF) << std::hex << pixel;
}

TEST(PictureParseTest, RefusedLinesNameTheirLine) {
  const std::pair<const char*, int> cases[] = {
      {"  fill #FF00FF\n", 1},
      {"bitmap 1 0 4\n", 1},
      {"bitmap 1 5000 4\n", 1},
      {"picture 1 4 4\n", 1},
      {"bitmap 1 4 4\n  rect 1 1 2 #FFFFFF\n", 2},
      {"bitmap 1 4 4\n  rect 1 1 2 2 FFFFFF\n", 2},
      {"bitmap 1 4 4\n  circle 1 1 2 2 #FFFFFF\n", 2},
      {"bitmap 1 4 4\n  glyph \"x\" #FFFFFF\n", 2},
      {"bitmap 1 4 4\n  polygon 0 0 3 0 #FFFFFF\n", 2},
      {"bitmap 1 4 4\n  polygon 0 0 3 0 3 3 1 #FFFFFF\n", 2},
      {"bitmap 1 4 4\n  glyph \"x\" #FFFFFF 9 italic\n", 2},
      {"bitmap 1 4 4\nbitmap 1 4 4\n", 2},
  };
  for (auto [source, line] : cases) {
    auto parsed = parse_pictures(source);
    ASSERT_FALSE(parsed) << source;
    EXPECT_EQ(parsed.error->line, line) << source << " -> " << parsed.error->reason;
  }
  EXPECT_TRUE(parse_pictures("bitmap 1 4 4\nicon 1 4 4\ncursor 1 4 4\n"));
}

}  // namespace
