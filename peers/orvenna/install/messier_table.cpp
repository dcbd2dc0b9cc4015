#include "peers/orvenna/install/messier_table.h"

namespace orvenna {

namespace {

constexpr MessierEntry kMessierObjects[] = {
    {"M1", "NGC 1952", "Crab Nebula", "Supernova remnant", "05h 34.5m", "Taurus", 8.4, 6500},
    {"M8", "NGC 6523", "Lagoon Nebula", "Emission nebula", "18h 03.6m", "Sagittarius", 6.0, 4100},
    {"M13", "NGC 6205", "Great Hercules Cluster", "Globular cluster", "16h 41.7m", "Hercules", 5.8, 22200},
    {"M16", "NGC 6611", "Eagle Nebula", "Emission nebula", "18h 18.8m", "Serpens", 6.0, 7000},
    {"M20", "NGC 6514", "Trifid Nebula", "Emission nebula", "18h 02.3m", "Sagittarius", 6.3, 4100},
    {"M27", "NGC 6853", "Dumbbell Nebula", "Planetary nebula", "19h 59.6m", "Vulpecula", 7.5, 1360},
    {"M31", "NGC 224", "Andromeda Galaxy", "Spiral galaxy", "00h 42.7m", "Andromeda", 3.4, 2540000},
    {"M32", "NGC 221", "", "Elliptical galaxy", "00h 42.7m", "Andromeda", 8.1, 2490000},
    {"M33", "NGC 598", "Triangulum Galaxy", "Spiral galaxy", "01h 33.9m", "Triangulum", 5.7, 2730000},
    {"M42", "NGC 1976", "Orion Nebula", "Emission nebula", "05h 35.4m", "Orion", 4.0, 1344},
    {"M44", "NGC 2632", "Beehive Cluster", "Open cluster", "08h 40.1m", "Cancer", 3.7, 577},
    {"M45", "", "Pleiades", "Open cluster", "03h 47.0m", "Taurus", 1.6, 444},
    {"M51", "NGC 5194", "Whirlpool Galaxy", "Spiral galaxy", "13h 29.9m", "Canes Venatici", 8.4, 23000000},
    {"M57", "NGC 6720", "Ring Nebula", "Planetary nebula", "18h 53.6m", "Lyra", 8.8, 2300},
    {"M81", "NGC 3031", "Bode's Galaxy", "Spiral galaxy", "09h 55.6m", "Ursa Major", 6.9, 11800000},
    {"M82", "NGC 3034", "Cigar Galaxy", "Starburst galaxy", "09h 55.8m", "Ursa Major", 8.4, 11500000},
    {"M104", "NGC 4594", "Sombrero Galaxy", "Spiral galaxy", "12h 40.0m", "Virgo", 8.0, 31100000},
};

}  // namespace

std::span<const MessierEntry> messier_objects() {
  return kMessierObjects;
}

}  // namespace orvenna
