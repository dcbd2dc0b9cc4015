// A multimedia button's picture over Orvenna's window: a square over the middle of its client
// area, with the black backdrop square behind it so that the dome shows nothing else.
#include "platform/win/crt_file_api.h"
#include "platform/win/module_api.h"
#include "platform/win/window_api.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/util/user_folder.h"

namespace {

constexpr BYTE OpaqueAlpha = 255;
constexpr wchar_t BackdropPicture[] = L"black.png";

bool CanOpen(const std::wstring& path) {
  std::FILE* probe = _wfsopen(path.c_str(), L"r", _SH_DENYNO);
  if (probe == nullptr) return false;
  std::fclose(probe);
  return true;
}

// One window serves every showing of an overlay, moved to where the square is now.
void PlaceOverlay(CExternalImage& overlay, HWND owner, const RECT& place) {
  const int side = place.right - place.left;
  if (HWND window = overlay.GetSafeHwnd())
    ::SetWindowPos(window, HWND_TOP, place.left, place.top, side, side, SWP_NOACTIVATE);
  else
    overlay.Create(owner, GetModuleHandleW(nullptr), place.left, place.top, side, side);
}

}  // namespace

bool COrvennaConsoleDlg::ShowImageOverPlanetarium(int k, const std::wstring& path) {
  const bool shown = PlaceImageOverPlanetarium(k, path);
  // The pictures put away for this one may have been the last: the backdrop goes with them
  // rather than leave the dome black.
  if (!shown && !IsAnyPictureShown()) pictureBackdrop.Hide();
  return shown;
}

bool COrvennaConsoleDlg::IsAnyPictureShown() const {
  for (const CExternalImage& overlay : pictureOverlays)
    if (overlay.IsVisible()) return true;
  return false;
}

bool COrvennaConsoleDlg::PlaceImageOverPlanetarium(int k, const std::wstring& path) {
  if (k < 0 || k >= MediaButtonCount) return false;
  const std::optional<std::wstring> file = ExpandEmergencyPath(path);
  if (!file || !CanOpen(*file)) return false;
  HWND main = FindPlanetariumWindow();
  RECT window{};
  RECT client{};
  if (main == nullptr || !::GetWindowRect(main, &window) || !::GetClientRect(main, &client)) return false;
  const RECT place = EmergencyPictureRect(window, client.right - client.left, client.bottom - client.top);
  const int side = place.right - place.left;
  const RECT destination{0, 0, side, side};
  // Showing an overlay activates it; the presenter's dialog stays in front for the keys.
  HWND front = ::GetForegroundWindow();
  if (!pictureBackdrop.IsVisible()) {
    PlaceOverlay(pictureBackdrop, m_hWnd, place);
    pictureBackdrop.ShowImage(PlanetariumUserFile(BackdropPicture).c_str(), OpaqueAlpha, destination);
  }
  PlaceOverlay(pictureOverlays[k], m_hWnd, place);
  const bool shown = pictureOverlays[k].ShowImage(file->c_str(), OpaqueAlpha, destination) != FALSE;
  if (front != nullptr) ::SetForegroundWindow(front);
  return shown;
}
