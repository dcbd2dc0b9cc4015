// The programs the desktop can run, by executable file name ("orvenna.exe"): a file of that
// name on a drive starts the program's entry, which takes the command line and returns the
// exit code, as WinMain does.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace desktop {

using ProgramEntry = std::function<int(const std::wstring& command_line)>;

class ProgramRegistry {
 public:
  // A second registration of a name replaces the first.
  void add(std::wstring executable_name, ProgramEntry entry);
  // By file name, without regard to case; null when no program has that name.
  const ProgramEntry* find(std::wstring_view executable_name) const;

 private:
  std::vector<std::pair<std::wstring, ProgramEntry>> programs_;
};

}  // namespace desktop
