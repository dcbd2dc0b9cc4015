#include "peers/orvenna/install/landscape_table.h"

namespace orvenna {

namespace {

constexpr LandscapeEntry kLandscapes[] = {
    {"guereins", "Guereins", "Earth", 46.1031, 4.7736, 172, 0x3C5A28},
    {"moon", "Moon", "Moon", 0.6741, 23.4730, 0, 0x8C8C8C},
    {"mars", "Mars", "Mars", -14.5684, 175.4726, -1940, 0xA0522D},
    {"jupiter", "Jupiter", "Jupiter", 0.0, 0.0, 0, 0xC8A064},
    {"saturn", "Saturn", "Saturn", 0.0, 0.0, 0, 0xD2B478},
    {"uranus", "Uranus", "Uranus", 0.0, 0.0, 0, 0x82C8D2},
    {"neptune", "Neptune", "Neptune", 0.0, 0.0, 0, 0x3C64C8},
    {"ocean", "Ocean", "Earth", 30.0, -40.0, 0, 0x14325A},
    {"garching", "Garching", "Earth", 48.2489, 11.6532, 482, 0x46643C},
    {"hurricane", "Hurricane", "Earth", 47.9697, -123.4983, 1590, 0x28462D},
    {"zero", "Zero", "Earth", 0.0, 0.0, 0, 0x000000},
    {"mercury", "Mercury", "Mercury", 0.0, 0.0, 0, 0x7D7873},
    {"venus", "Venus", "Venus", 0.0, 0.0, 0, 0xC88C3C},
    {"pluto", "Pluto", "Pluto", 0.0, 0.0, 0, 0xC8B4A0},
    {"io", "Io", "Io", 0.0, 0.0, 0, 0xDCC850},
    {"europa", "Europa", "Europa", 0.0, 0.0, 0, 0xD2C8BE},
    {"titan", "Titan", "Titan", -10.25, 192.32, 0, 0xB4823C},
    {"phobos", "Phobos", "Phobos", 0.0, 0.0, 0, 0x645A50},
    {"triton", "Triton", "Triton", 0.0, 0.0, 0, 0xE6D2D2},
    {"charon", "Charon", "Charon", 0.0, 0.0, 0, 0x9B918C},
    {"desert", "Desert", "Earth", 23.4162, 25.6628, 500, 0xD2AA6E},
    {"forest", "Forest", "Earth", 48.0, 8.2, 1000, 0x1E3C1E},
    {"alps", "Alps", "Earth", 46.5475, 7.9854, 3571, 0xE6EBF0},
    {"arctic", "Arctic", "Earth", 78.2232, 15.6267, 20, 0xDCE6F0},
    {"savanna", "Savanna", "Earth", -2.3333, 34.8333, 1500, 0x9B8C46},
    {"canyon", "Canyon", "Earth", 36.0544, -112.1401, 2100, 0xA0502D},
    {"volcano", "Volcano", "Earth", 19.8207, -155.4681, 4205, 0x50463C},
    {"lake", "Lake", "Earth", 46.0, 9.2667, 200, 0x28506E},
    {"city", "City", "Earth", 41.9028, 12.4964, 21, 0x464650},
    {"island", "Island", "Earth", -27.1127, -109.3497, 50, 0x5A7841},
    {"atacama", "Atacama", "Earth", -24.6272, -70.4042, 2635, 0xB47850},
    {"glacier", "Glacier", "Earth", 64.4, -16.8, 1200, 0xC8D7E6},
};

// The console refuses more than 50 landscape folders.
static_assert(std::size(kLandscapes) < 50);

}  // namespace

std::span<const LandscapeEntry> installed_landscapes() {
  return kLandscapes;
}

}  // namespace orvenna
