// A process's environment variables: names compared without regard to case and kept in
// Windows' order (by upper-case name), each keeping the case it was first set with.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace desktop {

class Environment {
 public:
  const std::wstring* find(std::wstring_view name) const;
  void set(std::wstring_view name, std::wstring value);
  bool remove(std::wstring_view name);

  // %NAME% becomes the variable's value; an unknown name or a lone "%" stays as written.
  std::wstring expand(std::wstring_view text) const;

  // The block form: "NAME=value" strings, each ended by a zero, and a zero after the last.
  std::wstring block() const;
  static Environment from_block(const wchar_t* block);
  static Environment from_block(const char* block);

  const std::vector<std::pair<std::wstring, std::wstring>>& variables() const { return variables_; }

 private:
  std::vector<std::pair<std::wstring, std::wstring>>::iterator position_of(std::wstring_view name);
  std::vector<std::pair<std::wstring, std::wstring>> variables_;
};

}  // namespace desktop
