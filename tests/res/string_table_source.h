// A small reader of res/strings.txt of its own, so that the string table is checked
// independently of the resource tool that compiles it.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace strings_check {

inline constexpr int kLanguageCount = 6;
inline constexpr const char* kLanguageTags[kLanguageCount] = {"en", "it", "fr", "es", "tr", "zh"};

struct LanguageLine {
  int language = 0;
  std::string text;  // escapes already resolved, UTF-8
  int line = 0;
};

struct Block {
  int base = 0;
  int step = 0;
  int line = 0;
  std::vector<LanguageLine> texts;

  const LanguageLine* Find(int language) const;
  // Message-box captions step by twenty per language; every other text takes the next ids.
  int IdOf(int language) const { return base + (step == 20 ? 20 : 1) * language; }
};

struct Source {
  std::vector<Block> blocks;
  std::vector<std::string> errors;  // "line N: reason"
};

Source ReadSource(std::istream& in);

// "line N: reason" for every id that two blocks, or two lines of one block, produce.
std::vector<std::string> DuplicateIds(const Source& source);

}  // namespace strings_check
