#include <gtest/gtest.h>

#include <string>

#include "platform/win/win32.h"
#include "src/catalog/search/search_choice.h"
#include "src/catalog/search/search_typing.h"

namespace {

using Outcome = SearchChoice::Outcome;

ConstellationNameTable WesternNames() {
  ConstellationNameTable names;
  names.InitConstellationTable();
  return names;
}

int RowOf(const ConstellationNameTable& names, const std::wstring& latin) {
  for (std::size_t row = 0; row < names.rows().size(); ++row)
    if (names.rows()[row][0] == latin) return static_cast<int>(row);
  return EmptySlotCode;
}

struct ChoiceCase {
  const char* what;
  SearchSlot slot;
  int mode;
  bool findInside;
  Outcome outcome;
  CConsoleState::SearchTarget target;
};

TEST(SearchChoiceTest, AClickOnACandidateMakesItsTarget) {
  const ConstellationNameTable names = WesternNames();
  const int hydra = RowOf(names, L"Hydra");
  const int orion = RowOf(names, L"Orion");
  const ChoiceCase cases[] = {
      {"a star, also from the objects list",
       {StarCode, 32349, L"", L"Sirius (Canis Major)"},
       MessierMode,
       false,
       Outcome::EndDialog,
       {L"Sirius", NamedObjectKind, 32349}},
      {"Pluto's moon",
       {BodyCode, 0, L"", L"Hydra"},
       NamesMode,
       false,
       Outcome::EndDialog,
       {L"Hydra (moon)", BodyKind, 0}},
      {"a moon", {BodyCode, 0, L"", L"Io"}, NamesMode, false, Outcome::EndDialog, {L"Io", BodyKind, 0}},
      {"the constellation Hydra",
       {hydra, 0, L"", L"Water Snake"},
       NamesMode,
       false,
       Outcome::EndDialog,
       {L"Hya", NamedObjectKind, 0}},
      {"a constellation in objects mode",
       {orion, 0, L"", L"Hunter"},
       NamesMode,
       true,
       Outcome::ListObjects,
       {L"Orion", NamedObjectKind, 0}},
      {"a Messier key",
       {12, 0, L"m81", L"M81"},
       MessierMode,
       false,
       Outcome::EndDialog,
       {L"m81", CatalogueKeyKind, 0}},
      {"an NGC key",
       {3, 0, L"n224", L"NGC 224"},
       NgcMode,
       false,
       Outcome::EndDialog,
       {L"n224", CatalogueKeyKind, 0}},
      {"an empty slot", {EmptySlotCode, 0, L"", L"Sirius"}, NamesMode, false, Outcome::Nothing, {}},
  };
  for (const ChoiceCase& c : cases) {
    const SearchChoice choice = ChooseSlot(c.slot, c.mode, names, c.findInside);
    EXPECT_EQ(choice.outcome, c.outcome) << c.what;
    EXPECT_EQ(choice.target.targetName, c.target.targetName) << c.what;
    EXPECT_EQ(choice.target.targetKind, c.target.targetKind) << c.what;
    EXPECT_EQ(choice.target.targetExtra, c.target.targetExtra) << c.what;
  }
  EXPECT_EQ(ChooseSlot({orion, 0, L"", L"Hunter"}, NamesMode, names, true).constellation, L"Orion");
}

TEST(SearchChoiceTest, OkChoosesTheOnlyCandidateOrTakesTheTypedText) {
  const ConstellationNameTable names = WesternNames();
  const int orion = RowOf(names, L"Orion");
  struct OkCase {
    const char* what;
    std::vector<SearchSlot> filled;
    int mode;
    CConsoleState::SearchTarget target;
  };
  const OkCase cases[] = {
      {"one star",
       {{StarCode, 32349, L"", L"Sirius (Canis Major)"}},
       NamesMode,
       {L"Sirius", NamedObjectKind, 32349}},
      {"one body, as a click gives it",
       {{BodyCode, 0, L"", L"Hydra"}},
       NamesMode,
       {L"Hydra (moon)", BodyKind, 0}},
      {"one constellation, never its objects",
       {{orion, 0, L"", L"Hunter"}},
       NamesMode,
       {L"Orion", NamedObjectKind, 0}},
      {"one Messier key", {{0, 0, L"m3", L"M3"}}, MessierMode, {L"m3", CatalogueKeyKind, 0}},
      {"two candidates",
       {{StarCode, 1, L"", L"Sirius"}, {BodyCode, 0, L"", L"Io"}},
       NamesMode,
       {L"SI", TypedTextKind, 0}},
      {"no candidate", {}, NamesMode, {L"SI", TypedTextKind, 0}},
  };
  for (const OkCase& c : cases) {
    SearchSlots slots;
    for (std::size_t i = 0; i < c.filled.size(); ++i)
      slots[i] = c.filled[i];
    const SearchChoice choice = ChooseWithOk(slots, c.mode, names, L"SI");
    EXPECT_EQ(choice.outcome, Outcome::EndDialog) << c.what;
    EXPECT_EQ(choice.target.targetName, c.target.targetName) << c.what;
    EXPECT_EQ(choice.target.targetKind, c.target.targetKind) << c.what;
    EXPECT_EQ(choice.target.targetExtra, c.target.targetExtra) << c.what;
  }
}

TEST(SearchChoiceTest, ALabelGivesTheNameBeforeItsParenthesis) {
  EXPECT_EQ(NameFromLabel(L"Sirius (Canis Major)"), L"Sirius");
  EXPECT_EQ(NameFromLabel(L"  Io "), L"Io");
  EXPECT_EQ(NameFromLabel(L"(x)"), L"(x)");
}

TEST(SearchTypingTest, KeysTypeLettersDigitsBlanksAndApostrophes) {
  struct KeyCase {
    UINT code;
    std::optional<wchar_t> typed;
  };
  const KeyCase cases[] = {{'A', L'A'},          {'Z', L'Z'},        {'0', L'0'},       {'9', L'9'},
                           {32, L' '},           {39, L'\''},        {96, L'\''},       {219, L'\''},
                           {13, std::nullopt},   {27, std::nullopt}, {8, std::nullopt}, {'a', std::nullopt},
                           {VK_F1, std::nullopt}};
  for (const KeyCase& c : cases)
    EXPECT_EQ(TypedCharacter(c.code), c.typed) << c.code;
}

TEST(SearchTypingTest, OnScreenKeysPostTheirKeyCodes) {
  const std::pair<UINT, std::optional<UINT>> cases[] = {
      {11105, '0'}, {11114, '9'}, {11117, 'A'}, {11142, 'Z'},
      {11143, 8u},  {11144, 39u}, {567, 32u},   {11211, std::nullopt},
  };
  for (const auto& [id, code] : cases)
    EXPECT_EQ(OnScreenKeyCode(id), code) << id;
}

}  // namespace
