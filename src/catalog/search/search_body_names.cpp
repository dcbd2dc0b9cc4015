#include "src/catalog/search/search_body_names.h"

const std::array<std::wstring_view, SearchBodyCount> SearchBodyNames{
    L"Eris",     L"Charon",    L"Pluto",    L"Laomedeia", L"Sao",      L"Neso",     L"Nereid",   L"Naiad",
    L"Larissa",  L"Despina",   L"Thalassa", L"Proteus",   L"Galatea",  L"Triton",   L"Psamathe", L"Halimede",
    L"Oberon",   L"Ariel",     L"Miranda",  L"Umbriel",   L"Titania",  L"Iapetus",  L"Dione",    L"Titan",
    L"Mimas",    L"Enceladus", L"Tethys",   L"Rhea",      L"Hyperion", L"Pasiphae", L"Elara",    L"Sinope",
    L"Lysithea", L"Amalthea",  L"Io",       L"Metis",     L"Adrastea", L"Ganymede", L"Thebe",    L"Callisto",
    L"Europa",   L"Leda",      L"Ananke",   L"Himalia",   L"Carme",    L"Juno",     L"Pallas",   L"Ceres",
    L"Deimos",   L"Phobos",    L"Vesta",    L"Hydra",
};
