#include "peers/orvenna/install/sky_culture_table.h"

namespace orvenna {

namespace {

// Star groups of the Inuit of the Canadian Arctic, with the stars they are made of.
constexpr CultureConstellation kInuit[] = {
    {"tuk", "Tukturjuit", "The Caribou"},               // the stars of the Big Dipper
    {"nuu", "Nuuttuittuq", "The Never Moving One"},     // Polaris
    {"ull", "Ullaktut", "The Runners"},                 // Orion's belt
    {"aku", "Akuttujuuk", "The Two Placed Far Apart"},  // Betelgeuse and Bellatrix
    {"aag", "Aagjuuk", "Dawn Sign"},                    // Altair and Tarazed
    {"sak", "Sakiattiak", "Breastbone"},                // the Pleiades
    {"nan", "Nanurjuk", "Polar Bear-Like"},             // Aldebaran
    {"qut", "Quturjuuk", "Collarbones"},                // Capella and Menkalinan
    {"kin", "Kingulliq", "The One Behind"},             // Vega
    {"siv", "Sivulliik", "The Ones in Front"},          // Arcturus and Muphrid
};

constexpr SkyCultureEntry kCultures[] = {
    {"inuit", "Inuit", kInuit},
};

}  // namespace

std::span<const SkyCultureEntry> other_sky_cultures() {
  return kCultures;
}

}  // namespace orvenna
