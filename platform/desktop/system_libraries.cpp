#include "platform/desktop/system_libraries.h"

#include <cstdint>

#include "platform/desktop/windows_path.h"

namespace desktop {

namespace {

constexpr const wchar_t* kSystemDlls[] = {
    L"advapi32.dll", L"comctl32.dll", L"comdlg32.dll", L"gdi32.dll",  L"kernel32.dll",
    L"ole32.dll",    L"shell32.dll",  L"shlwapi.dll",  L"user32.dll", L"version.dll",
};

// Module handles are where the DLLs would be loaded: far from the programs' own image.
constexpr std::uintptr_t kFirstModule = 0x70000000;
constexpr std::uintptr_t kModuleSpacing = 0x00100000;

std::wstring dll_name_of(std::wstring_view name_or_path) {
  std::wstring name(file_name_of(name_or_path));
  if (name.find(L'.') == std::wstring::npos) name += L".dll";
  return name;
}

}  // namespace

SystemLibraries::SystemLibraries() {
  for (const wchar_t* dll : kSystemDlls)
    add(dll);
}

HMODULE SystemLibraries::add(std::wstring_view dll_name) {
  if (HMODULE known = find(dll_name)) return known;
  libraries_.push_back({dll_name_of(dll_name), {}});
  return reinterpret_cast<HMODULE>(kFirstModule + (libraries_.size() - 1) * kModuleSpacing);
}

void SystemLibraries::add_export(std::wstring_view dll_name, std::string name, ExportedFunction function) {
  HMODULE module = add(dll_name);
  libraries_[(reinterpret_cast<std::uintptr_t>(module) - kFirstModule) / kModuleSpacing]
      .exports[std::move(name)] = function;
}

void SystemLibraries::remove_export(std::wstring_view dll_name, std::string_view name) {
  HMODULE module = find(dll_name);
  if (module == nullptr) return;
  auto& exports =
      libraries_[(reinterpret_cast<std::uintptr_t>(module) - kFirstModule) / kModuleSpacing].exports;
  if (auto found = exports.find(name); found != exports.end()) exports.erase(found);
}

HMODULE SystemLibraries::find(std::wstring_view name_or_path) const {
  std::wstring name = dll_name_of(name_or_path);
  for (std::size_t i = 0; i < libraries_.size(); ++i)
    if (equal_names(libraries_[i].name, name))
      return reinterpret_cast<HMODULE>(kFirstModule + i * kModuleSpacing);
  return nullptr;
}

const SystemLibraries::Library* SystemLibraries::library_of(HMODULE module) const {
  auto value = reinterpret_cast<std::uintptr_t>(module);
  if (value < kFirstModule || (value - kFirstModule) % kModuleSpacing != 0) return nullptr;
  std::size_t index = (value - kFirstModule) / kModuleSpacing;
  return index < libraries_.size() ? &libraries_[index] : nullptr;
}

bool SystemLibraries::contains(HMODULE module) const {
  return library_of(module) != nullptr;
}

std::wstring SystemLibraries::path_of(HMODULE module) const {
  const Library* library = library_of(module);
  return library ? L"C:\\Windows\\System32\\" + library->name : std::wstring();
}

ExportedFunction SystemLibraries::find_export(HMODULE module, std::string_view name) const {
  const Library* library = library_of(module);
  if (library == nullptr) return nullptr;
  auto at = library->exports.find(name);
  return at == library->exports.end() ? nullptr : at->second;
}

}  // namespace desktop
