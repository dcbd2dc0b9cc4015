// The uninstall entry that tells where the program is installed and which version it is.
#include <string>
#include <vector>

#include "peers/orvenna/install/install_steps.h"
#include "platform/win/registry_api.h"
#include "platform/win/win_errors.h"

namespace orvenna {

namespace {

std::vector<std::wstring> key_path(std::wstring_view path) {
  std::vector<std::wstring> names;
  for (std::size_t at = 0; at <= path.size();) {
    std::size_t end = std::min(path.find(L'\\', at), path.size());
    names.emplace_back(path.substr(at, end - at));
    at = end + 1;
  }
  return names;
}

// REG_SZ data: the text's characters and its terminator.
std::vector<BYTE> string_data(const std::wstring& text) {
  const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
  return std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
}

std::shared_ptr<desktop::RegistryKey> local_machine_of(desktop::RegistryHive& hive) {
  std::shared_ptr<desktop::RegistryKey> key;
  hive.key_of(HKEY_LOCAL_MACHINE, 0, key);
  return key;
}

}  // namespace

bool has_uninstall_entry(desktop::Desktop& machine) {
  desktop::RegistryHive& hive = machine.registry();
  std::vector<std::wstring> path = key_path(kUninstallKey);
  auto local_machine = local_machine_of(hive);
  return hive.find(local_machine, path, false) || hive.find(local_machine, path, true);
}

InstallResult write_uninstall_entry(desktop::Desktop& machine, const InstallSettings& settings) {
  desktop::RegistryHive& hive = machine.registry();
  std::shared_ptr<desktop::RegistryKey> entry;
  // A 32-bit installer on a 64-bit machine writes through the 32-bit view.
  LONG status =
      hive.create(local_machine_of(hive), key_path(kUninstallKey), settings.machine_64_bit, false, entry);
  std::wstring display_name = settings.version.empty() ? L"Orvenna" : L"Orvenna " + settings.version;
  const std::pair<const wchar_t*, std::wstring> values[] = {
      {L"InstallLocation", install_folder_of(settings)},
      {L"DisplayName", display_name},
      {L"DisplayVersion", settings.version},
  };
  for (const auto& [name, text] : values)
    if (status == ERROR_SUCCESS) status = hive.set_value(*entry, name, REG_SZ, string_data(text));
  if (status != ERROR_SUCCESS) return {static_cast<DWORD>(status), kUninstallKey};
  return {};
}

}  // namespace orvenna
