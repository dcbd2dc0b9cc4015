#include "tests/peers/media_player/player_host_fixture.h"

#include "platform/com/atl_host_api.h"
#include "platform/com/com_api.h"
#include "platform/com/ole_auto_api.h"
#include "platform/win/win32.h"

namespace {

constexpr const wchar_t* kFrameClass = L"PlayerHostFrame";
constexpr UINT kRunJob = WM_APP + 1;

LRESULT CALLBACK frame_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kRunJob:
      (*reinterpret_cast<const std::function<void()>*>(lParam))();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(hwnd, &paint);
      HBRUSH brush = CreateSolidBrush(kFrameColour);
      RECT client{};
      GetClientRect(hwnd, &client);
      FillRect(dc, &client, brush);
      DeleteObject(brush);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

template <typename Interface>
void release(Interface*& held) {
  if (held != nullptr) held->Release();
  held = nullptr;
}

}  // namespace

PlayerHostTest::PlayerHostTest() {
  media_player::install_media_player();
}

void PlayerHostTest::TearDown() {
  if (hosted.frame != nullptr && IsWindow(hosted.frame))
    on_host([this] { return DestroyWindow(hosted.frame) ? S_OK : E_FAIL; });
  MediaTest::TearDown();
}

const PlayerHostTest::Host& PlayerHostTest::open_host(RECT rect, HWND parent) {
  desktop::DesktopThread& thread = start_program(L"host.exe", [this, rect, parent] {
    CoInitialize(nullptr);
    AtlAxWinInit();
    WNDCLASSEXW frame_class{};
    frame_class.cbSize = sizeof(frame_class);
    frame_class.lpfnWndProc = frame_procedure;
    frame_class.lpszClassName = kFrameClass;
    RegisterClassExW(&frame_class);
    hosted.frame = CreateWindowExW(0, kFrameClass, L"Host", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                   nullptr, nullptr, nullptr);
    hosted.host = CreateWindowExW(0, kAxHostWindowClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                  parent != nullptr ? parent : hosted.frame, nullptr, nullptr, nullptr);
    hosted.created = AtlAxCreateControl(kMediaPlayerClassIdText, hosted.host, nullptr, nullptr);
    IUnknown* control = nullptr;
    if (SUCCEEDED(hosted.created) && SUCCEEDED(AtlAxGetControl(hosted.host, &control))) {
      void* player = nullptr;
      control->QueryInterface(IID_IWMPPlayer, &player);
      control->Release();
      hosted.player = static_cast<IWMPPlayer*>(player);
      if (hosted.player != nullptr) {
        hosted.player->get_controls(&hosted.controls);
        hosted.player->get_settings(&hosted.settings);
      }
    }
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    release(hosted.settings);
    release(hosted.controls);
    release(hosted.player);
    CoUninitialize();
    return DWORD{0};
  });
  hosted.thread = thread.thread_id();
  machine.run_until_idle();
  return hosted;
}

HRESULT PlayerHostTest::on_host(const std::function<HRESULT()>& work) {
  HRESULT result = E_FAIL;
  const std::function<void()> job = [&] { result = work(); };
  SendMessageW(hosted.frame, kRunJob, 0, reinterpret_cast<LPARAM>(&job));
  machine.run_until_idle();
  return result;
}

HRESULT PlayerHostTest::set_url(const std::wstring& url) {
  return on_host([&] {
    BSTR text = SysAllocString(url.c_str());
    const HRESULT result = hosted.player->put_URL(text);
    SysFreeString(text);
    return result;
  });
}

HRESULT PlayerHostTest::set_ui_mode(const std::wstring& mode) {
  return on_host([&] {
    BSTR text = SysAllocString(mode.c_str());
    const HRESULT result = hosted.player->put_uiMode(text);
    SysFreeString(text);
    return result;
  });
}

bool PlayerHostTest::is_available(const std::wstring& name) {
  VARIANT_BOOL available = VARIANT_FALSE;
  on_host([&] {
    BSTR text = SysAllocString(name.c_str());
    const HRESULT result = hosted.controls->get_isAvailable(text, &available);
    SysFreeString(text);
    return result;
  });
  return available != VARIANT_FALSE;
}

COLORREF PlayerHostTest::at(POINT point) const {
  ClientToScreen(hosted.host, &point);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

int PlayerHostTest::frame_at(POINT point) const {
  return media::frame_index_of(at(point)).value_or(-1);
}

media_player::PlayerView PlayerHostTest::view() const {
  const auto controls = probe->controls();
  return controls.empty() ? media_player::PlayerView{} : controls.back();
}

int PlayerHostTest::control_timers() {
  desktop::DesktopThread* thread = machine.find_thread(hosted.thread);
  if (thread == nullptr) return 0;
  const HWND window = view().window;
  int count = 0;
  for (const desktop::WindowTimer& timer : thread->queue.timers)
    count += timer.hwnd != nullptr && (timer.hwnd == window || GetParent(timer.hwnd) == hosted.host);
  return count;
}

double PlayerHostTest::level() {
  const audio::StreamRecord* stream = machine.audio().last_stream_of(L"host.exe");
  return stream ? machine.audio().level_of(*stream).rms : -1;
}

bool PlayerHostTest::stream_open() {
  const audio::StreamRecord* stream = machine.audio().last_stream_of(L"host.exe");
  return stream != nullptr && stream->open;
}
