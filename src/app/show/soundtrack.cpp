// A replay's soundtrack: the media player control, hidden in a 1 by 1 host window of the main
// dialog, plays the chosen audio file from the start of the show until the presenter stops the
// show or the file ends.
#include "platform/com/atl_host_api.h"
#include "platform/com/media_player_api.h"
#include "platform/com/ole_auto_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/window_api.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/settings/console_settings.h"
#include "src/util/format_text.h"

namespace {

constexpr UINT SoundtrackFailedNotice = 11000;
constexpr UINT SoundtrackNoticeMs = 10000;
constexpr LONG FullVolume = 100;
constexpr wchar_t InvisibleMode[] = L"invisible";
// The control opens the file before it is told to play.
constexpr DWORD OpenBeforePlayMs = 1000;

template <typename Interface>
void ReleaseInterface(Interface*& pointer) {
  if (pointer != nullptr) pointer->Release();
  pointer = nullptr;
}

HRESULT PutText(IWMPPlayer* player, HRESULT (STDMETHODCALLTYPE IWMPPlayer::*put)(BSTR),
                const std::wstring& text) {
  BSTR value = SysAllocString(text.c_str());
  const HRESULT result = (player->*put)(value);
  SysFreeString(value);
  return result;
}

}  // namespace

void COrvennaConsoleDlg::StartSoundtrack() {
  soundtrackActive = true;
  if (OpenSoundtrack() && SUCCEEDED(soundtrackControls->play())) {
    WatchSoundEnds();
    return;
  }
  // The show goes on without its soundtrack; the status line says so after the version note.
  ReleaseSoundtrack();
  soundtrackActive = false;
  const std::wstring note =
      FormatText(LoadConsoleString(SoundtrackFailedNotice + ReadLanguage()).c_str(), soundtrackName.c_str());
  const std::wstring shown = GetDlgItemText(StatusLineId);
  ShowStatusText(shown.empty() ? note : shown + L" \u2014 " + note, SoundtrackNoticeMs);
}

bool COrvennaConsoleDlg::OpenSoundtrack() {
  if (soundtrackHost == nullptr || !::IsWindow(soundtrackHost)) {
    AtlAxWinInit();
    soundtrackHost = ::CreateWindowExW(0, kAxHostWindowClass, L"", WS_CHILD, 0, 0, 0, 0, m_hWnd, nullptr,
                                       nullptr, nullptr);
    if (soundtrackHost == nullptr) return false;
  }
  if (FAILED(AtlAxCreateControl(kMediaPlayerClassIdText, soundtrackHost, nullptr, nullptr))) return false;
  ::SetWindowPos(soundtrackHost, nullptr, 0, 0, 1, 1, SWP_NOZORDER | SWP_NOACTIVATE);
  IUnknown* control = nullptr;
  if (FAILED(AtlAxGetControl(soundtrackHost, &control))) return false;
  const HRESULT asked = control->QueryInterface(IID_IWMPPlayer, reinterpret_cast<void**>(&soundtrackPlayer));
  control->Release();
  if (FAILED(asked)) return false;
  if (FAILED(soundtrackPlayer->get_settings(&soundtrackSettings)) ||
      FAILED(soundtrackSettings->put_volume(FullVolume)) ||
      FAILED(soundtrackPlayer->get_controls(&soundtrackControls)))
    return false;
  if (FAILED(soundtrackPlayer->put_enabled(VARIANT_TRUE)) ||
      FAILED(PutText(soundtrackPlayer, &IWMPPlayer::put_uiMode, InvisibleMode)) ||
      FAILED(PutText(soundtrackPlayer, &IWMPPlayer::put_URL, soundtrackPath)))
    return false;
  Sleep(OpenBeforePlayMs);
  return true;
}

void COrvennaConsoleDlg::StopSoundtrack() {
  if (soundtrackControls != nullptr) soundtrackControls->stop();
  ReleaseSoundtrack();
  soundtrackActive = false;
}

// The host window stays for the next show.
void COrvennaConsoleDlg::ReleaseSoundtrack() {
  ReleaseInterface(soundtrackControls);
  ReleaseInterface(soundtrackSettings);
  ReleaseInterface(soundtrackPlayer);
}
