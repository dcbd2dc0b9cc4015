// Low-precision places of the Sun, the Moon and the planets, and of points of the sky, as seen
// from the Earth.
#pragma once

#include <optional>
#include <string_view>

#include "peers/orvenna/sky_state.h"

namespace orvenna {

struct SkyPosition {
  double ra = 0;   // degrees, 0 to 360
  double dec = 0;  // degrees
  double altitude = 0;
  double azimuth = 0;   // degrees from north through east
  double distance = 0;  // astronomical units
};

// Where a point of the sky given in equatorial coordinates stands for the observer on the Earth.
SkyPosition horizontal_position(const Equatorial& position, double julian_day, const ObserverLocation& where);

// nullopt for a name the ephemeris does not hold. Alt-azimuth is for the observer's
// longitude and latitude on the Earth.
std::optional<SkyPosition> body_position(std::string_view name, double julian_day,
                                         const ObserverLocation& where);

// A body of the ephemeris or a star whose position the sky knows, at the sky's time and place.
std::optional<SkyPosition> object_position(std::string_view name, const SkyState& sky);

// Turns the view to the selection and keeps it there (tracking); false, the view unchanged, when
// nothing is selected. A selection the sky cannot place is tracked where the view stands.
bool centre_on_selection(SkyState& sky);

}  // namespace orvenna
