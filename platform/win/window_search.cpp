// Finding and walking windows: FindWindowW and FindWindowExW, the Enum functions, GetWindow
// and the parent, owner and ancestor relations.
#include <algorithm>

#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

using desktop::Desktop;
using desktop::Window;

namespace {

Desktop* machine() {
  desktop::DesktopThread* self = win_internal::caller();
  return self ? &self->desktop() : nullptr;
}

// Class and title compare whole and without regard to case; an empty title matches only an
// empty title, and a null one matches any.
bool matches(Desktop& desk, const Window& window, LPCWSTR class_name, LPCWSTR title) {
  if (class_name != nullptr && !desk.classes().matches(*window.window_class, class_name)) return false;
  return title == nullptr || desktop::equal_ignoring_case(window.title, title);
}

void collect_descendants(Desktop& desk, HWND parent, std::vector<HWND>& out) {
  const Window* window = desk.window(parent);
  if (window == nullptr) return;
  for (HWND child : window->children) {
    out.push_back(child);
    collect_descendants(desk, child, out);
  }
}

BOOL enumerate(const std::vector<HWND>& snapshot, WNDENUMPROC proc, LPARAM lParam) {
  if (proc == nullptr) return FALSE;
  for (HWND hwnd : snapshot)
    if (IsWindow(hwnd) && !proc(hwnd, lParam)) return FALSE;
  return TRUE;
}

const std::vector<HWND>* siblings_of(Desktop& desk, const Window& window) {
  const Window* parent = desk.window(window.parent);
  return parent ? &parent->children : nullptr;
}

}  // namespace

HWND WINAPI FindWindowExW(HWND parent, HWND child_after, LPCWSTR class_name, LPCWSTR title) {
  Desktop* desk = machine();
  if (desk == nullptr) return nullptr;
  HWND root = parent == nullptr        ? desk->desktop_window()
              : parent == HWND_MESSAGE ? desk->message_root()
                                       : parent;
  const Window* container = desk->window(root);
  if (container == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  auto at = container->children.begin();
  if (child_after != nullptr) {
    at = std::find(container->children.begin(), container->children.end(), child_after);
    if (at == container->children.end()) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    ++at;
  }
  for (; at != container->children.end(); ++at)
    if (const Window* window = desk->window(*at); window && matches(*desk, *window, class_name, title))
      return *at;
  SetLastError(ERROR_FILE_NOT_FOUND);
  return nullptr;
}

HWND WINAPI FindWindowW(LPCWSTR class_name, LPCWSTR title) {
  return FindWindowExW(nullptr, nullptr, class_name, title);
}

BOOL WINAPI EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
  Desktop* desk = machine();
  if (desk == nullptr) return FALSE;
  return enumerate(desk->window(desk->desktop_window())->children, proc, lParam);
}

BOOL WINAPI EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  Desktop* desk = machine();
  if (desk == nullptr) return FALSE;
  if (parent == nullptr) return EnumWindows(proc, lParam);
  std::vector<HWND> snapshot;
  collect_descendants(*desk, parent, snapshot);
  return enumerate(snapshot, proc, lParam);
}

BOOL WINAPI EnumThreadWindows(DWORD thread_id, WNDENUMPROC proc, LPARAM lParam) {
  Desktop* desk = machine();
  if (desk == nullptr) return FALSE;
  std::vector<HWND> snapshot;
  for (HWND top : desk->window(desk->desktop_window())->children)
    if (desk->window(top)->thread_id == thread_id) snapshot.push_back(top);
  return enumerate(snapshot, proc, lParam);
}

HWND WINAPI GetWindow(HWND hwnd, UINT command) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return nullptr;
  Desktop& desk = window->thread ? window->thread->desktop() : *machine();
  const std::vector<HWND>* siblings = siblings_of(desk, *window);
  switch (command) {
    case GW_HWNDFIRST:
      return siblings && !siblings->empty() ? siblings->front() : nullptr;
    case GW_HWNDLAST:
      return siblings && !siblings->empty() ? siblings->back() : nullptr;
    case GW_HWNDNEXT:
    case GW_HWNDPREV: {
      if (!siblings) return nullptr;
      auto at = std::find(siblings->begin(), siblings->end(), hwnd);
      if (at == siblings->end()) return nullptr;
      if (command == GW_HWNDNEXT) return at + 1 == siblings->end() ? nullptr : *(at + 1);
      return at == siblings->begin() ? nullptr : *(at - 1);
    }
    case GW_OWNER:
      return window->owner;
    case GW_CHILD:
      return window->children.empty() ? nullptr : window->children.front();
    case GW_ENABLEDPOPUP:
      for (HWND top : desk.window(desk.desktop_window())->children) {
        const Window* popup = desk.window(top);
        if (popup->owner == hwnd && popup->visible_flag() && !(popup->style & WS_DISABLED)) return top;
      }
      return hwnd;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

HWND WINAPI GetTopWindow(HWND hwnd) {
  Desktop* desk = machine();
  if (desk == nullptr) return nullptr;
  const Window* window = desk->window(hwnd ? hwnd : desk->desktop_window());
  if (window == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return window->children.empty() ? nullptr : window->children.front();
}

HWND WINAPI GetParent(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return nullptr;
  if (window->is_child()) return window->parent;
  return (window->style & WS_POPUP) ? window->owner : nullptr;
}

HWND WINAPI GetAncestor(HWND hwnd, UINT flags) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return nullptr;
  Desktop& desk = *machine();
  if (hwnd == desk.desktop_window()) return nullptr;
  switch (flags) {
    case GA_PARENT:
      return window->parent;
    case GA_ROOT:
    case GA_ROOTOWNER: {
      const Window* at = window.get();
      while (at->is_child())
        at = desk.window(at->parent);
      if (flags == GA_ROOTOWNER)
        while (at->owner != nullptr && desk.window(at->owner) != nullptr)
          at = desk.window(at->owner);
      return at->handle;
    }
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

HWND WINAPI GetDesktopWindow() {
  Desktop* desk = machine();
  return desk ? desk->desktop_window() : nullptr;
}

BOOL WINAPI IsChild(HWND parent, HWND hwnd) {
  Desktop* desk = machine();
  if (desk == nullptr) return FALSE;
  for (const Window* at = desk->window(hwnd); at != nullptr && at->is_child(); at = desk->window(at->parent))
    if (at->parent == parent) return TRUE;
  return FALSE;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
  auto window = win_internal::live_window(dialog);
  if (!window) return nullptr;
  Desktop& desk = *machine();
  for (HWND child : window->children)
    if (const Window* control = desk.window(child); control && static_cast<int>(control->id) == id)
      return child;
  SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
  return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  return window ? static_cast<int>(window->id) : 0;
}

DWORD WINAPI GetWindowThreadProcessId(HWND hwnd, LPDWORD process_id) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return 0;
  if (process_id != nullptr) *process_id = window->process_id;
  return window->thread_id;
}
