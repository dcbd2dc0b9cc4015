// The sky's picture: named stars whose positions are known are drawn where they stand.
#include <optional>

#include "peers/orvenna/sky_ephemeris.h"
#include "peers/orvenna/sky_painter.h"
#include "tests/platform/desktop_fixture.h"

namespace {

using orvenna::SkyFlag;

constexpr int kWidth = 400;
constexpr int kHeight = 322;  // the sky above a 22-pixel line of information
constexpr COLORREF kStar = RGB(255, 255, 240);
constexpr COLORREF kStarName = RGB(160, 200, 240);
constexpr COLORREF kFigureLine = RGB(70, 110, 200);
constexpr double kJanuaryMidnight = 1767225600;  // 2026-01-01T00:00:00 UTC

class SkyDrawingTest : public DesktopTest {
 protected:
  SkyDrawingTest() {
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    previous = SelectObject(dc, bitmap);
    ReleaseDC(nullptr, screen);
    for (SkyFlag off : {SkyFlag::atmosphere, SkyFlag::landscape, SkyFlag::cardinal_points})
      sky.set_flag(off, false);
    sky.set_observer({"Earth", 4.7736, 46.1031, 172, "Guereins"});
    sky.set_utc_seconds(kJanuaryMidnight);
    sky.fov = 2;
  }
  ~SkyDrawingTest() override {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }

  // Paints the sky looking straight at the star, and tells whether the picture's centre shows it.
  bool star_at_centre(const orvenna::Equatorial& star) {
    const orvenna::SkyPosition where = orvenna::horizontal_position(star, sky.julian_day(), sky.observer());
    sky.view = {where.azimuth, where.altitude};
    const RECT area{0, 0, kWidth, kHeight};
    orvenna::paint_sky(dc, area, sky, {});
    return GetPixel(dc, kWidth / 2, (kHeight - 22) / 2) == kStar;
  }

  // Sirius and Mirzam a degree apart, the view between them, with figure lines on.
  void look_between_sirius_and_mirzam() {
    const orvenna::Equatorial sirius{101.2875, -16.716};
    const orvenna::Equatorial mirzam{95.6745, -17.956};
    sky.set_stars({{32349, "Sirius", sirius}, {30324, "Mirzam", mirzam}});
    sky.set_flag(SkyFlag::constellation_lines, true);
    sky.fov = 10;
    const orvenna::SkyPosition a = orvenna::horizontal_position(sirius, sky.julian_day(), sky.observer());
    const orvenna::SkyPosition b = orvenna::horizontal_position(mirzam, sky.julian_day(), sky.observer());
    sky.view = {(a.azimuth + b.azimuth) / 2, (a.altitude + b.altitude) / 2};
  }

  // Paints the sky and tells whether a figure's line crosses the picture's centre.
  bool figure_line_near_centre() {
    const RECT area{0, 0, kWidth, kHeight};
    orvenna::paint_sky(dc, area, sky, {});
    bool line = false;
    for (int dy = -1; dy <= 1; ++dy)
      line |= GetPixel(dc, kWidth / 2, (kHeight - 22) / 2 + dy) == kFigureLine;
    return line;
  }

  bool shows_colour_near_centre(COLORREF colour) {
    for (int y = (kHeight - 22) / 2 - 10; y < (kHeight - 22) / 2 + 12; ++y)
      for (int x = kWidth / 2; x < kWidth / 2 + 80; ++x)
        if (GetPixel(dc, x, y) == colour) return true;
    return false;
  }

  orvenna::SkyState sky;
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
};

TEST_F(SkyDrawingTest, ANamedStarWithAPositionIsDrawnWhereItStandsWithItsName) {
  const orvenna::Equatorial sirius{101.2875, -16.716};
  sky.set_stars({{32349, "Sirius", sirius}});
  EXPECT_TRUE(star_at_centre(sirius));
  EXPECT_FALSE(shows_colour_near_centre(kStarName));
  sky.set_flag(SkyFlag::star_names, true);
  EXPECT_TRUE(star_at_centre(sirius));
  EXPECT_TRUE(shows_colour_near_centre(kStarName));
}

// Sirius and Mirzam a degree apart, the view between them: the figure's line passes the centre.
TEST_F(SkyDrawingTest, AFiguresLinesJoinItsStarsWhereTheyStand) {
  look_between_sirius_and_mirzam();
  for (bool with_figure : {false, true}) {
    sky.set_figures(with_figure ? std::vector<orvenna::Figure>{{"Canis Major", {{32349, 30324}}}}
                                : std::vector<orvenna::Figure>{});
    EXPECT_EQ(figure_line_near_centre(), with_figure);
  }
}

TEST_F(SkyDrawingTest, InIsolateModeOnlyTheIsolatedConstellationsFiguresAreDrawn) {
  look_between_sirius_and_mirzam();
  sky.set_figures({{"Canis Major", {{32349, 30324}}}});
  sky.set_flag(SkyFlag::isolate_selected, true);
  for (const auto& [selected, drawn] :
       {std::pair{"Orion", false}, std::pair{"canis major", true}, std::pair{"HIP 12200", true}}) {
    ASSERT_TRUE(sky.select(selected));
    EXPECT_EQ(figure_line_near_centre(), drawn) << selected;
  }
}

TEST_F(SkyDrawingTest, StarsWithoutPositionsAreNotDrawnAnywhereInParticular) {
  sky.set_stars({{32349, "Sirius", std::nullopt}});
  sky.set_flag(SkyFlag::star_names, true);
  EXPECT_FALSE(star_at_centre({101.2875, -16.716}));
  EXPECT_FALSE(shows_colour_near_centre(kStarName));
}

}  // namespace
