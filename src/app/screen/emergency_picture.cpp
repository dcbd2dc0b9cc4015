// The emergency button: held for a second it lays the configured picture over Orvenna's window as
// a centred square; pressed and released again, the picture goes.
#include "platform/afx/win_app.h"
#include "platform/win/crt_file_api.h"
#include "platform/win/environment_api.h"
#include "platform/win/module_api.h"
#include "platform/win/window_api.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/settings/console_settings.h"
#include "src/settings/ini_files.h"
#include "src/util/format_text.h"

namespace {

constexpr UINT HoldMs = 1000;
constexpr UINT HoldLongerHint = 9510;
constexpr UINT HoldLongerHintMs = 3300;
constexpr UINT NoImageMessage = 9480;
constexpr UINT ImageNotFoundMessage = 9470;
constexpr UINT NotAPictureMessage = 9490;
constexpr wchar_t StartupSection[] = L"startup";
constexpr BYTE DefaultAlpha = 220;
constexpr DWORD EnvironmentBufferLength = 513;

BYTE ReadPictureAlpha() {
  const std::optional<std::wstring> text =
      ReadIniEntry(ConsoleIniFile, StartupSection, L"emergencyImageTransparency");
  if (!text) return DefaultAlpha;
  wchar_t* end = nullptr;
  const long alpha = std::wcstol(text->c_str(), &end, 10);
  if (text->empty() || *end != L'\0' || alpha < 1 || alpha > 255) return DefaultAlpha;
  return static_cast<BYTE>(alpha);
}

}  // namespace

std::optional<std::wstring> ExpandEmergencyPath(const std::wstring& value) {
  if (value.empty() || value[0] != L'%') return value;
  const std::size_t close = value.find(L'%', 1);
  if (close == std::wstring::npos) return std::nullopt;
  const std::wstring name = value.substr(1, close - 1);
  wchar_t buffer[EnvironmentBufferLength] = {};
  const DWORD length = GetEnvironmentVariableW(name.c_str(), buffer, EnvironmentBufferLength);
  const std::wstring variable = length > 0 && length < EnvironmentBufferLength ? buffer : L"";
  return variable + value.substr(close + 1);
}

RECT EmergencyPictureRect(const RECT& window, int clientWidth, int clientHeight) {
  const int border = (window.right - window.left - clientWidth) / 2;
  const int frameHeight = window.bottom - window.top - clientHeight;
  if (clientWidth < clientHeight) {
    const int top = window.top + (clientHeight - clientWidth) / 2 - border + frameHeight;
    return RECT{window.left + border, top, window.left + border + clientWidth, top + clientWidth};
  }
  const int left = window.left + (clientWidth - clientHeight) / 2 + border;
  const int top = window.top - border + frameHeight;
  return RECT{left, top, left + clientHeight, top + clientHeight};
}

void COrvennaConsoleDlg::OnEmergencyPressed() {
  if (emergencyPressed) return;
  if (!emergencyShown) {
    SetTimer(EmergencyTimer, HoldMs, nullptr);
    emergencyHideOnRelease = false;
  } else {
    emergencyHideOnRelease = true;
  }
  emergencyPressed = true;
}

void COrvennaConsoleDlg::OnEmergencyReleased() {
  if (emergencyShown && emergencyHideOnRelease) {
    emergencyPressed = false;
    emergencyPicture.Hide();
    emergencyShown = false;
    return;
  }
  // The status line's own timer: the script-flag timer would clear a running script's flag.
  if (emergencyPressed) ShowStatusMessage(HoldLongerHint + ReadLanguage(), HoldLongerHintMs);
  KillTimer(EmergencyTimer);
  emergencyPressed = false;
}

void COrvennaConsoleDlg::ShowEmergencyImage() {
  const unsigned language = ReadLanguage();
  const std::optional<std::wstring> value = ReadIniEntry(ConsoleIniFile, StartupSection, L"emergencyImage");
  if (value && value->empty()) {
    AfxMessageBox(LoadConsoleString(NoImageMessage + language).c_str(), MB_ICONERROR);
    emergencyShown = false;
    return;
  }
  const std::wstring configured = value.value_or(L"");
  const std::wstring notFound =
      FormatText(LoadConsoleString(ImageNotFoundMessage + language).c_str(), configured.c_str());
  const BYTE alpha = ReadPictureAlpha();
  const std::optional<std::wstring> path = ExpandEmergencyPath(configured);
  std::FILE* probe = path ? _wfsopen(path->c_str(), L"r", _SH_DENYNO) : nullptr;
  if (probe == nullptr) {
    AfxMessageBox(notFound.c_str(), MB_ICONERROR);
    emergencyShown = false;
    return;
  }
  std::fclose(probe);
  // Without Orvenna's window there is no screen to cover, and no picture is up to take down.
  HWND main = FindPlanetariumWindow();
  RECT window{};
  RECT client{};
  if (main == nullptr || !::GetWindowRect(main, &window) || !::GetClientRect(main, &client)) {
    emergencyShown = false;
    return;
  }
  const RECT place = EmergencyPictureRect(window, client.right - client.left, client.bottom - client.top);
  const int side = place.right - place.left;
  // One overlay serves every showing, moved over Orvenna's window as it is now.
  if (HWND overlay = emergencyPicture.GetSafeHwnd())
    ::SetWindowPos(overlay, HWND_TOP, place.left, place.top, side, side, SWP_NOACTIVATE);
  else
    emergencyPicture.Create(m_hWnd, GetModuleHandleW(nullptr), place.left, place.top, side, side);
  emergencyShown = emergencyPicture.ShowImage(path->c_str(), alpha, RECT{0, 0, side, side}) != FALSE;
  // A file that is there but is no picture the overlay can read.
  if (!emergencyShown)
    AfxMessageBox(
        FormatText(LoadConsoleString(NotAPictureMessage + language).c_str(), configured.c_str()).c_str(),
        MB_ICONERROR);
}
