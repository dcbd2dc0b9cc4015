#include "src/util/place_lookup.h"

#include "platform/afx/win_app.h"
#include "platform/win/controls_api.h"
#include "platform/win/dialog_api.h"
#include "platform/win/message_api.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"
#include "src/util/localized_text.h"

namespace {

constexpr UINT ListUnreadableMessage = 4580;
constexpr int BarWidth = 260;
constexpr int BarHeight = 25;
constexpr int BarRangeEnd = 22500;
constexpr int BarStartPosition = 2000;

void ShowListUnreadable() {
  std::wstring text = LoadLocalizedText(ListUnreadableMessage);
  if (std::size_t field = text.find(L"%s"); field != std::wstring::npos)
    text.replace(field, 2, PlaceListPath());
  AfxMessageBox(text.c_str(), MB_ICONWARNING);
}

// Centred in the dialog's window rectangle.
HWND CreateProgressBar(HWND dialog) {
  RECT frame{};
  GetWindowRect(dialog, &frame);
  int x = (frame.right - frame.left - BarWidth) / 2;
  int y = (frame.bottom - frame.top - BarHeight) / 2;
  HWND bar = CreateWindowExW(
      0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | PBS_SMOOTH, x, y, BarWidth, BarHeight, dialog,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(PlaceProgressBarId)), nullptr, nullptr);
  SendMessageW(bar, PBM_SETRANGE, 0, MAKELPARAM(0, BarRangeEnd));
  SendMessageW(bar, PBM_SETSTEP, 1, 0);
  SendMessageW(bar, PBM_SETPOS, BarStartPosition, 0);
  return bar;
}

PlaceLookup LookUp(HWND dialog, const std::wstring& placeName) {
  HWND bar = nullptr;
  PlaceLookup lookup = FindPlaceInList(
      placeName, {[&bar, dialog] { bar = CreateProgressBar(dialog); },
                  [&bar](int compared) { SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(compared), 0); }});
  if (bar != nullptr) PostMessageW(bar, WM_CLOSE, 0, 0);
  if (lookup.result == PlaceSearch::ListUnreadable) ShowListUnreadable();
  return lookup;
}

}  // namespace

int LocationExists(HWND dialog, const std::wstring& placeName) {
  return LookUp(dialog, placeName).result == PlaceSearch::Found ? 1 : 0;
}

int LocationExists(HWND dialog, const std::wstring& placeName, PlacePosition& position) {
  PlaceLookup lookup = LookUp(dialog, placeName);
  if (lookup.result != PlaceSearch::Found || !lookup.position) return 0;
  position = *lookup.position;
  return 1;
}
