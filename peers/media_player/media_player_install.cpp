#include <string>

#include "peers/media_player/media_player.h"
#include "peers/media_player/media_player_control.h"
#include "platform/com/class_keys.h"
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
  return com::write_class_keys({{key, kControlName}, {key + L"\\InprocServer32", kServerPath}});
}

LSTATUS uninstall_media_player() {
  const std::wstring key = class_key();
  return com::delete_class_keys({key + L"\\InprocServer32", key});
}

bool media_player_installed() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, class_key().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

}  // namespace media_player
