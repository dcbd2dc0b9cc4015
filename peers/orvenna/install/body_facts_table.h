// The facts the console's planet buttons show of the bodies they select, as numbers in the
// units its solar_system.csv names.
#pragma once

#include <span>
#include <string_view>

namespace orvenna {

struct BodyFactsEntry {
  std::string_view name;              // English, as Orvenna's scripts name the body
  std::string_view mean_distance_km;  // from the Sun, the Moon's from the Earth; "0" for the Sun
  std::string_view diameter_km;
  std::string_view orbital_period;
  std::string_view rotation_period;
  std::string_view eccentricity;
  std::string_view mean_temperature_c;
  std::string_view surface_gravity_m_s2;
  std::string_view escape_velocity_km_s;
  std::string_view known_moons;
  std::string_view diameter_to_earth;
  std::string_view mass_e24_kg;
};

std::span<const BodyFactsEntry> body_facts();

}  // namespace orvenna
