// The global atom table: case-insensitive strings with reference counts, and integer atoms.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/win/win_types.h"

namespace desktop {

class AtomTable {
 public:
  // A name "#123" or an integer name is the integer atom 123; integer atoms are not counted.
  ATOM add(LPCWSTR name);
  ATOM find(LPCWSTR name) const;
  // Returns true when the atom was known; a string atom is freed at its last delete.
  bool remove(ATOM atom);
  std::optional<std::wstring> name_of(ATOM atom) const;

 private:
  struct Entry {
    std::wstring name;
    int references = 0;
  };
  static std::optional<ATOM> integer_atom(LPCWSTR name);

  std::map<ATOM, Entry> entries_;
  ATOM next_ = 0xC000;
};

}  // namespace desktop
