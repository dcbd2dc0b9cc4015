// The system DLLs that LoadLibraryW finds, and the functions they export by name. Areas of the
// Win32 layer register the exports that programs look up at run time.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/win_types.h"

namespace desktop {

using ExportedFunction = void (*)();

class SystemLibraries {
 public:
  // The DLLs that every Windows has, with no exports until they are registered.
  SystemLibraries();

  HMODULE add(std::wstring_view dll_name);
  void add_export(std::wstring_view dll_name, std::string name, ExportedFunction function);
  // As on an older system, which does not have the function yet.
  void remove_export(std::wstring_view dll_name, std::string_view name);

  // By file name or path, without regard to case; ".dll" may be left out. Null when unknown.
  HMODULE find(std::wstring_view name_or_path) const;
  bool contains(HMODULE module) const;
  // The DLL's path in the system folder; empty for an unknown module.
  std::wstring path_of(HMODULE module) const;
  // Null when the module does not export the name.
  ExportedFunction find_export(HMODULE module, std::string_view name) const;

 private:
  struct Library {
    std::wstring name;
    std::map<std::string, ExportedFunction, std::less<>> exports;
  };
  const Library* library_of(HMODULE module) const;

  std::vector<Library> libraries_;
};

}  // namespace desktop
