#include "src/media/players/mpv_arguments.h"

#include "platform/win/win32.h"
#include "src/controls/monitors.h"
#include "src/util/format_text.h"

namespace {

constexpr wchar_t PlainWindow[] = L" --ontop --no-border --no-osc --no-osd-bar --osd-level=0 ";
constexpr wchar_t Flip[] = L" --vf=flip ";
constexpr wchar_t VolumeAndRotation[] = L" --volume=%d --video-rotate=%d ";
constexpr wchar_t ScreenGeometry[] = L" --screen=%d --geometry=%dx%d+%d+%d ";
constexpr wchar_t Geometry[] = L" --geometry=%dx%d+%d+%d ";
constexpr wchar_t QuotedFile[] = L" \"%s\" ";

int WidthOf(const RECT& rect) {
  return rect.right - rect.left;
}

int HeightOf(const RECT& rect) {
  return rect.bottom - rect.top;
}

std::wstring GeometryOf(const MpvVideo& video, const MpvScreen& screen) {
  const RECT& view = screen.view;
  if (!video.fullScreen)
    return FormatText(Geometry, video.width, video.height, video.x + view.left, video.y + view.top);
  // On the dome the view fills a monitor of its own, which need not be the second one.
  if (screen.twoMonitorLayout)
    return FormatText(ScreenGeometry, screen.monitorIndex, WidthOf(view), HeightOf(view),
                      view.left - screen.monitor.left, view.top - screen.monitor.top);
  return FormatText(Geometry, WidthOf(view), HeightOf(view), view.left, view.top);
}

}  // namespace

std::wstring BuildMpvArguments(const MpvVideo& video, const MpvScreen& screen) {
  std::wstring arguments = PlainWindow;
  if (video.flip) arguments += Flip;
  arguments += FormatText(VolumeAndRotation, video.volume, video.rotation);
  arguments += GeometryOf(video, screen);
  arguments += FormatText(QuotedFile, video.fileName.c_str());
  return arguments;
}

MpvScreen MpvScreenOf(HWND view, bool twoMonitorLayout) {
  MpvScreen screen;
  screen.twoMonitorLayout = twoMonitorLayout;
  ::GetWindowRect(view, &screen.view);
  const HMONITOR holder = ::MonitorFromWindow(view, MONITOR_DEFAULTTONEAREST);
  const CMonitors monitors;
  for (int i = 0; i < monitors.GetCount(); ++i) {
    if (monitors.GetMonitor(i)->GetHandle() != holder) continue;
    screen.monitorIndex = i;
    monitors.GetMonitor(i)->GetMonitorRect(&screen.monitor);
  }
  return screen;
}
