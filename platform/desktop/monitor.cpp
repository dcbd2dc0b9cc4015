#include "platform/desktop/monitor.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace desktop {

std::vector<Monitor> monitors_from(const std::vector<MonitorConfig>& configs) {
  std::vector<Monitor> monitors;
  for (const MonitorConfig& config : configs) {
    Monitor monitor;
    monitor.rect = config.rect;
    monitor.work = config.rect;
    monitor.dpi_x = config.dpi_x;
    monitor.dpi_y = config.dpi_y;
    monitor.refresh_hz = config.refresh_hz;
    monitor.device = L"\\\\.\\DISPLAY" + std::to_wstring(monitors.size() + 1);
    monitors.push_back(monitor);
  }
  return monitors;
}

int monitor_overlapping(const std::vector<Monitor>& monitors, const RECT& rect) {
  int best = -1;
  std::int64_t best_area = 0;
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    const RECT& m = monitors[i].rect;
    std::int64_t width = std::min(m.right, rect.right) - std::max(m.left, rect.left);
    std::int64_t height = std::min(m.bottom, rect.bottom) - std::max(m.top, rect.top);
    if (width <= 0 || height <= 0 || width * height <= best_area) continue;
    best_area = width * height;
    best = static_cast<int>(i);
  }
  return best;
}

int monitor_nearest(const std::vector<Monitor>& monitors, POINT point) {
  int best = 0;
  std::int64_t best_distance = std::numeric_limits<std::int64_t>::max();
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    const RECT& m = monitors[i].rect;
    std::int64_t dx = point.x < m.left ? m.left - point.x : point.x >= m.right ? point.x - m.right + 1 : 0;
    std::int64_t dy = point.y < m.top ? m.top - point.y : point.y >= m.bottom ? point.y - m.bottom + 1 : 0;
    std::int64_t distance = dx * dx + dy * dy;
    if (distance < best_distance) {
      best_distance = distance;
      best = static_cast<int>(i);
    }
  }
  return best;
}

RECT virtual_screen(const std::vector<Monitor>& monitors) {
  RECT all = monitors.front().rect;
  for (const Monitor& monitor : monitors) {
    all.left = std::min(all.left, monitor.rect.left);
    all.top = std::min(all.top, monitor.rect.top);
    all.right = std::max(all.right, monitor.rect.right);
    all.bottom = std::max(all.bottom, monitor.rect.bottom);
  }
  return all;
}

}  // namespace desktop
