#include "peers/orvenna/program.h"

#include "peers/orvenna/sky_date.h"
#include "peers/orvenna/sky_painter.h"
#include "platform/win/win32.h"

namespace orvenna {

namespace {

constexpr const wchar_t* kMainClass = L"Qt5QWindowIcon";
constexpr const wchar_t* kRenderClass = L"Qt5QWindowOwnDCIcon";
constexpr DWORD kWindowedStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr RECT kStartRect{96, 64, 96 + 1024, 64 + 720};
constexpr UINT kClockPeriodMs = 1000;

std::wstring user_folder() {
  wchar_t appdata[MAX_PATH]{};
  GetEnvironmentVariableW(L"APPDATA", appdata, MAX_PATH);
  return std::wstring(appdata) + L"\\Orvenna";
}

bool register_class(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = procedure;
  window_class.lpszClassName = name;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  return RegisterClassExW(&window_class) != 0;
}

MessageOrigin origin_of_queued() {
  INPUT_MESSAGE_SOURCE source{};
  if (!GetCurrentInputMessageSource(&source) || source.deviceType == IMDT_UNAVAILABLE)
    return MessageOrigin::posted;
  return source.originId == IMO_INJECTED ? MessageOrigin::injected : MessageOrigin::device;
}

// The program's own drawing and clocks, not what others told it.
bool is_own_message(UINT message) {
  return message == WM_PAINT || message == WM_TIMER || message == WM_ERASEBKGND || message == WM_NCPAINT;
}

}  // namespace

Program::Program(ProgramSettings settings, std::shared_ptr<ProgramProbe> probe)
    : settings_(std::move(settings)),
      probe_(std::move(probe)),
      user_folder_(user_folder()),
      engine_(sky_, user_folder_) {}

int Program::run() {
  if (!settings_.keyboard_layout.empty())
    LoadKeyboardLayoutW(settings_.keyboard_layout.c_str(), KLF_ACTIVATE);
  prepare_sky();
  if (!create_windows()) {
    probe_->note({}, "cannot create the windows");
    return 1;
  }
  probe_->program_started({main_, render_});
  engine_.set_yield_listener([this] { state_changed(); });
  SetTimer(view_, kClockTimer, kClockPeriodMs, nullptr);
  state_changed();
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    dispatching_ = msg;
    dispatching_origin_ = origin_of_queued();
    DispatchMessageW(&msg);
    dispatching_.reset();
  }
  engine_.stop();
  engine_.join();
  state_changed();
  if (IsWindow(main_)) DestroyWindow(main_);
  return static_cast<int>(msg.wParam);
}

bool Program::create_windows() {
  if (!register_class(kMainClass, window_procedure) || !register_class(kRenderClass, window_procedure))
    return false;
  const std::wstring title = L"Orvenna " + settings_.version;
  main_ = CreateWindowExW(0, kMainClass, title.c_str(), kWindowedStyle, kStartRect.left, kStartRect.top,
                          kStartRect.right - kStartRect.left, kStartRect.bottom - kStartRect.top, nullptr,
                          nullptr, nullptr, this);
  if (main_ == nullptr) return false;
  if (settings_.render_child) {
    RECT client{};
    GetClientRect(main_, &client);
    render_ = CreateWindowExW(0, kRenderClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                              client.right, client.bottom, main_, nullptr, nullptr, this);
    if (render_ == nullptr) return false;
  }
  view_ = render_ != nullptr ? render_ : main_;
  // The view's first WM_SIZE came before the program knew which window it is.
  RECT view_client{};
  GetClientRect(view_, &view_client);
  sky_.viewport_width = view_client.right;
  sky_.viewport_height = view_client.bottom;
  ShowWindow(main_, SW_SHOW);
  SetFocus(view_);
  return true;
}

LRESULT CALLBACK Program::window_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* program = reinterpret_cast<Program*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (program == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return program->handle(hwnd, message, wParam, lParam);
}

LRESULT Program::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const MessageOrigin origin = record(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      key_down(static_cast<BYTE>(wParam), origin);
      return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      key_up(static_cast<BYTE>(wParam));
      return 0;
    case WM_RBUTTONUP:
      // A right click in the view drops the selection.
      sky_.select("");
      state_changed();
      return 0;
    case WM_SETFOCUS:
      if (hwnd == main_ && render_ != nullptr) SetFocus(render_);
      return 0;
    case WM_SIZE:
      if (hwnd == main_ && render_ != nullptr)
        MoveWindow(render_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      if (hwnd == view_) {
        sky_.viewport_width = LOWORD(lParam);
        sky_.viewport_height = HIWORD(lParam);
        InvalidateRect(view_, nullptr, FALSE);
      }
      return 0;
    case WM_ERASEBKGND:
      return hwnd == view_ ? 1 : DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_PAINT:
      paint(hwnd);
      return 0;
    case WM_TIMER:
      on_timer(wParam);
      return 0;
    case WM_DESTROY:
      if (hwnd == main_) PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

MessageOrigin Program::record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageOrigin origin = MessageOrigin::sent;
  if (dispatching_ && !InSendMessage() && dispatching_->hwnd == hwnd && dispatching_->message == message &&
      dispatching_->wParam == wParam && dispatching_->lParam == lParam) {
    origin = dispatching_origin_;
    dispatching_.reset();
  }
  if (!is_own_message(message)) probe_->record_message({hwnd, message, wParam, lParam, origin});
  return origin;
}

void Program::on_timer(UINT_PTR id) {
  switch (id) {
    case kMotionTimer:
      move_held_keys();
      break;
    case kSlowReadTimer:
      KillTimer(view_, kSlowReadTimer);
      run_script(pending_script_);
      break;
    case kCrashTimer:
      KillTimer(view_, kCrashTimer);
      if (engine_.running()) {
        probe_->note(engine_.runs().back().name, "crashed in the middle of the script");
        ExitProcess(kCrashExitCode);
      }
      break;
    case kClockTimer: {
      // The clock on the screen and the probe move with the simulated time, at its rate.
      sky_.advance(GetTickCount());
      if (format_date(sky_.utc_seconds()) != shown_clock_) state_changed();
      break;
    }
    default:
      break;
  }
}

void Program::state_changed() {
  probe_->publish(sky_, engine_.log(), full_screen_);
  if (view_ != nullptr) InvalidateRect(view_, nullptr, FALSE);
}

void Program::paint(HWND hwnd) {
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(hwnd, &ps);
  if (hwnd == view_) {
    sky_.advance(GetTickCount());
    RECT client{};
    GetClientRect(hwnd, &client);
    paint_sky(dc, client, sky_, {settings_open_});
    shown_clock_ = format_date(sky_.utc_seconds());
  }
  EndPaint(hwnd, &ps);
}

}  // namespace orvenna
