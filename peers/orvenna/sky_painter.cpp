#include "peers/orvenna/sky_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "peers/orvenna/sky_date.h"
#include "peers/orvenna/sky_ephemeris.h"
#include "peers/orvenna/sky_names.h"
#include "platform/desktop/utf8.h"
#include "platform/win/win32.h"

namespace orvenna {

namespace {

constexpr COLORREF kSpace = RGB(0, 0, 0);
constexpr COLORREF kNightGlow = RGB(12, 16, 40);
constexpr COLORREF kTwilight = RGB(36, 56, 110);
constexpr COLORREF kDaylight = RGB(92, 142, 212);
constexpr COLORREF kGround = RGB(46, 64, 30);
constexpr COLORREF kFog = RGB(120, 124, 130);
constexpr COLORREF kStar = RGB(255, 255, 240);
constexpr COLORREF kFaintStar = RGB(110, 110, 100);
constexpr COLORREF kStarName = RGB(160, 200, 240);
constexpr COLORREF kFigure = RGB(70, 110, 200);
constexpr COLORREF kBoundary = RGB(140, 60, 60);
constexpr COLORREF kArt = RGB(60, 50, 90);
constexpr COLORREF kCardinal = RGB(230, 60, 40);
constexpr COLORREF kSelection = RGB(255, 70, 70);
constexpr COLORREF kInfoBar = RGB(20, 20, 20);
constexpr COLORREF kInfoText = RGB(220, 220, 220);
constexpr COLORREF kPlanet = RGB(255, 210, 120);

// Below this altitude of the Sun the sky is dark; down to twilight it is dusk.
constexpr double kTwilightAltitude = -12;
constexpr int kStarCount = 240;
constexpr int kStarsPerFigure = 4;
constexpr int kInfoBarHeight = 22;
constexpr int kStarSize = 2;
constexpr int kNamedStarSize = 3;
constexpr int kMarkerRadius = 9;
constexpr double kObliquity = 23.44;
constexpr double kDegreesPerHour = 15;
constexpr double kSecondsPerHour = 3600;

// The lines a flag shows, as circles of the sky: altitude = amplitude x cos(azimuth - phase) + offset.
struct SkyCircle {
  SkyFlag flag;
  COLORREF colour;
  double amplitude;  // in units of the pole's distance from the zenith
  double offset;
};

constexpr std::array kCircles = {
    SkyCircle{SkyFlag::equator_line, RGB(60, 120, 255), 1, 0},
    SkyCircle{SkyFlag::ecliptic_line, RGB(230, 200, 40), 1, kObliquity},
    SkyCircle{SkyFlag::galactic_equator_line, RGB(200, 120, 220), 1, 60},
    SkyCircle{SkyFlag::precession_circles, RGB(180, 180, 90), 1, 66.56},
    SkyCircle{SkyFlag::circumpolar_circles, RGB(120, 200, 160), 1, 90},
};

struct GridStyle {
  SkyFlag flag;
  COLORREF colour;
  double step;
};

constexpr std::array kGrids = {
    GridStyle{SkyFlag::azimuthal_grid, RGB(40, 150, 60), 30},
    GridStyle{SkyFlag::equator_grid, RGB(40, 90, 170), 20},
    GridStyle{SkyFlag::galactic_grid, RGB(150, 80, 150), 45},
};

constexpr std::array kCardinals = {std::pair{0.0, L"N"}, std::pair{90.0, L"E"}, std::pair{180.0, L"S"},
                                   std::pair{270.0, L"W"}};
constexpr std::array kPlanets = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

struct Star {
  double azimuth;
  double altitude;
};

// The same stars every time: a fixed linear congruential sequence.
std::array<Star, kStarCount> make_stars() {
  std::array<Star, kStarCount> stars{};
  std::uint32_t seed = 20260101;
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<double>(seed >> 8) / static_cast<double>(1u << 24);
  };
  for (Star& star : stars) {
    star.azimuth = next() * 360;
    star.altitude = std::asin(next() * 2 - 1) * 180 / M_PI;
  }
  return stars;
}

const std::array<Star, kStarCount>& stars() {
  static const std::array<Star, kStarCount> all = make_stars();
  return all;
}

// A plain projection around the view's direction: degrees to pixels at the field of view.
class Projection {
 public:
  Projection(const SkyState& sky, const RECT& area)
      : view_(sky.view),
        scale_((area.right - area.left) / std::max(sky.fov, 0.001)),
        centre_x_((area.left + area.right) / 2),
        centre_y_((area.top + area.bottom - kInfoBarHeight) / 2) {}

  POINT at(double azimuth, double altitude) const {
    double dx = std::remainder(azimuth - view_.azimuth, 360);
    double dy = altitude - view_.altitude;
    return {centre_x_ + static_cast<LONG>(std::lround(dx * scale_)),
            centre_y_ - static_cast<LONG>(std::lround(dy * scale_))};
  }
  LONG horizon_y() const { return at(view_.azimuth, 0).y; }

 private:
  ViewDirection view_;
  double scale_;
  LONG centre_x_;
  LONG centre_y_;
};

void fill(HDC dc, RECT rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void text(HDC dc, POINT at, const std::wstring& words, COLORREF colour, UINT align = 0) {
  SetTextColor(dc, colour);
  SetTextAlign(dc, align);
  TextOutW(dc, at.x, at.y, words.c_str(), static_cast<int>(words.size()));
}

// Draws with a pen of the colour; the pen goes with the call.
template <typename Draw>
void with_pen(HDC dc, COLORREF colour, Draw draw) {
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ old = SelectObject(dc, pen);
  draw();
  SelectObject(dc, old);
  DeleteObject(pen);
}

std::optional<SkyPosition> position_of(std::string_view name, const SkyState& sky) {
  if (!same_name(sky.observer().planet, "Earth")) return std::nullopt;
  return object_position(name, sky);
}

bool has_placed_stars(const SkyState& sky) {
  return std::ranges::any_of(sky.stars(), [](const NamedStar& star) { return star.position.has_value(); });
}

COLORREF sky_colour(const SkyState& sky) {
  if (!sky.flag(SkyFlag::atmosphere)) return kSpace;
  std::optional<SkyPosition> sun = position_of("Sun", sky);
  if (!sun || sun->altitude < kTwilightAltitude) return kNightGlow;
  return sun->altitude < 0 ? kTwilight : kDaylight;
}

void draw_sky_circles(HDC dc, const Projection& project, const SkyState& sky) {
  const double pole = 90 - std::abs(sky.observer().latitude);
  // The sky turns with the sidereal hour: the circles that are not fixed to the horizon move.
  const double turn = std::fmod(sky.utc_seconds() / kSecondsPerHour * kDegreesPerHour, 360);
  for (const SkyCircle& circle : kCircles) {
    if (!sky.flag(circle.flag)) continue;
    with_pen(dc, circle.colour, [&] {
      for (int azimuth = 0; azimuth <= 360; azimuth += 5) {
        const double altitude = circle.amplitude * pole * std::cos((azimuth - 180 - turn) * M_PI / 180) / 90 *
                                    (90 - circle.offset) +
                                circle.offset - pole;
        POINT p = project.at(azimuth, altitude);
        if (azimuth == 0)
          MoveToEx(dc, p.x, p.y, nullptr);
        else
          LineTo(dc, p.x, p.y);
      }
    });
  }
  if (sky.flag(SkyFlag::meridian_line)) {
    with_pen(dc, RGB(200, 200, 200), [&] {
      for (double azimuth : {0.0, 180.0}) {
        POINT top = project.at(azimuth, 90);
        POINT bottom = project.at(azimuth, -90);
        MoveToEx(dc, top.x, top.y, nullptr);
        LineTo(dc, bottom.x, bottom.y);
      }
    });
  }
}

void draw_grids(HDC dc, const Projection& project, const SkyState& sky, const RECT& area) {
  for (const GridStyle& grid : kGrids) {
    if (!sky.flag(grid.flag)) continue;
    with_pen(dc, grid.colour, [&] {
      for (double altitude = -90 + grid.step; altitude < 90; altitude += grid.step) {
        const LONG y = project.at(0, altitude).y;
        MoveToEx(dc, area.left, y, nullptr);
        LineTo(dc, area.right, y);
      }
      for (double azimuth = 0; azimuth < 360; azimuth += grid.step) {
        POINT top = project.at(azimuth, 90);
        POINT bottom = project.at(azimuth, -90);
        MoveToEx(dc, top.x, top.y, nullptr);
        LineTo(dc, bottom.x, bottom.y);
      }
    });
  }
}

// A figure's picture, border and name, around the point it starts from.
void decorate_figure(HDC dc, POINT anchor, std::string_view name, const SkyState& sky) {
  if (sky.flag(SkyFlag::constellation_art))
    fill(dc, {anchor.x - 14, anchor.y - 14, anchor.x + 14, anchor.y + 14}, kArt);
  if (sky.flag(SkyFlag::constellation_boundaries)) {
    RECT box{anchor.x - 24, anchor.y - 24, anchor.x + 24, anchor.y + 24};
    HBRUSH brush = CreateSolidBrush(kBoundary);
    FrameRect(dc, &box, brush);
    DeleteObject(brush);
  }
  if (sky.flag(SkyFlag::constellation_names))
    text(dc, {anchor.x + 4, anchor.y + 4}, desktop::from_utf8(name), kFigure);
}

void draw_line(HDC dc, POINT from, POINT to) {
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
}

// Without the real figures: made-up figures of four stars each, one a constellation name.
void draw_made_up_figures(HDC dc, const Projection& project, const SkyState& sky) {
  const auto& all = stars();
  const auto names = constellation_names();
  for (int first = 0; first + kStarsPerFigure <= kStarCount; first += kStarsPerFigure) {
    std::array<POINT, kStarsPerFigure> points{};
    for (int i = 0; i < kStarsPerFigure; ++i)
      points[i] = project.at(all[first + i].azimuth, all[first + i].altitude);
    const auto figure = static_cast<std::size_t>(first / kStarsPerFigure);
    if (figure < names.size() && !sky.shows_figure(names[figure])) continue;
    if (sky.flag(SkyFlag::constellation_lines))
      with_pen(dc, kFigure, [&] {
        for (int i = 1; i < kStarsPerFigure; ++i)
          draw_line(dc, points[i - 1], points[i]);
      });
    if (figure < names.size()) decorate_figure(dc, points[0], names[figure], sky);
  }
}

// Where the placed named stars stand on the picture, by Hipparcos number.
std::unordered_map<unsigned, POINT> placed_star_points(const Projection& project, const SkyState& sky) {
  std::unordered_map<unsigned, POINT> points;
  for (const NamedStar& star : sky.stars()) {
    if (!star.position || star.hip == 0) continue;
    const SkyPosition where = horizontal_position(*star.position, sky.julian_day(), sky.observer());
    points[star.hip] = project.at(where.azimuth, where.altitude);
  }
  return points;
}

void draw_real_figures(HDC dc, const Projection& project, const SkyState& sky) {
  const std::unordered_map<unsigned, POINT> points = placed_star_points(project, sky);
  for (const Figure& figure : sky.figures()) {
    if (!sky.shows_figure(figure.name)) continue;
    std::optional<POINT> anchor;
    for (const auto& [from, to] : figure.lines) {
      auto a = points.find(from);
      auto b = points.find(to);
      if (a == points.end() || b == points.end()) continue;
      if (!anchor) anchor = a->second;
      if (sky.flag(SkyFlag::constellation_lines))
        with_pen(dc, kFigure, [&] { draw_line(dc, a->second, b->second); });
    }
    if (anchor) decorate_figure(dc, *anchor, figure.name, sky);
  }
}

void draw_stars_and_figures(HDC dc, const Projection& project, const SkyState& sky, bool daylight) {
  const bool placed = has_placed_stars(sky) && same_name(sky.observer().planet, "Earth");
  if (placed && !sky.figures().empty())
    draw_real_figures(dc, project, sky);
  else
    draw_made_up_figures(dc, project, sky);
  if (!sky.flag(SkyFlag::stars) || daylight) return;
  // The made-up field is only a backdrop once the named stars stand where they are.
  const COLORREF field = placed ? kFaintStar : kStar;
  for (const Star& star : stars()) {
    POINT p = project.at(star.azimuth, star.altitude);
    fill(dc, {p.x, p.y, p.x + kStarSize, p.y + kStarSize}, field);
  }
}

// The named stars whose positions the sky knows, where they stand at the sky's time and place.
void draw_named_stars(HDC dc, const Projection& project, const SkyState& sky, bool daylight) {
  if (!sky.flag(SkyFlag::stars) || daylight || !same_name(sky.observer().planet, "Earth")) return;
  for (const NamedStar& star : sky.stars()) {
    if (!star.position) continue;
    const SkyPosition where = horizontal_position(*star.position, sky.julian_day(), sky.observer());
    const POINT p = project.at(where.azimuth, where.altitude);
    fill(dc, {p.x - 1, p.y - 1, p.x - 1 + kNamedStarSize, p.y - 1 + kNamedStarSize}, kStar);
    if (sky.flag(SkyFlag::star_names)) text(dc, {p.x + 4, p.y - 6}, desktop::from_utf8(star.name), kStarName);
  }
}

void draw_planets(HDC dc, const Projection& project, const SkyState& sky) {
  if (!sky.flag(SkyFlag::planets)) return;
  for (const char* name : kPlanets) {
    std::optional<SkyPosition> where = position_of(name, sky);
    if (!where) continue;
    POINT p = project.at(where->azimuth, where->altitude);
    fill(dc, {p.x - 2, p.y - 2, p.x + 3, p.y + 3}, kPlanet);
    if (sky.flag(SkyFlag::planet_names)) text(dc, {p.x + 5, p.y - 6}, desktop::from_utf8(name), kPlanet);
  }
}

void draw_ground(HDC dc, const Projection& project, const SkyState& sky, const RECT& sky_area) {
  const LONG horizon = std::clamp(project.horizon_y(), sky_area.top, sky_area.bottom);
  if (sky.flag(SkyFlag::fog)) fill(dc, {sky_area.left, horizon - 30, sky_area.right, horizon}, kFog);
  if (sky.flag(SkyFlag::landscape)) {
    fill(dc, {sky_area.left, horizon, sky_area.right, sky_area.bottom}, kGround);
    text(dc, {(sky_area.left + sky_area.right) / 2, horizon + 8}, desktop::from_utf8(sky.landscape()),
         RGB(200, 210, 170), TA_CENTER);
  }
  if (!sky.flag(SkyFlag::cardinal_points)) return;
  for (const auto& [azimuth, letter] : kCardinals) {
    POINT p = project.at(azimuth, 0);
    text(dc, {p.x, p.y - 18}, letter, kCardinal, TA_CENTER);
  }
}

COLORREF parse_colour(const std::string& hex) {
  unsigned int value = 0xFFFFFF;
  if (hex.size() == 7 && hex[0] == '#') std::sscanf(hex.c_str() + 1, "%x", &value);
  return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

// Where an object stands: the ephemeris's place for a body, else one of the drawn stars, the
// same for the same name every time.
POINT object_point(std::string_view name, const Projection& project, const SkyState& sky) {
  if (std::optional<SkyPosition> where = position_of(name, sky))
    return project.at(where->azimuth, where->altitude);
  const Star& star = stars()[std::hash<std::string_view>{}(name) % kStarCount];
  return project.at(star.azimuth, star.altitude);
}

void draw_selection(HDC dc, const Projection& project, const SkyState& sky, const RECT& sky_area) {
  if (sky.selection().empty()) return;
  POINT p{(sky_area.left + sky_area.right) / 2, (sky_area.top + sky_area.bottom) / 2};
  if (!sky.flag(SkyFlag::tracking)) p = object_point(sky.selection(), project, sky);
  RECT marker{p.x - kMarkerRadius, p.y - kMarkerRadius, p.x + kMarkerRadius, p.y + kMarkerRadius};
  HBRUSH brush = CreateSolidBrush(kSelection);
  FrameRect(dc, &marker, brush);
  DeleteObject(brush);
  text(dc, {p.x + kMarkerRadius + 3, p.y - kMarkerRadius}, desktop::from_utf8(sky.selection()), kSelection);
}

void draw_labels(HDC dc, const Projection& project, const SkyState& sky) {
  for (const ScreenLabel& label : sky.labels()) {
    if (!label.visible) continue;
    POINT at{static_cast<LONG>(label.x), static_cast<LONG>(label.y)};
    if (!label.object.empty()) {
      at = object_point(label.object, project, sky);
      at.x += kMarkerRadius;
    }
    HFONT font =
        CreateFontW(-std::max(label.size, 8), 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    HGDIOBJ old = SelectObject(dc, font);
    text(dc, at, desktop::from_utf8(label.text), parse_colour(label.colour));
    SelectObject(dc, old);
    DeleteObject(font);
  }
}

std::wstring info_line(const SkyState& sky) {
  std::string date = format_date(sky.utc_seconds());
  if (auto t = date.find('T'); t != std::string::npos) date[t] = ' ';
  const ObserverLocation& where = sky.observer();
  char place[160];
  if (!where.name.empty())
    std::snprintf(place, sizeof place, "%s", where.name.c_str());
  else
    std::snprintf(place, sizeof place, "%s %.2f, %.2f", where.planet.c_str(), where.latitude,
                  where.longitude);
  char line[320];
  std::snprintf(line, sizeof line, "%s UTC    rate %gx    %s    FOV %g\xC2\xB0", date.c_str(),
                sky.time_rate(), place, sky.fov);
  return desktop::from_utf8(line);
}

}  // namespace

void paint_sky(HDC dc, const RECT& area, const SkyState& sky, const PaintExtras& extras) {
  const RECT sky_area{area.left, area.top, area.right, std::max(area.top, area.bottom - kInfoBarHeight)};
  const COLORREF background = sky_colour(sky);
  fill(dc, sky_area, background);
  SetBkMode(dc, TRANSPARENT);
  const Projection project(sky, area);
  draw_grids(dc, project, sky, sky_area);
  draw_sky_circles(dc, project, sky);
  draw_stars_and_figures(dc, project, sky, background == kDaylight);
  draw_named_stars(dc, project, sky, background == kDaylight);
  draw_planets(dc, project, sky);
  draw_ground(dc, project, sky, sky_area);
  draw_selection(dc, project, sky, sky_area);
  draw_labels(dc, project, sky);
  fill(dc, {area.left, sky_area.bottom, area.right, area.bottom}, kInfoBar);
  text(dc, {area.left + 6, sky_area.bottom + 3}, info_line(sky), kInfoText);
  if (extras.settings_open) {
    RECT panel{area.left + 20, area.top + 20, area.left + 320, area.top + 140};
    fill(dc, panel, RGB(50, 50, 60));
    text(dc, {panel.left + 10, panel.top + 10}, L"Configuration", kInfoText);
  }
}

}  // namespace orvenna
