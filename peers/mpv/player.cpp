#include "peers/mpv/player.h"

#include <algorithm>
#include <vector>

#include "platform/desktop/utf8.h"
#include "platform/win/win32.h"

namespace mpv {
namespace {

constexpr wchar_t kClassName[] = L"mpv";
constexpr UINT_PTR kFrameTimer = 1;

struct KeyBinding {
  const char* name;
  void (*act)(Player&);
};

// mpv's default bindings for the keys the console sends, and a few more.
const KeyBinding kBindings[] = {
    {"p", [](Player& player) { player.pause(); }},
    {"SPACE", [](Player& player) { player.pause(); }},
    {"m", [](Player& player) { player.mute(); }},
    {"9", [](Player& player) { player.change_volume(-2); }},
    {"0", [](Player& player) { player.change_volume(2); }},
    {"[", [](Player& player) { player.multiply_speed(1 / 1.1); }},
    {"]", [](Player& player) { player.multiply_speed(1.1); }},
    {"{", [](Player& player) { player.multiply_speed(0.5); }},
    {"}", [](Player& player) { player.multiply_speed(2.0); }},
    {"BS", [](Player& player) { player.normal_speed(); }},
    {"q", [](Player& player) { player.quit(); }},
    {"LEFT", [](Player& player) { player.seek(-5); }},
    {"RIGHT", [](Player& player) { player.seek(5); }},
    {"UP", [](Player& player) { player.seek(60); }},
    {"DOWN", [](Player& player) { player.seek(-60); }},
};

// Keys that type no character, by their virtual key.
struct NamedKey {
  WPARAM vk;
  const char* name;
};
constexpr NamedKey kNamedKeys[] = {
    {VK_BACK, "BS"}, {VK_LEFT, "LEFT"}, {VK_RIGHT, "RIGHT"}, {VK_UP, "UP"}, {VK_DOWN, "DOWN"},
};

struct MonitorList {
  std::vector<MONITORINFO> monitors;
};

BOOL CALLBACK add_monitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info)) reinterpret_cast<MonitorList*>(data)->monitors.push_back(info);
  return TRUE;
}

// The screen mpv was asked for, in EnumDisplayMonitors order; the primary when there is none.
RECT screen_of(const Options& options) {
  MonitorList list;
  EnumDisplayMonitors(nullptr, nullptr, add_monitor, reinterpret_cast<LPARAM>(&list));
  if (options.screen && *options.screen < static_cast<int>(list.monitors.size()))
    return list.monitors[static_cast<std::size_t>(*options.screen)].rcMonitor;
  for (const MONITORINFO& info : list.monitors)
    if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) return info.rcMonitor;
  return list.monitors.empty() ? RECT{0, 0, 1920, 1080} : list.monitors.front().rcMonitor;
}

std::wstring file_name_of(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

int Player::run(const std::wstring& command_line) {
  run_ = probe_->started(command_line);
  auto parsed = parse_command_line(command_line);
  if (const auto* problem = std::get_if<std::string>(&parsed)) return fail(kExitBadOption, *problem);
  const Options& options = std::get<Options>(parsed);
  if (std::string why = playback_.open(options.file); !why.empty())
    return fail(kExitBadFile, "Failed to open " + desktop::to_utf8(options.file) + ".");
  playback_.set_volume(options.volume);
  // The picture turns by whole quarter turns, the nearest to the angle asked for.
  constexpr int QuarterTurn = 90;
  const int turned = (options.rotation + QuarterTurn / 2) / QuarterTurn % 4 * QuarterTurn;
  playback_.set_orientation({turned, options.flip});
  log_.add("Playing: " + desktop::to_utf8(options.file));
  if (!create_window(options)) return fail(kExitBadFile, "cannot open a window");
  playback_.start();
  tick();
  MSG msg{};
  while (end_.empty() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (IsWindow(window_)) DestroyWindow(window_);
  log_.add("Exiting... (" + end_ + ")");
  publish();
  probe_->update(run_, [](MpvRun& run) { run.exit_code = kExitQuit; });
  return kExitQuit;
}

int Player::fail(int exit_code, const std::string& line) {
  log_.add(line);
  log_.add("Exiting... (Fatal error)");
  probe_->update(run_, [&](MpvRun& run) {
    run.log = log_.lines();
    run.end = "error";
    run.exit_code = exit_code;
  });
  return exit_code;
}

bool Player::create_window(const Options& options) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = window_procedure;
  window_class.lpszClassName = kClassName;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassExW(&window_class);
  const RECT screen = screen_of(options);
  RECT rect{};
  if (options.geometry) {
    rect = {screen.left + options.geometry->x, screen.top + options.geometry->y,
            screen.left + options.geometry->x + options.geometry->width,
            screen.top + options.geometry->y + options.geometry->height};
  } else {
    const int width = std::min<int>(playback_.video_width(), screen.right - screen.left);
    const int height = std::min<int>(playback_.video_height(), screen.bottom - screen.top);
    rect = {(screen.left + screen.right - width) / 2, (screen.top + screen.bottom - height) / 2, 0, 0};
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
  }
  // A file without video plays without a window on screen, as mpv does by default: its timers
  // live on a message-only window.
  if (!playback_.has_video()) {
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, this);
    return window_ != nullptr;
  }
  const DWORD style = options.border ? WS_OVERLAPPEDWINDOW : WS_POPUP;
  const DWORD ex_style = options.on_top ? WS_EX_TOPMOST : 0;
  if (options.border) AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  const std::wstring title = L"mpv - " + file_name_of(options.file);
  window_ = CreateWindowExW(ex_style, kClassName, title.c_str(), style, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, nullptr, this);
  if (window_ == nullptr) return false;
  ShowWindow(window_, SW_SHOWNORMAL);
  // Black at once: a new window's first paint takes long enough to make the first frame late.
  UpdateWindow(window_);
  SetForegroundWindow(window_);
  probe_->update(run_, [&](MpvRun& run) {
    run.window = window_;
    run.title = title;
    run.topmost = options.on_top;
  });
  return true;
}

LRESULT CALLBACK Player::window_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* player = reinterpret_cast<Player*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (player == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return player->handle(hwnd, message, wParam, lParam);
}

LRESULT Player::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kFrameTimer) tick();
      return 0;
    case WM_KEYDOWN:
      for (const NamedKey& named : kNamedKeys)
        if (named.vk == wParam) key(named.name);
      return 0;
    case WM_CHAR:
      if (wParam == L' ')
        key("SPACE");
      else if (wParam > L' ' && wParam < 0x7F)
        key(std::string(1, static_cast<char>(wParam)));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint();
      return 0;
    case WM_CLOSE:
      if (end_.empty()) end_ = "close";
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd, kFrameTimer);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void Player::tick() {
  RECT client{};
  GetClientRect(window_, &client);
  const media::TickResult result = playback_.tick(client.right, client.bottom);
  if (result.repaint && window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
  if (result.ended) {
    end_ = "end of file";
    PostQuitMessage(0);
  } else if (result.next_ms) {
    SetTimer(window_, kFrameTimer, *result.next_ms, nullptr);
  }
  publish();
}

void Player::key(const std::string& name) {
  probe_->update(run_, [&](MpvRun& run) { run.keys.push_back({GetTickCount(), name}); });
  for (const KeyBinding& binding : kBindings)
    if (name == binding.name) binding.act(*this);
  if (!end_.empty()) return;
  // Whatever changed shows at once: a paused player waits for no timer, a running one goes on.
  if (playback_.paused())
    KillTimer(window_, kFrameTimer);
  else
    SetTimer(window_, kFrameTimer, 0, nullptr);
  publish();
}

void Player::quit() {
  end_ = "quit";
  PostQuitMessage(0);
}

void Player::paint() {
  PAINTSTRUCT paint{};
  HDC hdc = BeginPaint(window_, &paint);
  RECT client{};
  GetClientRect(window_, &client);
  if (!playback_.picture().draw(hdc))
    FillRect(hdc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EndPaint(window_, &paint);
}

void Player::publish() {
  RECT rect{};
  const bool on_screen = IsWindow(window_) && playback_.has_video();
  if (on_screen) GetWindowRect(window_, &rect);
  probe_->update(run_, [&](MpvRun& run) {
    if (on_screen) run.rect = rect;
    run.paused = playback_.paused();
    run.position = playback_.position();
    run.duration = playback_.duration();
    run.speed = playback_.speed();
    run.volume = playback_.volume();
    run.muted = playback_.muted();
    run.frames_shown = playback_.frames_shown();
    run.last_centre = playback_.picture().centre_colour();
    run.log = log_.lines();
    run.end = end_;
  });
}

}  // namespace mpv
