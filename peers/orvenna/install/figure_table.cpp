#include "peers/orvenna/install/figure_table.h"

#include <algorithm>
#include <array>

namespace orvenna {

namespace {

// Only stars of the star-name list take part, so some figures are simplified.
constexpr std::array kOrion = {27989u, 25336u, 27989u, 26727u, 25336u, 25930u, 25930u,
                               26311u, 26311u, 26727u, 26727u, 27366u, 25930u, 24436u};
constexpr std::array kUrsaMajor = {54061u, 53910u, 53910u, 58001u, 58001u, 59774u, 59774u,
                                   54061u, 59774u, 62956u, 62956u, 65378u, 65378u, 67301u};
constexpr std::array kPegasus = {113963u, 113881u, 113881u, 677u,    677u,
                                 1067u,   1067u,   113963u, 113963u, 107315u};
constexpr std::array kAndromeda = {677u, 5447u, 5447u, 9640u};
constexpr std::array kLeo = {49669u, 50583u, 50583u, 54872u, 54872u, 57632u, 57632u, 49669u};
constexpr std::array kScorpius = {78820u, 78401u, 78401u, 80763u, 80763u,
                                  86228u, 86228u, 85927u, 85927u, 85696u};
constexpr std::array kLyra = {91262u, 92420u, 92420u, 93194u, 93194u, 91262u};
constexpr std::array kCygnus = {102098u, 100453u, 100453u, 95947u};
constexpr std::array kAquila = {97649u, 97278u, 97649u, 98036u};
constexpr std::array kCanisMajor = {32349u, 30324u, 32349u, 34444u, 34444u, 33579u, 34444u, 35904u};
constexpr std::array kGemini = {36850u, 37826u, 37826u, 31681u};
constexpr std::array kTaurus = {21421u, 25428u};
constexpr std::array kAuriga = {24608u, 28360u};
constexpr std::array kCrux = {60718u, 61084u};
constexpr std::array kCentaurus = {71683u, 68702u, 68702u, 68933u};
constexpr std::array kBootes = {69673u, 72105u, 72105u, 73555u, 69673u, 67927u};
constexpr std::array kSagittarius = {90185u, 89931u, 89931u, 90496u, 90496u,
                                     92855u, 92855u, 93506u, 93506u, 90185u};
constexpr std::array kVirgo = {65474u, 61941u, 61941u, 63608u};
constexpr std::array kLibra = {72622u, 74785u};
constexpr std::array kPerseus = {15863u, 14576u};
constexpr std::array kAries = {9884u, 8903u};
constexpr std::array kCetus = {14135u, 10826u, 10826u, 3419u};
constexpr std::array kLepus = {25985u, 25606u};
constexpr std::array kAquarius = {109074u, 106278u};
constexpr std::array kEridanus = {23875u, 18543u, 18543u, 13847u, 13847u, 7588u};

constexpr FigureEntry kFigures[] = {
    {"Ori", kOrion},    {"UMa", kUrsaMajor},   {"Peg", kPegasus}, {"And", kAndromeda}, {"Leo", kLeo},
    {"Sco", kScorpius}, {"Lyr", kLyra},        {"Cyg", kCygnus},  {"Aql", kAquila},    {"CMa", kCanisMajor},
    {"Gem", kGemini},   {"Tau", kTaurus},      {"Aur", kAuriga},  {"Cru", kCrux},      {"Cen", kCentaurus},
    {"Boo", kBootes},   {"Sgr", kSagittarius}, {"Vir", kVirgo},   {"Lib", kLibra},     {"Per", kPerseus},
    {"Ari", kAries},    {"Cet", kCetus},       {"Lep", kLepus},   {"Aqr", kAquarius},  {"Eri", kEridanus},
};

static_assert(std::ranges::all_of(kFigures, [](const FigureEntry& f) { return f.lines.size() % 2 == 0; }),
              "a figure's stars come in pairs");

}  // namespace

std::span<const FigureEntry> western_figures() {
  return kFigures;
}

}  // namespace orvenna
