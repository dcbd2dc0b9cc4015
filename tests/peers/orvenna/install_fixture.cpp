#include "tests/peers/orvenna/install_fixture.h"

std::optional<std::wstring> InstallTest::entry_value(const wchar_t* key, const wchar_t* name) {
  HKEY entry = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &entry) != ERROR_SUCCESS) return std::nullopt;
  BYTE buffer[520] = {};
  DWORD size = sizeof buffer;
  DWORD type = 0;
  LSTATUS status = RegQueryValueExW(entry, name, nullptr, &type, buffer, &size);
  RegCloseKey(entry);
  if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return std::wstring(reinterpret_cast<const wchar_t*>(buffer));
}

std::vector<std::wstring> InstallTest::found_names(const std::wstring& pattern, bool folders) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::wstring name = found.cFileName;
    bool is_folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (name != L"." && name != L".." && is_folder == folders) names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

bool InstallTest::exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool InstallTest::start_from_entry(PROCESS_INFORMATION& started) {
  std::optional<std::wstring> location = entry_value(orvenna::kUninstallKey, L"InstallLocation");
  if (!location || location->empty()) return false;
  std::wstring executable = *location + L"orvenna.exe";
  std::wstring command_line = L"orvenna.exe";
  std::wstring folder = location->substr(0, location->size() - 1);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(executable.c_str(), command_line.data(), nullptr, nullptr, FALSE,
                      CREATE_DEFAULT_ERROR_MODE | CREATE_NEW_PROCESS_GROUP | CREATE_NEW_CONSOLE, nullptr,
                      folder.c_str(), &startup, &started))
    return false;
  CloseHandle(started.hThread);
  return true;
}
