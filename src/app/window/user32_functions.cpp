#include "src/app/window/user32_functions.h"

#include "platform/win/module_api.h"

namespace {
constexpr wchar_t User32[] = L"user32.dll";
}

User32Function LookUpUser32Function(const char* name) {
  HMODULE library = LoadLibraryW(User32);
  if (library == nullptr) return {};
  User32Function found{true, GetProcAddress(library, name)};
  // user32 stays loaded in every process: the address outlives this reference.
  FreeLibrary(library);
  return found;
}

void SwitchToWindowIfAvailable(HWND window) {
  using SwitchToThisWindowFunction = void(WINAPI*)(HWND, BOOL);
  const User32Function found = LookUpUser32Function("SwitchToThisWindow");
  if (found.address != nullptr) reinterpret_cast<SwitchToThisWindowFunction>(found.address)(window, TRUE);
}
