#include "src/scenario_invariants.h"

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "platform/desktop/desktop.h"
#include "platform/desktop/utf8.h"
#include "platform/win/win32.h"

namespace {

constexpr std::wstring_view ConsoleProgram = L"OrvennaConsole.exe";
constexpr std::wstring_view PlanetariumProgram = L"orvenna.exe";
constexpr std::wstring_view PlanetariumWindowClass = L"Qt5QWindowIcon";
constexpr std::wstring_view DialogClass = L"#32770";
constexpr std::wstring_view OverlayClass = L"STATIC";
constexpr std::wstring_view TooltipClass = L"tooltips_class32";
constexpr int AtmosphereButton = 1012;

struct TopWindow {
  HWND hwnd = nullptr;
  HWND owner = nullptr;
  std::wstring program;
  std::wstring class_name;
  RECT rect{};
  bool visible = false;
  bool enabled = false;

  bool of_console() const { return program == ConsoleProgram; }
  // Pictures, the emergency picture and the black backdrop: layered statics over Orvenna's view.
  bool overlay() const { return picture() && (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }
  // The overlays, and the splash the start-up centres on the desktop.
  bool picture() const {
    return std::equal(class_name.begin(), class_name.end(), OverlayClass.begin(), OverlayClass.end(),
                      [](wchar_t a, wchar_t b) { return std::towupper(a) == std::towupper(b); });
  }
  // The console's main window, which fills its monitor in the two-monitor layouts: the dialog of
  // the sky buttons.
  bool main_window() const {
    return of_console() && class_name == DialogClass && GetDlgItem(hwnd, AtmosphereButton) != nullptr;
  }
};

// The top-level windows, front to back.
std::vector<TopWindow> top_windows(const driver::DesktopUser& user) {
  std::vector<TopWindow> windows;
  for (HWND top = GetTopWindow(nullptr); top != nullptr; top = GetWindow(top, GW_HWNDNEXT)) {
    TopWindow window;
    window.hwnd = top;
    window.owner = GetWindow(top, GW_OWNER);
    window.program = user.program_of(top);
    wchar_t name[256] = {};
    GetClassNameW(top, name, 256);
    window.class_name = name;
    GetWindowRect(top, &window.rect);
    window.visible = IsWindowVisible(top) != FALSE;
    window.enabled = IsWindowEnabled(top) != FALSE;
    windows.push_back(window);
  }
  return windows;
}

const TopWindow* find(const std::vector<TopWindow>& windows, HWND hwnd) {
  auto at =
      std::find_if(windows.begin(), windows.end(), [hwnd](const TopWindow& w) { return w.hwnd == hwnd; });
  return at != windows.end() ? &*at : nullptr;
}

std::string named(const driver::DesktopUser& user, const TopWindow& window) {
  const std::wstring title = user.window_text(window.hwnd);
  return "\"" + desktop::to_utf8(title.empty() ? window.class_name : title) + "\"";
}

bool inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool overlapping(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A window the presenter must answer or use before the console goes on: enabled, owned by a
// console window that it disabled.
const TopWindow* modal_window(const std::vector<TopWindow>& windows) {
  for (const TopWindow& window : windows) {
    if (!window.of_console() || !window.visible || !window.enabled) continue;
    const TopWindow* owner = find(windows, window.owner);
    if (owner != nullptr && owner->of_console() && !owner->enabled) return &window;
  }
  return nullptr;
}

// The console in the middle of an action (a wait between the keys it presses in Orvenna) has not
// yet given the presenter back what it took.
bool console_between_actions(driver::DesktopUser& user, const TopWindow& dialog) {
  const desktop::Window* window = user.machine().window(dialog.hwnd);
  return window != nullptr && window->thread != nullptr && window->thread->waits_for_messages();
}

std::optional<std::string> keyboard_with_the_presenter(driver::DesktopUser& user) {
  const std::vector<TopWindow> windows = top_windows(user);
  const TopWindow* front = find(windows, GetForegroundWindow());
  if (front == nullptr || front->of_console()) return std::nullopt;
  const TopWindow* modal = modal_window(windows);
  if (modal == nullptr || !console_between_actions(user, *modal)) return std::nullopt;
  return desktop::to_utf8(front->program) + "'s " + named(user, *front) +
         " has the keyboard while the console's " + named(user, *modal) + " waits for the presenter";
}

// The console's monitor: where its main window stands, shown or still hidden at start-up.
HMONITOR console_monitor(const std::vector<TopWindow>& windows) {
  for (const TopWindow& window : windows)
    if (window.main_window()) return MonitorFromRect(&window.rect, MONITOR_DEFAULTTONEAREST);
  return nullptr;
}

// Orvenna's monitor: where its window stands; before Orvenna runs, the monitor the console leaves
// it. Nothing on one monitor.
HMONITOR planetarium_monitor(const std::vector<TopWindow>& windows, HMONITOR console) {
  for (const TopWindow& window : windows)
    if (window.visible && window.program == PlanetariumProgram && window.class_name == PlanetariumWindowClass)
      return MonitorFromRect(&window.rect, MONITOR_DEFAULTTONEAREST);
  std::vector<HMONITOR> monitors;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM found) {
        reinterpret_cast<std::vector<HMONITOR>*>(found)->push_back(monitor);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&monitors));
  for (HMONITOR monitor : monitors)
    if (console != nullptr && monitor != console) return monitor;
  return nullptr;
}

std::optional<std::string> on_the_consoles_monitor(driver::DesktopUser& user) {
  const std::vector<TopWindow> windows = top_windows(user);
  const HMONITOR console = console_monitor(windows);
  const HMONITOR planetarium = planetarium_monitor(windows, console);
  const bool apart = planetarium != nullptr && console != nullptr && planetarium != console;
  for (const TopWindow& window : windows) {
    if (!window.visible || !window.of_console() || window.class_name == TooltipClass) continue;
    const HMONITOR monitor = MonitorFromRect(&window.rect, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(monitor, &info);
    if (!inside(window.rect, info.rcMonitor)) return named(user, window) + " reaches past its monitor";
    if (window.class_name == DialogClass && !window.main_window() && !inside(window.rect, info.rcWork))
      return named(user, window) + " reaches past its monitor's work area";
    if (apart && monitor == planetarium && !window.picture())
      return named(user, window) + " stands on Orvenna's monitor";
  }
  return std::nullopt;
}

// The backdrop is all black; a picture is not, at least not at every one of these points.
bool all_black(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  HDC dc = GetDC(hwnd);
  bool black = true;
  for (int i = 1; i <= 3 && black; ++i)
    for (int j = 1; j <= 3 && black; ++j)
      black = (GetPixel(dc, client.right * i / 4, client.bottom * j / 4) & 0xFFFFFF) == 0;
  ReleaseDC(hwnd, dc);
  return black;
}

std::optional<std::string> backdrop_with_its_picture(driver::DesktopUser& user) {
  const std::vector<TopWindow> windows = top_windows(user);
  for (std::size_t i = 0; i < windows.size(); ++i) {
    const TopWindow& backdrop = windows[i];
    if (!backdrop.visible || !backdrop.of_console() || !backdrop.overlay() || !all_black(backdrop.hwnd))
      continue;
    const bool backs_a_picture =
        std::any_of(windows.begin(), windows.begin() + static_cast<std::ptrdiff_t>(i),
                    [&backdrop](const TopWindow& picture) {
                      return picture.visible && picture.of_console() && picture.overlay() &&
                             overlapping(picture.rect, backdrop.rect) && !all_black(picture.hwnd);
                    });
    if (!backs_a_picture) return std::string("the black backdrop stands over Orvenna's view with no picture");
  }
  return std::nullopt;
}

std::optional<std::string> nothing_left_behind(driver::DesktopUser& user) {
  for (const desktop::WindowTimer& timer : user.timers())
    if (timer.hwnd != nullptr && !IsWindow(timer.hwnd))
      return "timer " + std::to_string(timer.id) + " runs for a window that is gone";
  for (const TopWindow& window : top_windows(user))
    if (window.of_console() && !window.visible && window.class_name == DialogClass && window.owner != nullptr)
      return "the closed dialog " + named(user, window) + " is still there, hidden";
  return std::nullopt;
}

}  // namespace

void AddConsoleInvariants(driver::ScenarioRunner& runner) {
  runner.add_invariant("the keyboard stays with the console's dialog", keyboard_with_the_presenter);
  runner.add_invariant("the console's windows stand whole on the console's monitor", on_the_consoles_monitor);
  runner.add_invariant("no black backdrop without its picture", backdrop_with_its_picture);
  runner.add_invariant("nothing of a closed window is left", nothing_left_behind);
}
