// The string table's source format: ids from base and step, escapes, and what is refused.
#include <gtest/gtest.h>

#include "tools/resource_compiler/string_table.h"

namespace {

using resource_script::parse_string_table;

TEST(StringTableTest, BlocksGiveIdsByLanguageIndexAndStepWithTheirEscapes) {
  auto parsed = parse_string_table(
      "# planet display names\n"
      "3000 step 10\n"
      "  en \"EARTH\"\n"
      "  it \"TERRA\"   # a comment\n"
      "  zh \"地球\"\n"
      "\n"
      "   # an indented comment\n"
      "9001 step 20\n"
      "  en \"&OK\"\n"
      "  fr \"a\\tb\\nc\\rd\\\\e\\\"f #g\"\n"
      "19330 step 6\n"
      "  es \"x\"\n"
      "3505 step 1\n"
      "  tr \"t\"\n");
  ASSERT_TRUE(parsed) << parsed.error->line << ": " << parsed.error->reason;
  std::vector<std::pair<std::uint32_t, std::wstring>> entries;
  for (const auto& entry : parsed.value)
    entries.emplace_back(entry.id, entry.text);
  EXPECT_EQ(entries, (std::vector<std::pair<std::uint32_t, std::wstring>>{{3000, L"EARTH"},
                                                                          {3001, L"TERRA"},
                                                                          {3005, L"地球"},
                                                                          {3509, L"t"},
                                                                          {9001, L"&OK"},
                                                                          {9041, L"a\tb\nc\rd\\e\"f #g"},
                                                                          {19333, L"x"}}));
}

struct Refusal {
  const char* source;
  int line;
  const char* reason_part;
};

TEST(StringTableTest, MalformedLinesAndRepeatedIdsAreRefusedWithTheirLine) {
  const Refusal cases[] = {
      {"3000 step 10\n  it \"A\"\n3001 step 1\n  en \"B\"\n", 4, "already given on line 2"},
      {"3000 step 10\n  en \"A\"\n  en \"B\"\n", 3, "already has en"},
      {"3000 step 10\n  de \"A\"\n", 2, "unknown language"},
      {"3000 step 10\n en \"A\"\n", 2, "two blanks"},
      {"3000 step 10\n   en \"A\"\n", 2, "two blanks"},
      {"3000 step 10\n  en \"A\n", 2, "closing quote"},
      {"3000 step 10\n  en \"A\" B\n", 2, "follow the closing quote"},
      {"3000 step 10\n  en \"A\\q\"\n", 2, "unknown escape"},
      {"3000 step 10\n  en A\n", 2, "double quotes"},
      {"3000 step 7\n", 1, "10, 20, 6 or 1"},
      {"3000 steps 10\n", 1, "<base id> step <n>"},
      {"x step 10\n", 1, "base id"},
      {"  en \"A\"\n", 1, "before any"},
      {"65535 step 10\n  it \"A\"\n", 2, "above 65535"},
      {"3000 step 10\n  en \"\xff\"\n", 0, "not UTF-8"},
  };
  for (const Refusal& refusal : cases) {
    auto parsed = parse_string_table(refusal.source);
    ASSERT_FALSE(parsed) << refusal.source;
    EXPECT_EQ(parsed.error->line, refusal.line) << refusal.source;
    EXPECT_NE(parsed.error->reason.find(refusal.reason_part), std::string::npos)
        << refusal.source << " -> " << parsed.error->reason;
  }
}

TEST(StringTableTest, ALeftOutLanguageHasNoEntry) {
  auto parsed = parse_string_table("760 step 10\n  en \"Objects in %s\"\n  es \"Objetos en %s\"\n");
  ASSERT_TRUE(parsed);
  ASSERT_EQ(parsed.value.size(), 2u);
  EXPECT_EQ(parsed.value[0].id, 760u);
  EXPECT_EQ(parsed.value[1].id, 763u);
}

}  // namespace
