#include "platform/desktop/atom_table.h"

#include <cwchar>

#include "platform/desktop/window_class.h"
#include "platform/win/win_macros.h"

namespace desktop {

std::optional<ATOM> AtomTable::integer_atom(LPCWSTR name) {
  if (IS_INTRESOURCE(name)) return static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
  if (name[0] != L'#') return std::nullopt;
  unsigned long value = 0;
  for (const wchar_t* c = name + 1; *c; ++c) {
    if (*c < L'0' || *c > L'9') return std::nullopt;
    value = value * 10 + static_cast<unsigned long>(*c - L'0');
    if (value >= 0xC000) return std::nullopt;
  }
  return name[1] ? std::optional<ATOM>(static_cast<ATOM>(value)) : std::nullopt;
}

ATOM AtomTable::add(LPCWSTR name) {
  if (name == nullptr) return 0;
  if (auto atom = integer_atom(name)) return *atom;
  if (ATOM existing = find(name)) {
    ++entries_[existing].references;
    return existing;
  }
  if (wcslen(name) > 255) return 0;
  while (entries_.count(next_))
    next_ = next_ == 0xFFFF ? 0xC000 : next_ + 1;
  ATOM atom = next_++;
  entries_[atom] = {name, 1};
  return atom;
}

ATOM AtomTable::find(LPCWSTR name) const {
  if (name == nullptr) return 0;
  if (auto atom = integer_atom(name)) return *atom;
  for (const auto& [atom, entry] : entries_)
    if (equal_ignoring_case(entry.name, name)) return atom;
  return 0;
}

bool AtomTable::remove(ATOM atom) {
  if (atom < 0xC000) return atom != 0;
  auto at = entries_.find(atom);
  if (at == entries_.end()) return false;
  if (--at->second.references == 0) entries_.erase(at);
  return true;
}

std::optional<std::wstring> AtomTable::name_of(ATOM atom) const {
  if (atom != 0 && atom < 0xC000) return L"#" + std::to_wstring(atom);
  auto at = entries_.find(atom);
  if (at == entries_.end()) return std::nullopt;
  return at->second.name;
}

}  // namespace desktop
