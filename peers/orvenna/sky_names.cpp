#include "peers/orvenna/sky_names.h"

#include <array>

namespace orvenna {

namespace {

using namespace std::string_view_literals;

// The solar system, with the viewing points the fly-by observes from.
constexpr std::array kBodies = {
    "Sun"sv,       "Mercury"sv,   "Venus"sv,    "Earth"sv,
    "Moon"sv,      "Mars"sv,      "Phobos"sv,   "Deimos"sv,
    "Jupiter"sv,   "Io"sv,        "Europa"sv,   "Ganymede"sv,
    "Callisto"sv,  "Amalthea"sv,  "Himalia"sv,  "Elara"sv,
    "Pasiphae"sv,  "Sinope"sv,    "Lysithea"sv, "Carme"sv,
    "Ananke"sv,    "Leda"sv,      "Thebe"sv,    "Adrastea"sv,
    "Metis"sv,     "Saturn"sv,    "Mimas"sv,    "Enceladus"sv,
    "Tethys"sv,    "Dione"sv,     "Rhea"sv,     "Titan"sv,
    "Hyperion"sv,  "Iapetus"sv,   "Uranus"sv,   "Miranda"sv,
    "Ariel"sv,     "Umbriel"sv,   "Titania"sv,  "Oberon"sv,
    "Neptune"sv,   "Triton"sv,    "Nereid"sv,   "Naiad"sv,
    "Thalassa"sv,  "Despina"sv,   "Galatea"sv,  "Larissa"sv,
    "Proteus"sv,   "Halimede"sv,  "Psamathe"sv, "Sao"sv,
    "Laomedeia"sv, "Neso"sv,      "Pluto"sv,    "Charon"sv,
    "Hydra"sv,     "Nix"sv,       "Eris"sv,     "Ceres"sv,
    "Pallas"sv,    "Juno"sv,      "Vesta"sv,    "C/2006 P1 (McNaught)"sv,
    "OCEarth"sv,   "OCJupiter"sv, "OCSaturn"sv, "OCcharon"sv,
    "OCSun"sv,     "OCNeptune"sv, "OCVenus"sv,  "OCMercury"sv,
    "OCMoon"sv,
};

constexpr std::array kConstellations = {
    "Andromeda"sv,
    "Antlia"sv,
    "Apus"sv,
    "Aquarius"sv,
    "Aquila"sv,
    "Ara"sv,
    "Aries"sv,
    "Auriga"sv,
    "Bootes"sv,
    "Caelum"sv,
    "Camelopardalis"sv,
    "Cancer"sv,
    "Canes Venatici"sv,
    "Canis Major"sv,
    "Canis Minor"sv,
    "Capricornus"sv,
    "Carina"sv,
    "Cassiopeia"sv,
    "Centaurus"sv,
    "Cepheus"sv,
    "Cetus"sv,
    "Chamaeleon"sv,
    "Circinus"sv,
    "Columba"sv,
    "Coma Berenices"sv,
    "Corona Australis"sv,
    "Corona Borealis"sv,
    "Corvus"sv,
    "Crater"sv,
    "Crux"sv,
    "Cygnus"sv,
    "Delphinus"sv,
    "Dorado"sv,
    "Draco"sv,
    "Equuleus"sv,
    "Eridanus"sv,
    "Fornax"sv,
    "Gemini"sv,
    "Grus"sv,
    "Hercules"sv,
    "Horologium"sv,
    "Hya"sv,
    "Hydrus"sv,
    "Indus"sv,
    "Lacerta"sv,
    "Leo"sv,
    "Leo Minor"sv,
    "Lepus"sv,
    "Libra"sv,
    "Lupus"sv,
    "Lynx"sv,
    "Lyra"sv,
    "Mensa"sv,
    "Microscopium"sv,
    "Monoceros"sv,
    "Musca"sv,
    "Norma"sv,
    "Octans"sv,
    "Ophiuchus"sv,
    "Orion"sv,
    "Pavo"sv,
    "Pegasus"sv,
    "Perseus"sv,
    "Phoenix"sv,
    "Pictor"sv,
    "Pisces"sv,
    "Piscis Austrinus"sv,
    "Puppis"sv,
    "Pyxis"sv,
    "Reticulum"sv,
    "Sagitta"sv,
    "Sagittarius"sv,
    "Scorpius"sv,
    "Sculptor"sv,
    "Scutum"sv,
    "Serpens"sv,
    "Sextans"sv,
    "Taurus"sv,
    "Telescopium"sv,
    "Triangulum"sv,
    "Triangulum Australe"sv,
    "Tucana"sv,
    "Ursa Major"sv,
    "Ursa Minor"sv,
    "Vela"sv,
    "Virgo"sv,
    "Volans"sv,
    "Vulpecula"sv,
};

constexpr std::array kStars = {
    "Sirius"sv,     "Canopus"sv,  "Arcturus"sv, "Vega"sv,      "Capella"sv, "Rigel"sv,     "Procyon"sv,
    "Betelgeuse"sv, "Achernar"sv, "Altair"sv,   "Aldebaran"sv, "Antares"sv, "Spica"sv,     "Pollux"sv,
    "Fomalhaut"sv,  "Deneb"sv,    "Regulus"sv,  "Castor"sv,    "Polaris"sv, "Dubhe"sv,     "Merak"sv,
    "Phecda"sv,     "Megrez"sv,   "Alioth"sv,   "Mizar"sv,     "Alkaid"sv,  "Aspidiske"sv, "Miaplacidus"sv,
};

constexpr std::array kLandscapes = {
    "Guereins"sv, "Moon"sv,  "Mars"sv,     "Jupiter"sv,   "Saturn"sv, "Uranus"sv,
    "Neptune"sv,  "Ocean"sv, "Garching"sv, "Hurricane"sv, "Zero"sv,
};

constexpr std::array kSkyCultures = {"western"sv, "inuit"sv};

}  // namespace

std::span<const std::string_view> body_names() {
  return kBodies;
}
std::span<const std::string_view> constellation_names() {
  return kConstellations;
}
std::span<const std::string_view> star_names() {
  return kStars;
}
std::span<const std::string_view> default_landscapes() {
  return kLandscapes;
}
std::span<const std::string_view> default_sky_cultures() {
  return kSkyCultures;
}

}  // namespace orvenna
