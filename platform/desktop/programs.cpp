#include "platform/desktop/programs.h"

#include "platform/desktop/windows_path.h"

namespace desktop {

void ProgramRegistry::add(std::wstring executable_name, ProgramEntry entry) {
  for (auto& [name, existing] : programs_)
    if (equal_names(name, executable_name)) {
      existing = std::move(entry);
      return;
    }
  programs_.emplace_back(std::move(executable_name), std::move(entry));
}

const ProgramEntry* ProgramRegistry::find(std::wstring_view executable_name) const {
  for (const auto& [name, entry] : programs_)
    if (equal_names(name, executable_name)) return &entry;
  return nullptr;
}

}  // namespace desktop
