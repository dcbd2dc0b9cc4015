// SystemParametersInfoW. Setting the work area changes the monitor that holds it; the
// taskbar's own visibility never does, as on Windows.
#include <cwchar>

#include "platform/win/message_api.h"
#include "platform/win/rect_api.h"
#include "platform/win/system_parameters_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace {

LOGFONTW ui_font(LONG height) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = 400;
  std::wcsncpy(font.lfFaceName, L"Segoe UI", LF_FACESIZE - 1);
  return font;
}

BOOL set_work_area(desktop::Desktop& machine, const RECT* area, UINT win_ini) {
  auto& monitors = machine.monitors();
  RECT requested = area ? *area : monitors.front().rect;
  int index = desktop::monitor_overlapping(monitors, requested);
  if (index < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  RECT clipped;
  IntersectRect(&clipped, &requested, &monitors[static_cast<std::size_t>(index)].rect);
  monitors[static_cast<std::size_t>(index)].work = clipped;
  if (win_ini & SPIF_SENDCHANGE) SendNotifyMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  return TRUE;
}

void fill_non_client_metrics(NONCLIENTMETRICSW& metrics) {
  UINT size = metrics.cbSize;
  metrics = {};
  metrics.cbSize = size;
  metrics.iBorderWidth = 1;
  metrics.iScrollWidth = metrics.iScrollHeight = 17;
  metrics.iCaptionWidth = metrics.iCaptionHeight = GetSystemMetrics(SM_CYCAPTION) - 1;
  metrics.iSmCaptionWidth = metrics.iSmCaptionHeight = GetSystemMetrics(SM_CYSMCAPTION) - 1;
  metrics.iMenuWidth = metrics.iMenuHeight = GetSystemMetrics(SM_CYMENU) - 1;
  metrics.lfCaptionFont = metrics.lfSmCaptionFont = metrics.lfMenuFont = ui_font(-12);
  metrics.lfStatusFont = metrics.lfMessageFont = ui_font(-12);
  metrics.iPaddedBorderWidth = 0;
}

}  // namespace

BOOL WINAPI SystemParametersInfoW(UINT action, UINT, LPVOID pvParam, UINT win_ini) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  desktop::Desktop& machine = self->desktop();
  switch (action) {
    case SPI_GETWORKAREA:
      if (pvParam == nullptr) break;
      *static_cast<RECT*>(pvParam) = machine.monitors().front().work;
      return TRUE;
    case SPI_SETWORKAREA:
      return set_work_area(machine, static_cast<const RECT*>(pvParam), win_ini);
    case SPI_GETNONCLIENTMETRICS: {
      auto* metrics = static_cast<NONCLIENTMETRICSW*>(pvParam);
      if (metrics == nullptr || metrics->cbSize != sizeof(NONCLIENTMETRICSW)) break;
      fill_non_client_metrics(*metrics);
      return TRUE;
    }
    default:
      break;
  }
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}
