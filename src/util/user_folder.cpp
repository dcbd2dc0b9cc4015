#include "src/util/user_folder.h"

#include <array>

#include "platform/win/environment_api.h"

namespace {
constexpr std::size_t AppDataCapacity = 513;
}

std::wstring PlanetariumUserFolder() {
  std::array<wchar_t, AppDataCapacity> appData{};
  DWORD length = GetEnvironmentVariableW(L"APPDATA", appData.data(), static_cast<DWORD>(appData.size()));
  if (length >= appData.size()) length = 0;
  return std::wstring(appData.data(), length) + L"\\Orvenna\\";
}

std::wstring PlanetariumUserFile(std::wstring_view name) {
  return PlanetariumUserFolder() + std::wstring(name);
}
