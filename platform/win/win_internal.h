// What the Win32 layer's own files share: the calling thread, window procedure calls,
// cross-thread sends, and the clean-up the desktop asks for when a thread ends.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/desktop/desktop.h"
#include "platform/win/win_types.h"

namespace win_internal {

// The calling desktop thread; null (with ERROR_INVALID_THREAD_ID set) outside every desktop.
desktop::DesktopThread* caller();

// The live window of a handle, or null with ERROR_INVALID_WINDOW_HANDLE set.
std::shared_ptr<desktop::Window> live_window(HWND hwnd);

LRESULT call_window_proc(desktop::Window& window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs work on the thread that owns the window and waits for it, as Windows does for calls
// such as SetWindowPos on another thread's window. False when that thread is gone.
bool run_on_owner_thread(desktop::Window& window, const std::function<LRESULT()>& work, LRESULT* result);

// Waits as WaitForMultipleObjects does, for objects already looked up.
DWORD wait_for_objects(desktop::DesktopThread& self,
                       const std::vector<std::shared_ptr<desktop::KernelObject>>& objects, bool all,
                       DWORD milliseconds);
// The thread looks for messages and finds none: its process has become idle for input.
void note_input_idle(desktop::DesktopThread& self);

void handle_sent_messages(desktop::DesktopThread& thread);
void abandon_sent_messages(desktop::DesktopThread& thread);
void destroy_thread_windows(desktop::DesktopThread& thread);
void forget_window_messages(desktop::Window& window);

// Puts a window into its parent's z-order after insert_after (HWND_TOP, HWND_BOTTOM,
// HWND_TOPMOST, HWND_NOTOPMOST or a sibling), keeping topmost windows and owned windows above.
void place_in_z_order(desktop::Window& window, HWND insert_after, bool move_owned);
void unlink_from_parent(desktop::Window& window);
void notify_parents(const desktop::Window& window, UINT event);

void invalidate_client(desktop::Window& window, bool erase);
bool is_visible_on_screen(const desktop::Window& window);
RECT screen_rect_of(const desktop::Window& window);
POINT client_origin_on_screen(const desktop::Window& window);

// The client area that DefWindowProcW gives a window of these styles and this rectangle.
RECT default_client_rect(DWORD style, DWORD ex_style, const RECT& window_rect);
UINT frame_width(DWORD style, DWORD ex_style);

}  // namespace win_internal
