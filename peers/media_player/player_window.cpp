// The control's window inside its host: the timer that paces the media, the frames drawn
// fitted with black bars, and the end of playing when the window goes.
#include <algorithm>

#include "peers/media_player/media_player_control.h"
#include "platform/win/win32.h"

namespace media_player {
namespace {

constexpr UINT_PTR kTickTimer = 1;

MediaPlayerControl* control_of(HWND hwnd) {
  return reinterpret_cast<MediaPlayerControl*>(GetWindowLongPtrW(hwnd, 0));
}

}  // namespace

HRESULT STDMETHODCALLTYPE MediaPlayerControl::CreateControlWindow(HWND parent, const RECT& rect, DWORD style,
                                                                  UINT id, HWND* window) {
  if (window == nullptr) return E_POINTER;
  *window = nullptr;
  if (window_ != nullptr) return E_UNEXPECTED;
  WNDCLASSEXW player_class{};
  if (!GetClassInfoExW(nullptr, kPlayerWindowClass, &player_class)) {
    player_class.cbSize = sizeof(player_class);
    player_class.lpfnWndProc = window_procedure;
    player_class.cbWndExtra = sizeof(MediaPlayerControl*);
    player_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    player_class.lpszClassName = kPlayerWindowClass;
    if (RegisterClassExW(&player_class) == 0) return HRESULT_FROM_WIN32(GetLastError());
  }
  if (!draws_picture()) style &= ~WS_VISIBLE;
  HWND created = CreateWindowExW(0, kPlayerWindowClass, nullptr, style | WS_CHILD | WS_CLIPSIBLINGS,
                                 rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, this);
  if (created == nullptr) return HRESULT_FROM_WIN32(GetLastError());
  *window = created;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::DestroyControlWindow() {
  if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
  return S_OK;
}

LRESULT CALLBACK MediaPlayerControl::window_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* control =
        static_cast<MediaPlayerControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(control));
    control->window_ = hwnd;
  }
  MediaPlayerControl* control = control_of(hwnd);
  if (control == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, 0, 0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return control->handle(hwnd, message, wParam, lParam);
}

LRESULT MediaPlayerControl::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      report();
      return 0;
    case WM_TIMER:
      if (wParam == kTickTimer) tick();
      return 0;
    case WM_SIZE:
      refit();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint();
      return 0;
    // Without its window the control cannot play: the media closes with its sound stream.
    case WM_DESTROY:
      close_media();
      window_ = nullptr;
      report();
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

bool MediaPlayerControl::draws_picture() const {
  return ui_mode_ != L"invisible";
}

SIZE MediaPlayerControl::picture_size() const {
  RECT client{};
  if (window_ != nullptr && draws_picture()) GetClientRect(window_, &client);
  return {client.right, client.bottom};
}

void MediaPlayerControl::schedule(DWORD ms) {
  if (window_ != nullptr) SetTimer(window_, kTickTimer, ms, nullptr);
}

void MediaPlayerControl::unschedule() {
  if (window_ != nullptr) KillTimer(window_, kTickTimer);
}

void MediaPlayerControl::tick() {
  if (state_ != PlayState::Playing || !playback_) {
    unschedule();
    return;
  }
  if (rate_ < 0) {
    step_back();
    return;
  }
  const SIZE size = picture_size();
  const int before = playback_->frames_shown();
  const media::TickResult result = playback_->tick(size.cx, size.cy);
  show(result, before);
  if (result.ended)
    end_media();
  else if (result.next_ms)
    schedule(*result.next_ms);
  report();
}

// One step of fast reverse, showing the key frame at or before the time it went back to, which
// costs one frame's decoding whatever the media's key frame interval; at the start of the media
// it plays on from there.
void MediaPlayerControl::step_back() {
  const double target = playback_->position() + kFastReverseRate * (kReverseStepMs / 1000.0);
  const SIZE size = picture_size();
  const int before = playback_->frames_shown();
  if (target <= 0) {
    playback_->go_to(0);
    set_rate(1);
    playback_->set_paused(false);
    schedule(0);
  } else {
    playback_->go_to(target);
    show(playback_->present_key_frame(size.cx, size.cy), before);
    schedule(kReverseStepMs);
  }
  report();
}

void MediaPlayerControl::show(const media::TickResult& result, int frames_before) {
  if (!result.repaint || !draws_picture()) return;
  frames_shown_ += playback_->frames_shown() - frames_before;
  last_centre_ = playback_->picture().centre_colour();
  InvalidateRect(window_, nullptr, FALSE);
}

// Black, with no frame: before the first frame, when stopped, at the end.
void MediaPlayerControl::blank() {
  if (window_ == nullptr) return;
  if (playback_) {
    const SIZE size = picture_size();
    playback_->picture().clear(size.cx, size.cy);
  }
  InvalidateRect(window_, nullptr, FALSE);
}

// A new size: a paused picture is drawn again at it, a playing one at its next frame.
void MediaPlayerControl::refit() {
  if (!playback_ || state_ != PlayState::Paused) return;
  const SIZE size = picture_size();
  const int before = playback_->frames_shown();
  playback_->go_to(playback_->position());
  show(playback_->present(size.cx, size.cy), before);
}

void MediaPlayerControl::paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window_, &paint);
  RECT client{};
  GetClientRect(window_, &client);
  media::FramePainter* picture = playback_ ? &playback_->picture() : nullptr;
  const bool fits =
      picture != nullptr && picture->width() == client.right && picture->height() == client.bottom;
  // The picture is drawn within the client area, which clips it.
  if (!fits) FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (picture != nullptr) picture->draw(dc);
  EndPaint(window_, &paint);
}

}  // namespace media_player
