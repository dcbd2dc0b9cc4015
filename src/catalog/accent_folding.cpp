#include "src/catalog/accent_folding.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<wchar_t, wchar_t>, 16> Folds{{
    {L'É', L'E'},
    {L'é', L'e'},
    {L'è', L'e'},
    {L'í', L'i'},
    {L'Í', L'I'},
    {L'á', L'a'},
    {L'ó', L'o'},
    {L'ñ', L'n'},
    {L'ú', L'u'},
    {L'ü', L'u'},
    {L'ç', L'c'},
    {L'ğ', L'g'},
    {L'ö', L'o'},
    {L'ı', L'i'},
    {L'ş', L's'},
    {L'İ', L'I'},
}};

}  // namespace

std::wstring FoldAccents(std::wstring text) {
  for (const auto& [accented, plain] : Folds)
    std::replace(text.begin(), text.end(), accented, plain);
  return text;
}
