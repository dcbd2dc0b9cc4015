#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "string_table_source.h"
#include "text_markers.h"

namespace strings_check {
namespace {

// Ids whose translation may order the arguments differently: the Chinese speed tip is
// formatted with the number first and the direction word second.
const std::map<int, std::string> kReorderedArguments = {{3505, "ds"}};

Source ReadFile() {
  std::ifstream in(OC_STRINGS_FILE);
  EXPECT_TRUE(in) << "cannot open " << OC_STRINGS_FILE;
  return ReadSource(in);
}

Source ReadText(const std::string& text) {
  std::istringstream in(text);
  return ReadSource(in);
}

std::string Where(const Block& block, const LanguageLine& text) {
  return "line " + std::to_string(text.line) + " (id " + std::to_string(block.IdOf(text.language)) + ", " +
         kLanguageTags[text.language] + ")";
}

// Every fault of the table that the tests below look for, one message each.
std::vector<std::string> Faults(const Source& source) {
  std::vector<std::string> faults = source.errors;
  for (const std::string& duplicate : DuplicateIds(source))
    faults.push_back(duplicate);
  for (const Block& block : source.blocks) {
    const LanguageLine* english = block.Find(0);
    if (!english) {
      faults.push_back("line " + std::to_string(block.line) + ": block " + std::to_string(block.base) +
                       " has no English text");
      continue;
    }
    const std::string conversions = FormatConversions(english->text);
    const int accelerators = AcceleratorCount(english->text);
    for (const LanguageLine& text : block.texts) {
      const int id = block.IdOf(text.language);
      const auto reordered = kReorderedArguments.find(id);
      const std::string expected = reordered != kReorderedArguments.end() ? reordered->second : conversions;
      if (FormatConversions(text.text) != expected)
        faults.push_back(Where(block, text) + ": format arguments '" + FormatConversions(text.text) +
                         "' where '" + expected + "' is expected");
      const int marks = AcceleratorCount(text.text);
      if (marks < 0 || marks > 1 || marks != accelerators)
        faults.push_back(Where(block, text) + ": accelerator marks do not match the English text");
    }
  }
  return faults;
}

TEST(StringsFile, HasNoFaults) {
  const Source source = ReadFile();
  EXPECT_FALSE(source.blocks.empty());
  for (const std::string& fault : Faults(source))
    ADD_FAILURE() << fault;
}

TEST(StringsFile, EveryTextIsInAllSixLanguages) {
  for (const Block& block : ReadFile().blocks)
    for (int language = 0; language < kLanguageCount; ++language)
      EXPECT_TRUE(block.Find(language)) << "line " << block.line << ": block " << block.base << " has no "
                                        << kLanguageTags[language] << " text";
}

// The buttons that share one message box, by its type; Help and one check box may join them.
TEST(StringsFile, MessageBoxCaptionsHaveDistinctAccessKeys) {
  const std::vector<std::vector<int>> buttonRows = {{9001},
                                                    {9001, 9002},
                                                    {9003, 9004, 9005},
                                                    {9007, 9008, 9009, 9010, 9002},
                                                    {9004, 9002},
                                                    {9002, 9004, 9011},
                                                    {9011, 9003},
                                                    {9012, 9013, 9002},
                                                    {9005, 9006, 9002}};
  std::map<int, const Block*> blocks;
  const Source source = ReadFile();
  for (const Block& block : source.blocks)
    blocks[block.base] = &block;
  // English keeps the given captions, where Cancel and Continue share their key.
  for (int language = 1; language < kLanguageCount; ++language) {
    for (const std::vector<int>& row : buttonRows) {
      for (int checkBox : {9015, 9016}) {
        std::vector<int> dialog = row;
        dialog.insert(dialog.end(), {9014, checkBox});
        std::map<std::string, int> owner;
        for (int base : dialog) {
          ASSERT_TRUE(blocks.contains(base)) << base;
          const LanguageLine* text = blocks[base]->Find(language);
          const std::string key = text ? AcceleratorKey(text->text) : "";
          if (key.empty()) continue;
          auto [it, inserted] = owner.emplace(key, base);
          EXPECT_TRUE(inserted) << kLanguageTags[language] << ": " << base << " and " << it->second
                                << " share '" << key << "'";
        }
      }
    }
  }
}

TEST(StringsFile, FindsEachKindOfFault) {
  struct Case {
    const char* text;
    const char* fault;
  };
  const Case cases[] = {
      {"3000 step 7\n  en \"A\"\n", "line 1: expected"},
      {"3000 step 10\n  en \"A\"\n it \"B\"\n", "line 3: a language line is indented"},
      {"  en \"A\"\n", "line 1: language line outside"},
      {"3000 step 10\n  en \"A\"\n  de \"A\"\n", "line 3: unknown language"},
      {"3000 step 10\n  en \"A\"\n  it \"A\\q\"\n", "line 3: unknown escape"},
      {"3000 step 10\n  en \"A\"\n  it \"A\n", "line 3: text has no closing"},
      {"3000 step 10\n  en \"A\"\n  it \"A\" x\n", "line 3: text after the closing quote"},
      {"3000 step 10\n  en \"A\"\n  en \"B\"\n", "line 3: language given twice"},
      {"3000 step 10\n  en \"A\"\n  it \"\xC3\"\n", "line 3: not UTF-8"},
      {"9001 step 20\n  en \"A\"\n  it \"B\"\n9021 step 1\n  en \"C\"\n", "id 9021 already given on line 3"},
      {"3000 step 10\n  it \"A\"\n", "has no English text"},
      {"3500 step 10\n  en \"Go %s at %d\"\n  fr \"Aller %d à %s\"\n", "format arguments 'ds' where 'sd'"},
      {"3500 step 10\n  en \"Go %s at %d\"\n  zh \"%s %d\"\n", "format arguments 'sd' where 'ds'"},
      {"6010 step 10\n  en \"100%%\"\n  it \"100%\"\n", "format arguments '' where '%'"},
      {"9001 step 20\n  en \"&Ok\"\n  tr \"Tamam\"\n", "accelerator marks"},
      {"9001 step 20\n  en \"&Ok\"\n  zh \"(&O)确定(&K)\"\n", "accelerator marks"},
      {"8500 step 10\n  en \"A & B\"\n  it \"A e B&\"\n", "accelerator marks"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> faults = Faults(ReadText(c.text));
    ASSERT_EQ(faults.size(), 1u) << c.text;
    EXPECT_NE(faults.front().find(c.fault), std::string::npos) << faults.front();
  }
}

TEST(StringsFile, AcceptsWhatTheFormatAllows) {
  const char* text =
      "# comment\n"
      "   # indented comment\n"
      "\n"
      "3500 step 10\n"
      "  en \"Go %s at speed %d\"  # trailing comment\n"
      "  zh \"以%d级速率%s运行\"\n"
      "1420 step 10\n"
      "  en \"Min value is 50%, Max is 90%.\"\n"
      "  fr \"Minimum 50 %, maximum 90 %.\"\n"
      "9002 step 20\n"
      "  en \"&Cancel\"\n"
      "  zh \"取消(&C)\"\n"
      "19330 step 6\n"
      "  en \"Tab\\tquote \\\" backslash \\\\ line\\r\\n\"\n"
      "  tr \"A && B\"\n";
  const Source source = ReadText(text);
  EXPECT_TRUE(Faults(source).empty());
  ASSERT_EQ(source.blocks.size(), 4u);
  EXPECT_EQ(source.blocks[3].Find(0)->text, "Tab\tquote \" backslash \\ line\r\n");
  EXPECT_EQ(source.blocks[3].IdOf(4), 19334);
}

TEST(StringsFile, AcceleratorKeyFoldsCase) {
  EXPECT_EQ(AcceleratorKey("&Ok"), "o");
  EXPECT_EQ(AcceleratorKey("取消(&C)"), "c");
  EXPECT_EQ(AcceleratorKey("&İptal"), AcceleratorKey("Bu &iletiyi"));
  EXPECT_EQ(AcceleratorKey("A && B, &Ümit"), "Ü");
  EXPECT_EQ(AcceleratorKey("Poles & Equator"), "");
}

TEST(StringsFile, FormatConversionsReadPrintfSpecifications) {
  EXPECT_EQ(FormatConversions("%s: %02d:%02d %I64u %.3f %5.1lf %c %x %%"), "sdduffcx%");
  EXPECT_EQ(FormatConversions("50%, 90%."), "");
}

}  // namespace
}  // namespace strings_check
