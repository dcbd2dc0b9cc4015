// An ini file held in memory: sections and keys compared without regard to case and kept
// sorted, read and written one byte per character with CR LF line ends.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

// Sections and keys sort and match without regard to case.
struct NoCaseLess {
  using is_transparent = void;
  bool operator()(std::wstring_view a, std::wstring_view b) const;
};

class CIniStore {
 public:
  struct Entry {
    std::wstring key;
    std::wstring value;
    // A line of a section without "=" (a comment, say): kept as it was and written back so.
    bool bare = false;
  };
  struct Section {
    std::wstring name;
    std::map<std::wstring, Entry, NoCaseLess> entries;
  };

  // Settings files are a few kilobytes; a larger one is no settings file, and reading it whole
  // at every look-up would hold up the console.
  static constexpr std::size_t LargestIniFile = 1u << 20;

  // False when the file cannot be opened or read, or holds more than largest bytes (the store
  // is then unchanged).
  bool Load(const std::wstring& path, std::size_t largest = LargestIniFile);
  // False when the file could not be written whole; the file on disk is then as it was.
  // A name or value with a character above U+00FF cannot be written one byte per character
  // and fails the save too.
  bool Save(const std::wstring& path) const;

  const Section* FindSection(std::wstring_view name) const;
  Section& AddSection(std::wstring_view name);
  // Empty when the section or the key is missing.
  std::wstring GetValue(std::wstring_view section, std::wstring_view key) const;
  void SetValue(std::wstring_view section, std::wstring_view key, std::wstring_view value);
  void Clear() { sections_.clear(); }

  const std::map<std::wstring, Section, NoCaseLess>& Sections() const { return sections_; }

 private:
  void ParseLine(std::wstring_view line, Section*& current);
  std::string Serialise() const;

  std::map<std::wstring, Section, NoCaseLess> sections_;
};
