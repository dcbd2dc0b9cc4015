#include <string>

#include "peers/media_player/media_player.h"
#include "peers/media_player/media_player_control.h"
#include "platform/com/com_api.h"
#include "platform/com/media_player_api.h"
#include "platform/win/registry_api.h"
#include "platform/win/win_errors.h"

namespace media_player {
namespace {

constexpr const wchar_t* kControlName = L"Media player control";
constexpr const wchar_t* kServerPath = L"C:\\Program Files\\Media Player\\mediaplayer.ocx";

std::wstring class_key() {
  return std::wstring(L"CLSID\\") + kMediaPlayerClassIdText;
}

LSTATUS write_default(const std::wstring& path, const std::wstring& value) {
  HKEY key = nullptr;
  LSTATUS status =
      RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) return status;
  status = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return status;
}

}  // namespace

std::shared_ptr<PlayerProbe> register_media_player(desktop::Desktop& machine) {
  auto probe = std::make_shared<PlayerProbe>();
  machine.in_process_servers().add(CLSID_MediaPlayer, [probe](REFIID iid, void** object) {
    auto* control = new MediaPlayerControl(probe);
    HRESULT result = control->QueryInterface(iid, object);
    control->Release();
    return result;
  });
  machine.observations().dump_sections["media_player"] = [probe] { return probe->dump_json(); };
  return probe;
}

LSTATUS install_media_player() {
  const std::wstring key = class_key();
  for (const auto& [path, value] : {std::pair{key, std::wstring(kControlName)},
                                    std::pair{key + L"\\InprocServer32", std::wstring(kServerPath)}})
    if (LSTATUS status = write_default(path, value); status != ERROR_SUCCESS) return status;
  return ERROR_SUCCESS;
}

LSTATUS uninstall_media_player() {
  const std::wstring key = class_key();
  for (const std::wstring& path : {key + L"\\InprocServer32", key})
    if (LSTATUS status = RegDeleteKeyW(HKEY_CLASSES_ROOT, path.c_str());
        status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
      return status;
  return ERROR_SUCCESS;
}

bool media_player_installed() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, class_key().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

}  // namespace media_player
