// TrackMouseEvent: a window asks to be told when the cursor leaves it. The leave message is
// posted once, when the cursor is found over another window or another part of this one, and
// the tracking ends with it.
#include "platform/win/mouse_internal.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"

namespace {

constexpr DWORD kTrackedFlags = TME_LEAVE | TME_NONCLIENT;

bool over_tracked_part(const desktop::UnderCursor& under, HWND hwnd, DWORD flags) {
  if (under.hwnd != hwnd) return false;
  if (!under.hit) return true;  // its thread has not asked it yet
  return (*under.hit == HTCLIENT) != ((flags & TME_NONCLIENT) != 0);
}

void post_leave(desktop::Window& window, DWORD flags) {
  win_internal::post_from_input(window, (flags & TME_NONCLIENT) ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

}  // namespace

namespace win_internal {

void post_from_input(desktop::Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (window.thread == nullptr) return;
  desktop::Desktop& machine = window.thread->desktop();
  window.thread->queue.posted.push_back(MSG{window.handle, message, wParam, lParam,
                                            static_cast<DWORD>(machine.clock().now()), machine.cursor()});
  machine.scheduler().notify(*window.thread, desktop::kWakeOnPosted);
}

void note_cursor_over(desktop::Desktop& machine, HWND hwnd, std::optional<LRESULT> hit) {
  desktop::MouseState& mouse = machine.mouse();
  mouse.under_cursor = {hwnd, hit};
  desktop::MouseTracking& tracking = mouse.tracking;
  if (tracking.hwnd == nullptr) return;
  desktop::Window* tracked = machine.window(tracking.hwnd);
  if (tracked != nullptr && over_tracked_part(mouse.under_cursor, tracking.hwnd, tracking.flags)) return;
  if (tracked != nullptr) post_leave(*tracked, tracking.flags);
  tracking = {};
}

}  // namespace win_internal

BOOL WINAPI TrackMouseEvent(LPTRACKMOUSEEVENT track) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  if (track == nullptr || track->cbSize != sizeof(TRACKMOUSEEVENT)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  // Hover reports are not made by this desktop.
  if (track->dwFlags & ~(kTrackedFlags | TME_QUERY | TME_CANCEL)) {
    SetLastError(ERROR_INVALID_FLAGS);
    return FALSE;
  }
  desktop::MouseState& mouse = self->desktop().mouse();
  if (track->dwFlags & TME_QUERY) {
    track->dwFlags = mouse.tracking.flags;
    track->hwndTrack = mouse.tracking.hwnd;
    track->dwHoverTime = 0;
    return TRUE;
  }
  auto window = win_internal::live_window(track->hwndTrack);
  if (!window) return FALSE;
  const DWORD flags = track->dwFlags & kTrackedFlags;
  if (track->dwFlags & TME_CANCEL) {
    if (mouse.tracking.hwnd == track->hwndTrack && ((mouse.tracking.flags ^ flags) & TME_NONCLIENT) == 0)
      mouse.tracking = {};
    return TRUE;
  }
  if (!(flags & TME_LEAVE)) return TRUE;
  if (!over_tracked_part(mouse.under_cursor, track->hwndTrack, flags)) {
    // Asked while the cursor is elsewhere: the leave comes at once.
    if (mouse.tracking.hwnd == track->hwndTrack) mouse.tracking = {};
    post_leave(*window, flags);
    return TRUE;
  }
  mouse.tracking = {track->hwndTrack, flags};
  return TRUE;
}
