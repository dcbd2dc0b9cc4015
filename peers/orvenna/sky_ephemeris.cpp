#include "peers/orvenna/sky_ephemeris.h"

#include <array>
#include <cmath>
#include <numbers>

namespace orvenna {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kObliquity = 23.43928;
constexpr double kKmPerAu = 149597870.7;

constexpr double radians(double degrees) {
  return degrees * std::numbers::pi / 180;
}
double degrees(double radians) {
  return radians * 180 / std::numbers::pi;
}
double wrap360(double degrees) {
  double d = std::fmod(degrees, 360.0);
  return d < 0 ? d + 360 : d;
}

// Mean elements at J2000: semi-major axis (au), eccentricity, inclination, mean longitude,
// longitude of perihelion, longitude of the ascending node (degrees); mean motion in degrees a century.
struct Orbit {
  std::string_view name;
  double a, e, inclination, mean_longitude, perihelion, node, motion;
};

constexpr std::array<Orbit, 9> kOrbits = {{
    {"Mercury", 0.38709927, 0.20563593, 7.00497902, 252.25032350, 77.45779628, 48.33076593, 149472.67411175},
    {"Venus", 0.72333566, 0.00677672, 3.39467605, 181.97909950, 131.60246718, 76.67984255, 58517.81538729},
    {"Earth", 1.00000261, 0.01671123, -0.00001531, 100.46457166, 102.93768193, 0.0, 35999.37244981},
    {"Mars", 1.52371034, 0.09339410, 1.84969142, -4.55343205, -23.94362959, 49.55953891, 19140.30268499},
    {"Jupiter", 5.20288700, 0.04838624, 1.30439695, 34.39644051, 14.72847983, 100.47390909, 3034.74612775},
    {"Saturn", 9.53667594, 0.05386179, 2.48599187, 49.95424423, 92.59887831, 113.66242448, 1222.49362201},
    {"Uranus", 19.18916464, 0.04725744, 0.77263783, 313.23810451, 170.95427630, 74.01692503, 428.48202785},
    {"Neptune", 30.06992276, 0.00859048, 1.77004347, -55.12002969, 44.96476227, 131.78422574, 218.45945325},
    {"Pluto", 39.48211675, 0.24882730, 17.14001206, 238.92903833, 224.06891629, 110.30393684, 145.20780515},
}};

struct Vector {
  double x, y, z;
};

// Heliocentric ecliptic place of an orbit at T Julian centuries from J2000.
Vector heliocentric(const Orbit& orbit, double centuries) {
  double mean_anomaly = radians(wrap360(orbit.mean_longitude + orbit.motion * centuries - orbit.perihelion));
  double eccentric = mean_anomaly;
  for (int i = 0; i < 12; ++i)
    eccentric -=
        (eccentric - orbit.e * std::sin(eccentric) - mean_anomaly) / (1 - orbit.e * std::cos(eccentric));
  double xp = orbit.a * (std::cos(eccentric) - orbit.e);
  double yp = orbit.a * std::sqrt(1 - orbit.e * orbit.e) * std::sin(eccentric);
  double w = radians(orbit.perihelion - orbit.node);
  double n = radians(orbit.node);
  double i = radians(orbit.inclination);
  return {(std::cos(w) * std::cos(n) - std::sin(w) * std::sin(n) * std::cos(i)) * xp +
              (-std::sin(w) * std::cos(n) - std::cos(w) * std::sin(n) * std::cos(i)) * yp,
          (std::cos(w) * std::sin(n) + std::sin(w) * std::cos(n) * std::cos(i)) * xp +
              (-std::sin(w) * std::sin(n) + std::cos(w) * std::cos(n) * std::cos(i)) * yp,
          std::sin(w) * std::sin(i) * xp + std::cos(w) * std::sin(i) * yp};
}

// The Moon's geocentric ecliptic place from its three main terms.
Vector moon(double days) {
  double longitude =
      radians(218.316 + 13.176396 * days + 6.289 * std::sin(radians(134.963 + 13.064993 * days)));
  double latitude = radians(5.128 * std::sin(radians(93.272 + 13.229350 * days)));
  double distance = (385001 - 20905 * std::cos(radians(134.963 + 13.064993 * days))) / kKmPerAu;
  return {distance * std::cos(latitude) * std::cos(longitude),
          distance * std::cos(latitude) * std::sin(longitude), distance * std::sin(latitude)};
}

std::optional<Vector> geocentric(std::string_view name, double julian_day) {
  double days = julian_day - kJ2000;
  if (same_name(name, "Moon")) return moon(days);
  Vector earth = heliocentric(kOrbits[2], days / 36525);
  if (same_name(name, "Sun")) return Vector{-earth.x, -earth.y, -earth.z};
  for (const Orbit& orbit : kOrbits) {
    if (orbit.name == "Earth" || !same_name(orbit.name, name)) continue;
    Vector body = heliocentric(orbit, days / 36525);
    return Vector{body.x - earth.x, body.y - earth.y, body.z - earth.z};
  }
  return std::nullopt;
}

}  // namespace

SkyPosition horizontal_position(const Equatorial& position, double julian_day,
                                const ObserverLocation& where) {
  SkyPosition p;
  p.ra = wrap360(position.ra);
  p.dec = position.dec;
  double sidereal = wrap360(280.46061837 + 360.98564736629 * (julian_day - kJ2000) + where.longitude);
  double hour_angle = radians(sidereal - p.ra);
  double lat = radians(where.latitude);
  double dec = radians(p.dec);
  p.altitude = degrees(
      std::asin(std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(hour_angle)));
  p.azimuth = wrap360(degrees(std::atan2(std::sin(hour_angle), std::cos(hour_angle) * std::sin(lat) -
                                                                   std::tan(dec) * std::cos(lat))) +
                      180);
  return p;
}

std::optional<SkyPosition> body_position(std::string_view name, double julian_day,
                                         const ObserverLocation& where) {
  auto ecliptic = geocentric(name, julian_day);
  if (!ecliptic) return std::nullopt;
  double e = radians(kObliquity);
  Vector q{ecliptic->x, ecliptic->y * std::cos(e) - ecliptic->z * std::sin(e),
           ecliptic->y * std::sin(e) + ecliptic->z * std::cos(e)};
  const double distance = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z);
  SkyPosition p = horizontal_position({degrees(std::atan2(q.y, q.x)), degrees(std::asin(q.z / distance))},
                                      julian_day, where);
  p.distance = distance;
  return p;
}

std::optional<SkyPosition> object_position(std::string_view name, const SkyState& sky) {
  if (std::optional<SkyPosition> body = body_position(name, sky.julian_day(), sky.observer())) return body;
  const NamedStar* star = sky.find_star(name);
  if (star == nullptr || !star->position) return std::nullopt;
  return horizontal_position(*star->position, sky.julian_day(), sky.observer());
}

bool centre_on_selection(SkyState& sky) {
  if (sky.selection().empty()) return false;
  if (std::optional<SkyPosition> where = object_position(sky.selection(), sky))
    sky.view = {where->azimuth, where->altitude};
  sky.set_flag(SkyFlag::tracking, true);
  return true;
}

}  // namespace orvenna
