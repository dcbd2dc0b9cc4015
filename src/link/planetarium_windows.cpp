#include "src/link/planetarium_windows.h"

#include <string>

#include "platform/win/window_api.h"
#include "src/link/planetarium_profile.h"

PlanetariumMainWindow FindPlanetariumMainWindowAndVersion() {
  const std::wstring windowClass(PlanetariumProfile::MainWindowClass);
  for (const PlanetariumProfile::SupportedVersion& supported : PlanetariumProfile::SupportedVersions) {
    const std::wstring title(supported.title);
    if (HWND found = FindWindowW(windowClass.c_str(), title.c_str())) return {found, supported.version};
  }
  return {};
}

HWND FindPlanetariumMainWindow() {
  return FindPlanetariumMainWindowAndVersion().window;
}

HWND PlanetariumRenderWindowOf(HWND main) {
  if (main == nullptr) return nullptr;
  const std::wstring title(PlanetariumProfile::RenderWindowTitle);
  for (std::wstring_view childClass :
       {PlanetariumProfile::RenderWindowClass, PlanetariumProfile::FallbackRenderWindowClass}) {
    if (HWND child = FindWindowExW(main, nullptr, std::wstring(childClass).c_str(), title.c_str()))
      return child;
  }
  return main;
}

HWND FindPlanetariumRenderWindow() {
  return PlanetariumRenderWindowOf(FindPlanetariumMainWindow());
}
