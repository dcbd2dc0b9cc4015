// What the Win32 layer's own files share: the calling thread, window procedure calls,
// cross-thread sends, and the clean-up the desktop asks for when a thread ends.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/desktop.h"
#include "platform/win/win_types.h"

namespace win_internal {

// The calling desktop thread; null (with ERROR_INVALID_THREAD_ID set) outside every desktop.
desktop::DesktopThread* caller();

// The calling thread's registry, or null outside every desktop. Registry calls report errors
// by their result, so this leaves GetLastError alone.
desktop::RegistryHive* registry();

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
void place_in_z_order(desktop::Window& window, HWND insert_after);
void unlink_from_parent(desktop::Window& window);
void notify_parents(const desktop::Window& window, UINT event);

// A window that shows needs its children drawn again too, after its own erase.
void invalidate_client(desktop::Window& window, bool erase, bool with_children = false);
// RedrawWindow's work on an area in the window's client coordinates.
void redraw(desktop::Window& window, const desktop::RectList& area, UINT flags);
bool needs_paint(const desktop::Window& window);
// The window has a non-client area: a border, a caption or an edge.
bool has_frame(const desktop::Window& window);
// Asks for WM_NCPAINT before the window's next paint.
void invalidate_frame(desktop::Window& window);
// DefWindowProcW's WM_NCPAINT: the border, caption and client edge of a top-level window.
void paint_default_frame(HWND hwnd, const desktop::Window& window, bool active);
bool is_visible_on_screen(const desktop::Window& window);
RECT screen_rect_of(const desktop::Window& window);
POINT client_origin_on_screen(const desktop::Window& window);

// Copies text into a caller's buffer of capacity characters, cut to fit with its terminator,
// as the Get...TextW calls do; returns the characters copied.
int copy_truncated(const std::wstring& text, wchar_t* buffer, std::size_t capacity);

// The client area that DefWindowProcW gives a window of these styles and this rectangle.
RECT default_client_rect(DWORD style, DWORD ex_style, const RECT& window_rect);
UINT frame_width(DWORD style, DWORD ex_style);

// Focus and activation. Each runs on the thread that owns the window it names.
desktop::InputContext& input_context(desktop::DesktopThread& thread);
// Activates a top-level window of the calling thread's context; force takes the foreground
// whatever program holds it, as SetForegroundWindow does.
void activate(desktop::DesktopThread& self, HWND hwnd, WORD how, bool raise, bool force);
HWND set_focus(desktop::DesktopThread& self, HWND hwnd);
// Takes the focus away from whatever window of the context has it, with WM_KILLFOCUS.
void drop_focus(desktop::InputContext& context);
// Brings a window of another program to the foreground: the program in front deactivates and
// the window's own thread activates it when it next looks at its queue.
void move_foreground(desktop::Desktop& machine, HWND root);
void activation_after_position(desktop::Window& window, UINT flags, bool was_visible);
void activation_after_show(HWND hwnd, int command);
void focus_before_disable(desktop::Window& window);
// A window that held the foreground for its program while disabled takes it up when enabled.
void activation_after_enable(desktop::Window& window);
void activation_before_destroy(desktop::Window& window);
void forget_focus(const desktop::Window& window);

// Keyboard: the key state follows the key messages a thread takes from its input queue.
void input_message_taken(desktop::DesktopThread& thread, const MSG& msg);
// Remembers where the message just retrieved came from, for GetCurrentInputMessageSource.
void note_input_source(desktop::MessageQueue& queue, const MSG& msg, bool from_input, bool injected);

// Calls the thread's WH_CBT hook for a window about to get WM_NCCREATE; false when it refuses.
bool creation_allowed_by_hooks(desktop::DesktopThread& thread, HWND hwnd, CREATESTRUCTW& create);
// Registers the exports of the system libraries that LoadLibraryW and GetProcAddress find.
void register_system_exports(desktop::Desktop& machine);

}  // namespace win_internal
