#include "src/link/planetarium_install.h"

#include <array>
#include <cwchar>
#include <optional>
#include <vector>

#include "platform/afx/win_app.h"
#include "platform/win/dialog_api.h"
#include "platform/win/registry_api.h"
#include "platform/win/win_errors.h"
#include "src/link/planetarium_profile.h"
#include "src/util/split_string.h"

namespace {

// 520 bytes of UTF-16 on Windows: a whole path of MAX_PATH characters.
constexpr std::size_t ValueBufferChars = 260;

// A string that is missing, of another type or longer than the buffer reads as absent. The
// length comes from the size returned, so a text that fills the buffer exactly still ends right.
std::optional<std::wstring> ReadString(HKEY key, std::wstring_view name) {
  std::array<wchar_t, ValueBufferChars> buffer{};
  DWORD type = 0;
  DWORD size = sizeof(buffer);
  if (RegQueryValueExW(key, std::wstring(name).c_str(), nullptr, &type,
                       reinterpret_cast<LPBYTE>(buffer.data()), &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return std::nullopt;
  std::wstring text(buffer.data(), size / sizeof(wchar_t));
  if (std::size_t zero = text.find(L'\0'); zero != std::wstring::npos) text.resize(zero);
  return text;
}

void ReadEntry(std::wstring_view keyPath, PlanetariumInstall& install) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, std::wstring(keyPath).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return;
  if (auto folder = ReadString(key, PlanetariumProfile::InstallLocationValue)) install.folder = *folder;
  if (auto name = ReadString(key, PlanetariumProfile::DisplayNameValue)) install.displayName = *name;
  RegCloseKey(key);
}

}  // namespace

PlanetariumInstall ReadPlanetariumInstall() {
  PlanetariumInstall install;
  for (std::wstring_view keyPath : PlanetariumProfile::UninstallKeys) {
    ReadEntry(keyPath, install);
    if (!install.folder.empty()) break;
  }
  return install;
}

int CheckPlanetariumVersion(std::wstring_view displayName) {
  std::vector<std::wstring> pieces;
  if (SplitString(displayName, L" .", pieces) < 4) return PlanetariumMinorUnsupported;
  const long major = std::wcstol(pieces[1].c_str(), nullptr, 10);
  const long minor = std::wcstol(pieces[2].c_str(), nullptr, 10);
  const long patch = std::wcstol(pieces[3].c_str(), nullptr, 10);
  if (major > PlanetariumProfile::SupportedMajor) return PlanetariumMajorUnsupported;
  if (minor != PlanetariumProfile::SupportedMinor) return PlanetariumMinorUnsupported;
  if (patch > PlanetariumProfile::LatestSupportedPatch) return PlanetariumPatchUnsupported;
  return PlanetariumSupported;
}

int ReadPlanetariumFolder(std::wstring& out) {
  const PlanetariumInstall install = ReadPlanetariumInstall();
  if (install.folder.empty()) return PlanetariumNotInstalled;
  out = install.folder;
  return CheckPlanetariumVersion(install.displayName);
}

int FindPlanetariumFolder(std::wstring& out) {
  const int found = ReadPlanetariumFolder(out);
  if (found == PlanetariumNotInstalled) AfxMessageBox(PlanetariumFolderNotFound, MB_ICONERROR);
  return found;
}
