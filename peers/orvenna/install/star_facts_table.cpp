#include "peers/orvenna/install/star_facts_table.h"

namespace orvenna {

namespace {

// Brightest first; every star is one of the western sky culture's named stars.
constexpr StarFactsEntry kStarFacts[] = {
    {32349, "Canis Major", "alf CMa", 2.64, -1.46, 1.42, 0.00, "A1V", "binary with a white dwarf"},
    {30438, "Carina", "alf Car", 94.8, -0.74, -5.62, 0.15, "A9II", "second brightest star of the night sky"},
    {71683, "Centaurus", "alf1 Cen", 1.34, -0.01, 4.38, 0.71, "G2V", "nearest naked-eye star"},
    {69673, "Bootes", "alf Boo", 11.26, -0.05, -0.30, 1.23, "K1.5III", "high proper motion"},
    {91262, "Lyra", "alf Lyr", 7.68, 0.03, 0.58, 0.00, "A0V", "photometric standard"},
    {24608, "Auriga", "alf Aur", 13.12, 0.08, -0.48, 0.80, "G8III", "two pairs of stars"},
    {24436, "Orion", "bet Ori", 264.6, 0.13, -7.84, -0.03, "B8Ia", "blue supergiant"},
    {37279, "Canis Minor", "alf CMi", 3.51, 0.34, 2.66, 0.42, "F5IV-V", "binary with a white dwarf"},
    {7588, "Eridanus", "alf Eri", 42.8, 0.46, -2.70, -0.16, "B6Vpe", "flattened by its spin"},
    {27989, "Orion", "alf Ori", 168.1, 0.50, -5.85, 1.85, "M1-2Ia-Iab", "semiregular variable"},
    {68702, "Centaurus", "bet Cen", 120.0, 0.61, -4.80, -0.23, "B1III", "triple star"},
    {97649, "Aquila", "alf Aql", 5.13, 0.77, 2.22, 0.22, "A7V", "fast rotator"},
    {60718, "Crux", "alf1 Cru", 98.7, 0.76, -4.19, -0.24, "B0.5IV", "multiple star"},
    {21421, "Taurus", "alf Tau", 20.0, 0.86, -0.64, 1.54, "K5III", "in front of the Hyades"},
    {80763, "Scorpius", "alf Sco", 170.0, 0.96, -5.28, 1.83, "M1.5Iab-b", "semiregular variable"},
    {65474, "Virgo", "alf Vir", 76.6, 0.97, -3.55, -0.23, "B1III-IV", "eclipsing binary"},
    {37826, "Gemini", "bet Gem", 10.36, 1.14, 1.08, 1.00, "K0III", "has a planet"},
    {113368, "Piscis Austrinus", "alf PsA", 7.70, 1.16, 1.74, 0.09, "A3V", "dust disc"},
    {102098, "Cygnus", "alf Cyg", 802.0, 1.25, -8.38, 0.09, "A2Ia", "white supergiant"},
    {62434, "Crux", "bet Cru", 85.1, 1.25, -3.92, -0.24, "B0.5III", "beta Cephei variable"},
    {49669, "Leo", "alf Leo", 24.3, 1.35, -0.52, -0.11, "B8IVn", "fast rotator"},
    {33579, "Canis Major", "eps CMa", 124.0, 1.50, -4.10, -0.21, "B2II", "binary"},
    {36850, "Gemini", "alf Gem", 15.6, 1.58, 0.59, 0.03, "A1V", "six stars"},
    {11767, "Ursa Minor", "alf UMi", 132.6, 1.98, -3.60, 0.60, "F7Ib", "Cepheid variable"},
    {46390, "Hydra", "alf Hya", 54.3, 1.99, -1.69, 1.44, "K3II-III", "alone in a dim part of the sky"},
};

}  // namespace

std::span<const StarFactsEntry> star_facts() {
  return kStarFacts;
}

}  // namespace orvenna
