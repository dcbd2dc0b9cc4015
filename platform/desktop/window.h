// One window of the desktop, as the window table holds it.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop/gdi/rect_list.h"
#include "platform/win/win_types.h"

namespace desktop {

class DesktopThread;
class Surface;
struct WindowClass;

struct Window {
  enum class Phase { Creating, Alive, Destroying };

  HWND handle = nullptr;
  std::shared_ptr<WindowClass> window_class;
  std::wstring title;
  DWORD style = 0;
  DWORD ex_style = 0;
  RECT rect{};            // in the parent's client coordinates; screen coordinates for top-level windows
  RECT client{};          // client area in the window's own coordinates (its top left is 0, 0)
  HWND parent = nullptr;  // the desktop window for top-level windows
  HWND owner = nullptr;
  std::vector<HWND> children;  // front to back
  WNDPROC proc = nullptr;
  LONG_PTR user_data = 0;
  LONG_PTR id = 0;
  HINSTANCE instance = nullptr;
  std::vector<BYTE> extra;
  std::map<ATOM, HANDLE> props;
  DesktopThread* thread = nullptr;  // null for the desktop window
  DWORD thread_id = 0;
  DWORD process_id = 0;
  Phase phase = Phase::Creating;
  bool minimized = false;
  bool maximized = false;
  bool restore_to_maximized = false;  // a minimised window that was maximised before
  RECT normal_rect{};                 // where a minimised or maximised window returns to
  RectList update;                    // invalid part of the client area
  bool erase_pending = false;
  bool internal_paint = false;  // WM_PAINT asked for without an update area
  bool frame_pending = false;   // the frame and caption wait for WM_NCPAINT
  bool redraw_off = false;      // WM_SETREDRAW FALSE: invalidations are dropped
  HICON big_icon = nullptr;
  HICON small_icon = nullptr;
  std::shared_ptr<Surface> surface;  // what a top-level window shows; see window_surface()
  // How a WS_EX_LAYERED window shows: until SetLayeredWindowAttributes or UpdateLayeredWindow
  // sets it, not at all.
  enum class Layering { Unset, Attributes, Updated };
  Layering layering = Layering::Unset;
  DWORD layered_flags = 0;  // LWA_COLORKEY, LWA_ALPHA (ULW_OPAQUE after UpdateLayeredWindow)
  COLORREF layered_key = 0;
  BYTE layered_alpha = 255;
  bool layered_per_pixel = false;  // the surface holds premultiplied alpha (AC_SRC_ALPHA)

  bool is_child() const { return (style & 0x40000000u) != 0; }
  bool visible_flag() const { return (style & 0x10000000u) != 0; }
  bool topmost() const { return (ex_style & 0x00000008u) != 0; }
  bool layered() const { return (ex_style & 0x00080000u) != 0; }
};

}  // namespace desktop
