// Controls on a visible host window of the test's thread, driven by the desktop's mouse and
// keyboard; the host logs what its controls tell it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/platform/desktop_fixture.h"

struct Notification {
  WORD id;
  WORD code;
};

inline bool operator==(const Notification& a, const Notification& b) {
  return a.id == b.id && a.code == b.code;
}

class ControlsTest : public DesktopTest {
 protected:
  explicit ControlsTest(desktop::DesktopConfig config = {});

  // A visible child control of the host, its rectangle in the host's client coordinates.
  HWND make(const wchar_t* class_name, const wchar_t* text, DWORD style, RECT rect, int id = kId,
            DWORD ex_style = 0);

  // Retrieves, translates and dispatches everything the thread's queue holds, showing each
  // message to the watcher first when there is one (as a window relays to its tooltips).
  static void pump();
  static std::function<void(const MSG&)>& watcher();
  // Lets ms of desktop time pass with the queue pumped meanwhile.
  void wait(DWORD ms);

  // The pointer, at a point of a window's client area.
  void move(HWND hwnd, POINT client);
  void press();
  void release();
  void click(HWND hwnd, POINT client);
  void click_centre(HWND hwnd);
  // Keys as the keyboard sends them: a virtual key, or text typed on the US layout.
  void key(WORD vk);
  void type(const std::wstring& text);

  // WM_COMMAND notifications that reached the host from a control, in order.
  std::vector<WORD> notifications(HWND control) const;
  // Messages of one kind that reached the host.
  std::vector<LoggedMessage> host_messages(UINT message) const;
  void forget_messages() { MessageLog::entries().clear(); }
  static std::wstring window_text(HWND hwnd);

  // The host as the owner of owner-drawn controls: it answers WM_MEASUREITEM with an item height
  // and keeps what it is asked to measure and draw.
  struct OwnerDrawing {
    std::vector<UINT> measured;
    std::vector<DRAWITEMSTRUCT> drawn;
  };
  static void own_items(OwnerDrawing& log, UINT item_height);

  // A bitmap of one colour, for pictures on controls.
  static HBITMAP solid_bitmap(int width, int height, COLORREF colour);
  // A window's client pixels as they are after it has painted: one, or all row by row.
  static COLORREF pixel(HWND hwnd, int x, int y);
  static std::vector<COLORREF> pixels(HWND hwnd);

  static constexpr int kId = 100;
  HWND host = nullptr;
};
