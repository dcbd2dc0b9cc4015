#include "src/link/keyboard_layout.h"

#include "platform/afx/win_app.h"
#include "platform/win/dialog_api.h"
#include "platform/win/keyboard_api.h"
#include "platform/win/locale_api.h"
#include "platform/win/win_macros.h"
#include "platform/win/window_api.h"
#include "src/link/planetarium_windows.h"

namespace {
constexpr wchar_t UsEnglishLayout[] = L"00000409";
}

PlanetariumLayout FindPlanetariumKeyboardLayout() {
  const LANGID systemLanguage = GetSystemDefaultLangID();
  HWND main = FindPlanetariumMainWindow();
  if (main == nullptr) return {LoadKeyboardLayoutW(UsEnglishLayout, KLF_ACTIVATE), false};
  const DWORD thread = GetWindowThreadProcessId(main, nullptr);
  HKL layout = GetKeyboardLayout(thread);
  if (LOWORD(reinterpret_cast<ULONG_PTR>(layout)) != systemLanguage)
    ActivateKeyboardLayout(layout, KLF_RESET);
  return {GetKeyboardLayout(thread), true};
}

HKL SyncKeyboardLayoutWithPlanetarium() {
  const PlanetariumLayout found = FindPlanetariumKeyboardLayout();
  if (!found.planetariumFound) AfxMessageBox(PlanetariumNotRunningWarning, MB_ICONWARNING);
  return found.layout;
}
