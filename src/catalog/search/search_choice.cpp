#include "src/catalog/search/search_choice.h"

#include <algorithm>

#include "src/util/compare_no_case.h"
#include "src/util/text_trim.h"

namespace {

constexpr std::wstring_view Hydra = L"hydra";
constexpr wchar_t HydraConstellation[] = L"Hya";
constexpr wchar_t HydraMoon[] = L"Hydra (moon)";

SearchChoice Ending(CConsoleState::SearchTarget target) {
  return {SearchChoice::Outcome::EndDialog, std::move(target), {}};
}

SearchChoice BodyChoice(const SearchSlot& slot) {
  std::wstring name = NameFromLabel(slot.label);
  if (CompareTextNoCase(name, Hydra) == 0) name = HydraMoon;
  return Ending({name, BodyKind, 0});
}

const std::wstring* LatinName(const ConstellationNameTable& names, int code) {
  const auto row = static_cast<std::size_t>(code);
  if (code < 0 || row >= names.rows().size()) return nullptr;
  return &names.rows()[row].front();
}

// The slot's object, except that a constellation's objects may be listed instead.
SearchChoice Choose(const SearchSlot& slot, int mode, const ConstellationNameTable& names, bool listObjects) {
  if (slot.code == EmptySlotCode) return {};
  if (slot.code == StarCode) return Ending({NameFromLabel(slot.label), NamedObjectKind, slot.hip});
  if (mode == MessierMode || mode == NgcMode) return Ending({slot.key, CatalogueKeyKind, 0});
  if (mode != NamesMode) return {};
  if (slot.code == BodyCode) return BodyChoice(slot);
  const std::wstring* latin = LatinName(names, slot.code);
  if (latin == nullptr) return {};
  SearchChoice choice = Ending(NamedObjectTarget(*latin));
  if (listObjects) {
    choice.outcome = SearchChoice::Outcome::ListObjects;
    choice.constellation = *latin;
  }
  return choice;
}

}  // namespace

std::wstring NameFromLabel(std::wstring_view label) {
  const std::size_t open = label.find(L'(', 1);
  if (open != std::wstring_view::npos) label = label.substr(0, open);
  return std::wstring(StripWhiteSpace(label));
}

CConsoleState::SearchTarget NamedObjectTarget(const std::wstring& name) {
  return {CompareTextNoCase(name, Hydra) == 0 ? std::wstring(HydraConstellation) : name, NamedObjectKind, 0};
}

SearchChoice ChooseSlot(const SearchSlot& slot, int mode, const ConstellationNameTable& names,
                        bool findInsideConstellations) {
  return Choose(slot, mode, names, findInsideConstellations);
}

SearchChoice ChooseWithOk(const SearchSlots& slots, int mode, const ConstellationNameTable& names,
                          std::wstring_view typed) {
  const auto filled = std::count_if(slots.begin(), slots.end(),
                                    [](const SearchSlot& slot) { return slot.code != EmptySlotCode; });
  if (filled == 1) {
    const auto only = std::find_if(slots.begin(), slots.end(),
                                   [](const SearchSlot& slot) { return slot.code != EmptySlotCode; });
    SearchChoice choice = Choose(*only, mode, names, false);
    if (choice.outcome != SearchChoice::Outcome::Nothing) return choice;
  }
  return Ending({std::wstring(typed), TypedTextKind, 0});
}
