#include "src/catalog/solar_system_names.h"

#include "src/settings/console_settings.h"

// One body a line; the comet keeps its designation in every language.
// clang-format off
constexpr std::array<SolarSystemNameRow, SolarSystemBodyCount> SolarSystemNameTable{{
    {L"Eris", L"Eris", L"Éris", L"Eris", L"Eris", L"阋神星"},
    {L"Charon", L"Caronte", L"Charon", L"Caronte", L"Kharon", L"冥卫一"},
    {L"Pluto", L"Plutone", L"Pluton", L"Plutón", L"Plüton", L"冥王星"},
    {L"Laomedeia", L"Laomedea", L"Laomédie", L"Laomedeia", L"Laomedeia", L"海卫十二"},
    {L"Sao", L"Sao", L"Sao", L"Sao", L"Sao", L"海卫十一"},
    {L"Neso", L"Neso", L"Néso", L"Neso", L"Neso", L"海卫十三"},
    {L"Nereid", L"Nereide", L"Néréide", L"Nereida", L"Nereid", L"海卫二"},
    {L"Naiad", L"Naiade", L"Naïade", L"Náyade", L"Naiad", L"海卫三"},
    {L"Larissa", L"Larissa", L"Larissa", L"Larisa", L"Larissa", L"海卫七"},
    {L"Despina", L"Despina", L"Despina", L"Despina", L"Despina", L"海卫五"},
    {L"Neptune", L"Nettuno", L"Neptune", L"Neptuno", L"Neptün", L"海王星"},
    {L"Thalassa", L"Talassa", L"Thalassa", L"Talasa", L"Thalassa", L"海卫四"},
    {L"Proteus", L"Proteo", L"Protée", L"Proteo", L"Proteus", L"海卫八"},
    {L"Galatea", L"Galatea", L"Galatée", L"Galatea", L"Galatea", L"海卫六"},
    {L"Triton", L"Tritone", L"Triton", L"Tritón", L"Triton", L"海卫一"},
    {L"Psamathe", L"Psamate", L"Psamathée", L"Psámate", L"Psamathe", L"海卫十"},
    {L"Halimede", L"Alimede", L"Halimède", L"Halímede", L"Halimede", L"海卫九"},
    {L"Oberon", L"Oberon", L"Obéron", L"Oberón", L"Oberon", L"天卫四"},
    {L"Ariel", L"Ariel", L"Ariel", L"Ariel", L"Ariel", L"天卫一"},
    {L"Uranus", L"Urano", L"Uranus", L"Urano", L"Uranüs", L"天王星"},
    {L"Miranda", L"Miranda", L"Miranda", L"Miranda", L"Miranda", L"天卫五"},
    {L"Umbriel", L"Umbriel", L"Umbriel", L"Umbriel", L"Umbriel", L"天卫二"},
    {L"Titania", L"Titania", L"Titania", L"Titania", L"Titania", L"天卫三"},
    {L"C/2006 P1 (McNaught)", L"C/2006 P1 (McNaught)", L"C/2006 P1 (McNaught)", L"C/2006 P1 (McNaught)", L"C/2006 P1 (McNaught)", L"C/2006 P1 (McNaught)"},
    {L"Iapetus", L"Giapeto", L"Japet", L"Jápeto", L"İapetus", L"土卫八"},
    {L"Dione", L"Dione", L"Dioné", L"Dione", L"Dione", L"土卫四"},
    {L"Titan", L"Titano", L"Titan", L"Titán", L"Titan", L"土衛六"},
    {L"Mimas", L"Mimas", L"Mimas", L"Mimas", L"Mimas", L"土卫一"},
    {L"Saturn", L"Saturno", L"Saturne", L"Saturno", L"Satürn", L"土星"},
    {L"Enceladus", L"Encelado", L"Encelade", L"Encélado", L"Enceladus", L"土卫二"},
    {L"Tethys", L"Teti", L"Téthys", L"Tetis", L"Tethys", L"土卫三"},
    {L"Rhea", L"Rea", L"Rhéa", L"Rea", L"Rhea", L"土卫五"},
    {L"Hyperion", L"Iperione", L"Hypérion", L"Hiperión", L"Hyperion", L"土卫七"},
    {L"Pasiphae", L"Pasifae", L"Pasiphaé", L"Pasífae", L"Pasiphae", L"木卫八"},
    {L"Elara", L"Elara", L"Élara", L"Elara", L"Elara", L"木卫七"},
    {L"Sinope", L"Sinope", L"Sinopé", L"Sinope", L"Sinope", L"木卫九"},
    {L"Lysithea", L"Lisitea", L"Lysithéa", L"Lisitea", L"Lysithea", L"木卫十"},
    {L"Amalthea", L"Amaltea", L"Amalthée", L"Amaltea", L"Amalthea", L"木卫五"},
    {L"Jupiter", L"Giove", L"Jupiter", L"Júpiter", L"Jüpiter", L"木星"},
    {L"Io", L"Io", L"Io", L"Ío", L"Io", L"木卫一"},
    {L"Metis", L"Metide", L"Métis", L"Metis", L"Metis", L"木卫十六"},
    {L"Adrastea", L"Adrastea", L"Adrastée", L"Adrastea", L"Adrastea", L"木卫十五"},
    {L"Ganymede", L"Ganimede", L"Ganymède", L"Ganimedes", L"Ganymede", L"蓋尼米德"},
    {L"Thebe", L"Tebe", L"Thébé", L"Tebe", L"Thebe", L"木卫十四"},
    {L"Callisto", L"Callisto", L"Callisto", L"Calisto", L"Kallisto", L"木卫四"},
    {L"Europa", L"Europa", L"Europe", L"Europa", L"Europa", L"木卫二"},
    {L"Leda", L"Leda", L"Léda", L"Leda", L"Leda", L"木卫十三"},
    {L"Ananke", L"Ananke", L"Ananké", L"Ananké", L"Ananke", L"木卫十二"},
    {L"Himalia", L"Imalia", L"Himalia", L"Himalia", L"Himalia", L"木卫六"},
    {L"Carme", L"Carme", L"Carmé", L"Carmé", L"Carme", L"木卫十一"},
    {L"Juno", L"Giunone", L"Junon", L"Juno", L"Juno", L"婚神星"},
    {L"Pallas", L"Pallade", L"Pallas", L"Palas", L"Pallas", L"智神星"},
    {L"Ceres", L"Cerere", L"Cérès", L"Ceres", L"Ceres", L"穀神星"},
    {L"Deimos", L"Deimos", L"Déimos", L"Deimos", L"Deimos", L"火卫二"},
    {L"Mars", L"Marte", L"Mars", L"Marte", L"Mars", L"火星"},
    {L"Phobos", L"Phobos", L"Phobos", L"Fobos", L"Phobos", L"火卫一"},
    {L"Venus", L"Venere", L"Vénus", L"Venus", L"Venüs", L"金星"},
    {L"Vesta", L"Vesta", L"Vesta", L"Vesta", L"Vesta", L"灶神星"},
    {L"Sun", L"Sole", L"Soleil", L"Sol", L"Güneş", L"太阳"},
    {L"Mercury", L"Mercurio", L"Mercure", L"Mercurio", L"Merkür", L"水星"},
    {L"Moon", L"Luna", L"Lune", L"Luna", L"Ay", L"月球"},
    {L"Earth", L"Terra", L"Terre", L"Tierra", L"Dünya", L"地球"},
}};
// clang-format on

std::vector<std::wstring> SolarSystemEnglishNames() {
  std::vector<std::wstring> names;
  for (const SolarSystemNameRow& row : SolarSystemNameTable)
    names.emplace_back(row[0]);
  return names;
}

std::wstring_view SolarSystemBodyName(std::size_t index, unsigned language) {
  if (index >= SolarSystemBodyCount) return {};
  return SolarSystemNameTable[index][language < SolarSystemLanguages ? language : 0];
}

std::wstring_view GetSolarSystemBodyName(std::size_t index, bool localized) {
  return SolarSystemBodyName(index, localized ? ReadLanguage() : 0);
}
