#include "tests/platform/controls/controls_fixture.h"

#include "platform/desktop/mouse_input.h"

ControlsTest::ControlsTest(desktop::DesktopConfig config) : DesktopTest(std::move(config)) {
  watcher() = nullptr;
  MessageLog::register_class(L"Host");
  host = create_logged_window(L"Host", L"host", WS_POPUP | WS_VISIBLE, nullptr, 0, {100, 100, 700, 500});
  SetForegroundWindow(host);
  pump();
}

HWND ControlsTest::make(const wchar_t* class_name, const wchar_t* text, DWORD style, RECT rect, int id,
                        DWORD ex_style) {
  HWND made = create_logged_window(class_name, text, WS_CHILD | WS_VISIBLE | style, host, id, rect, ex_style);
  pump();
  return made;
}

std::function<void(const MSG&)>& ControlsTest::watcher() {
  static std::function<void(const MSG&)> watching;
  return watching;
}

void ControlsTest::pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (watcher()) watcher()(msg);
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void ControlsTest::wait(DWORD ms) {
  const UINT_PTR end = SetTimer(nullptr, 0, ms, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0)) {
    if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == end) break;
    if (watcher()) watcher()(msg);
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  KillTimer(nullptr, end);
  pump();
}

void ControlsTest::move(HWND hwnd, POINT client) {
  ClientToScreen(hwnd, &client);
  desktop::MouseEvent event;
  event.move_to = client;
  desktop::inject_mouse(machine, event);
  pump();
}

void ControlsTest::press() {
  desktop::MouseEvent event;
  event.buttons = MOUSEEVENTF_LEFTDOWN;
  desktop::inject_mouse(machine, event);
  pump();
}

void ControlsTest::release() {
  desktop::MouseEvent event;
  event.buttons = MOUSEEVENTF_LEFTUP;
  desktop::inject_mouse(machine, event);
  pump();
}

void ControlsTest::click(HWND hwnd, POINT client) {
  move(hwnd, client);
  press();
  release();
}

void ControlsTest::click_centre(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  click(hwnd, {client.right / 2, client.bottom / 2});
}

namespace {

void send_key(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof(INPUT));
}

}  // namespace

void ControlsTest::key(WORD vk) {
  send_key(vk, false);
  send_key(vk, true);
  pump();
}

void ControlsTest::type(const std::wstring& text) {
  for (wchar_t character : text) {
    const SHORT scan = VkKeyScanW(character);
    const bool shift = (scan & 0x100) != 0;
    if (shift) send_key(VK_SHIFT, false);
    key(static_cast<WORD>(scan & 0xFF));
    if (shift) send_key(VK_SHIFT, true);
    pump();
  }
}

std::vector<WORD> ControlsTest::notifications(HWND control) const {
  std::vector<WORD> codes;
  for (const LoggedMessage& entry : MessageLog::entries())
    if (entry.hwnd == host && entry.message == WM_COMMAND && reinterpret_cast<HWND>(entry.lParam) == control)
      codes.push_back(HIWORD(entry.wParam));
  return codes;
}

std::vector<LoggedMessage> ControlsTest::host_messages(UINT message) const {
  std::vector<LoggedMessage> found;
  for (const LoggedMessage& entry : MessageLog::entries())
    if (entry.hwnd == host && entry.message == message) found.push_back(entry);
  return found;
}

std::wstring ControlsTest::window_text(HWND hwnd) {
  wchar_t buffer[256]{};
  GetWindowTextW(hwnd, buffer, 256);
  return buffer;
}

COLORREF ControlsTest::pixel(HWND hwnd, int x, int y) {
  UpdateWindow(hwnd);
  HDC dc = GetDC(hwnd);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return colour;
}

std::vector<COLORREF> ControlsTest::pixels(HWND hwnd) {
  UpdateWindow(hwnd);
  RECT client{};
  GetClientRect(hwnd, &client);
  HDC dc = GetDC(hwnd);
  std::vector<COLORREF> seen;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x)
      seen.push_back(GetPixel(dc, x, y));
  ReleaseDC(hwnd, dc);
  return seen;
}

HBITMAP ControlsTest::solid_bitmap(int width, int height, COLORREF colour) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  RECT all{0, 0, width, height};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  SelectObject(dc, previous);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

void ControlsTest::own_items(OwnerDrawing& log, UINT item_height) {
  MessageLog::handler() = [&log, item_height](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_MEASUREITEM) {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      log.measured.push_back(measure->itemID);
      measure->itemHeight = item_height;
    } else if (message == WM_DRAWITEM) {
      log.drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    } else {
      return false;
    }
    result = TRUE;
    return true;
  };
}
