// Creating and destroying windows, with the messages Windows sends and in its order.
#include <algorithm>

#include "platform/win/message_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

using desktop::Desktop;
using desktop::Window;

namespace {

constexpr int kCascadeStep = 26;

struct Placement {
  HWND parent;
  HWND owner;
};

bool resolve_parent(Desktop& machine, HWND parent, DWORD style, Placement& placement) {
  placement = {machine.desktop_window(), nullptr};
  if (parent == HWND_MESSAGE) {
    placement.parent = machine.message_root();
    return true;
  }
  if (parent == nullptr) {
    if (style & WS_CHILD) {
      SetLastError(ERROR_TLW_WITH_WSCHILD);
      return false;
    }
    return true;
  }
  if (!win_internal::live_window(parent)) return false;
  if (style & WS_CHILD)
    placement.parent = parent;
  else
    placement.owner = GetAncestor(parent, GA_ROOT);
  return true;
}

RECT initial_rect(Desktop& machine, DWORD style, int x, int y, int width, int height) {
  const bool overlapped = !(style & (WS_CHILD | WS_POPUP));
  const RECT& screen = machine.screen();
  if (x == CW_USEDEFAULT) {
    if (overlapped) {
      int step = static_cast<int>(machine.windows_created() % 10) * kCascadeStep;
      x = screen.left + step;
      y = screen.top + step;
    } else {
      x = y = 0;
    }
  }
  if (width == CW_USEDEFAULT) {
    width = overlapped ? (screen.right - screen.left) * 3 / 4 : 0;
    height = overlapped ? (screen.bottom - screen.top) * 3 / 4 : 0;
  }
  return {x, y, x + std::max(width, 0), y + std::max(height, 0)};
}

void release_window(Desktop& machine, Window& window) {
  win_internal::forget_window_messages(window);
  win_internal::forget_focus(window);
  win_internal::unlink_from_parent(window);
  for (const auto& [atom, data] : window.props)
    if (atom >= 0xC000) machine.atoms().remove(atom);
  window.props.clear();
  --window.window_class->window_count;
  machine.windows().remove(reinterpret_cast<std::uintptr_t>(window.handle));
}

void send_destroy(Desktop& machine, HWND hwnd) {
  auto window = machine.find_window(hwnd);
  if (!window) return;
  window->phase = Window::Phase::Destroying;
  win_internal::call_window_proc(*window, WM_DESTROY, 0, 0);
  for (HWND child : std::vector<HWND>(window->children))
    send_destroy(machine, child);
}

void free_tree(Desktop& machine, HWND hwnd) {
  auto window = machine.find_window(hwnd);
  if (!window) return;
  while (!window->children.empty()) {
    HWND child = window->children.front();
    free_tree(machine, child);
    std::erase(window->children, child);
  }
  win_internal::call_window_proc(*window, WM_NCDESTROY, 0, 0);
  release_window(machine, *window);
}

void destroy_owned_windows(Desktop& machine, HWND owner) {
  auto* root = machine.window(machine.desktop_window());
  for (HWND top : std::vector<HWND>(root->children)) {
    auto owned = machine.find_window(top);
    if (!owned || owned->owner != owner) continue;
    if (owned->thread == desktop::current_thread())
      DestroyWindow(top);
    else
      owned->owner = nullptr;
  }
}

}  // namespace

namespace win_internal {

void notify_parents(const Window& window, UINT event) {
  Desktop& machine = window.thread->desktop();
  LPARAM child = reinterpret_cast<LPARAM>(window.handle);
  WPARAM wParam = MAKEWPARAM(event, static_cast<WORD>(window.id));
  for (HWND at = window.parent; at != nullptr;) {
    auto parent = machine.find_window(at);
    if (!parent || parent->thread == nullptr) return;
    SendMessageW(at, WM_PARENTNOTIFY, wParam, child);
    if (!parent->is_child() || (parent->ex_style & WS_EX_NOPARENTNOTIFY)) return;
    at = parent->parent;
  }
}

void destroy_thread_windows(desktop::DesktopThread& thread) {
  Desktop& machine = thread.desktop();
  std::vector<HWND> roots;
  machine.windows().for_each([&](std::uintptr_t handle, const Window& window) {
    if (window.thread != &thread) return;
    const Window* parent = machine.window(window.parent);
    if (parent == nullptr || parent->thread != &thread) roots.push_back(reinterpret_cast<HWND>(handle));
  });
  for (HWND hwnd : roots)
    if (machine.window(hwnd) != nullptr) DestroyWindow(hwnd);
}

}  // namespace win_internal

HWND WINAPI CreateWindowExW(DWORD ex_style, LPCWSTR class_name, LPCWSTR window_name, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                            LPVOID param) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  Desktop& machine = self->desktop();
  auto window_class = class_name ? machine.classes().find(class_name, self->process().id) : nullptr;
  if (!window_class) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  Placement placement;
  if (!resolve_parent(machine, parent, style, placement)) return nullptr;
  const DWORD requested_style = style;
  // Overlapped windows always get a caption.
  if (!(style & (WS_CHILD | WS_POPUP))) style |= WS_CAPTION | WS_CLIPSIBLINGS;

  auto window = std::make_shared<Window>();
  window->window_class = window_class;
  window->style = style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
  window->ex_style = ex_style;
  window->rect = initial_rect(machine, style, x, y, width, height);
  window->normal_rect = window->rect;
  window->parent = placement.parent;
  window->owner = placement.owner;
  window->proc = window_class->proc;
  window->id = (style & WS_CHILD) ? reinterpret_cast<LONG_PTR>(menu) : 0;
  window->instance = instance;
  window->extra.assign(static_cast<std::size_t>(window_class->window_extra), 0);
  window->thread = self;
  window->thread_id = self->thread_id();
  window->process_id = self->process().id;
  HWND hwnd = reinterpret_cast<HWND>(machine.windows().add(window));
  if (hwnd == nullptr) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  window->handle = hwnd;
  ++window_class->window_count;
  machine.count_window_created();
  machine.window(placement.parent)->children.push_back(hwnd);
  if (!(style & WS_CHILD)) win_internal::place_in_z_order(*window, HWND_TOP);

  CREATESTRUCTW create{
      param,       instance,   menu,    parent, height, width, y, x, static_cast<LONG>(requested_style),
      window_name, class_name, ex_style};
  if (!win_internal::creation_allowed_by_hooks(*self, hwnd, create) ||
      !win_internal::call_window_proc(*window, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create))) {
    free_tree(machine, hwnd);
    return nullptr;
  }
  RECT client = window->rect;
  win_internal::call_window_proc(*window, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
  window->client = {client.left - window->rect.left, client.top - window->rect.top,
                    client.right - window->rect.left, client.bottom - window->rect.top};
  if (win_internal::call_window_proc(*window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (!IsWindow(hwnd)) return nullptr;
  window->phase = Window::Phase::Alive;

  SendMessageW(
      hwnd, WM_SIZE, SIZE_RESTORED,
      MAKELPARAM(window->client.right - window->client.left, window->client.bottom - window->client.top));
  SendMessageW(hwnd, WM_MOVE, 0,
               MAKELPARAM(static_cast<WORD>(window->rect.left + window->client.left),
                          static_cast<WORD>(window->rect.top + window->client.top)));
  if ((style & WS_CHILD) && !(ex_style & WS_EX_NOPARENTNOTIFY))
    win_internal::notify_parents(*window, WM_CREATE);
  if (IsWindow(hwnd) && (style & WS_VISIBLE)) {
    int command = (style & WS_MAXIMIZE)   ? SW_SHOWMAXIMIZED
                  : (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED
                                          : SW_SHOW;
    ShowWindow(hwnd, command);
  }
  return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  if (window->thread == nullptr || window->thread != desktop::current_thread()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (window->phase == Window::Phase::Destroying) return TRUE;
  Desktop& machine = window->thread->desktop();
  window->phase = Window::Phase::Destroying;
  if (window->is_child() && !(window->ex_style & WS_EX_NOPARENTNOTIFY))
    win_internal::notify_parents(*window, WM_DESTROY);
  if (window->visible_flag())
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  win_internal::activation_before_destroy(*window);
  destroy_owned_windows(machine, hwnd);
  send_destroy(machine, hwnd);
  free_tree(machine, hwnd);
  return TRUE;
}

BOOL WINAPI IsWindow(HWND hwnd) {
  desktop::DesktopThread* self = desktop::current_thread();
  return self != nullptr && self->desktop().window(hwnd) != nullptr;
}
