// What every standard control shares: its state in the window's extra bytes, notifications to
// the parent, the colours the parent chooses, the font, and drawing helpers.
#pragma once

#include <string>

#include "platform/win/controls_api.h"
#include "platform/win/win32.h"

namespace controls {

// Each control keeps its state object behind the first pointer of its extra window bytes, made
// at WM_NCCREATE and freed at WM_NCDESTROY. State::handle answers every other message.
inline constexpr int kStateBytes = sizeof(LONG_PTR);

template <typename State>
LRESULT CALLBACK procedure_of(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(new State(hwnd)));
  auto* state = reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, 0));
  if (state == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, 0, 0);
    delete state;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return state->handle(message, wParam, lParam);
}

// WM_SETFONT and WM_GETFONT: a control draws with the font it was given, the system's otherwise.
class ControlFont {
 public:
  // True when the message was a font message, with its answer.
  bool handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  HFONT font() const { return font_; }

 private:
  HFONT font_ = nullptr;
};

// Selects the control's font into a DC for a scope.
class FontScope {
 public:
  FontScope(HDC dc, HFONT font);
  ~FontScope();
  FontScope(const FontScope&) = delete;
  FontScope& operator=(const FontScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_ = nullptr;
};

// BeginPaint and EndPaint for a scope.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd);
  ~PaintScope();
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return paint_.hdc; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
};

// A bitmap to draw into before copying to the screen in one go, so a control never flickers.
class BufferedPaint {
 public:
  BufferedPaint(HDC target, const RECT& area);
  ~BufferedPaint();
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC target_;
  RECT area_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};

int control_id(HWND hwnd);
// WM_COMMAND to the parent with the control's id and the notification code.
void notify_parent(HWND hwnd, WORD code);
// WM_NOTIFY to the parent with a header filled for this control; returns the parent's answer.
LRESULT notify_parent(HWND hwnd, NMHDR& header, UINT code);

// Asks the parent to draw an item of an owner-drawn control, with WM_DRAWITEM.
void draw_by_owner(HWND control, UINT control_type, HDC dc, const RECT& rect, UINT item, UINT state,
                   UINT action = ODA_DRAWENTIRE, ULONG_PTR data = 0);

// Asks the parent for the colours of a WM_CTLCOLOR* message; a parent that answers no brush
// gets the system's colours for that kind of control.
HBRUSH ask_colours(HWND hwnd, HDC dc, UINT ctlcolor_message);

// The border that WS_BORDER or WS_EX_CLIENTEDGE keeps outside the client area.
void draw_frame(HWND hwnd);

// A bitmap's size, 0 by 0 for anything else; and the bitmap copied whole to a point of a DC.
SIZE bitmap_size(HANDLE bitmap);
void draw_bitmap(HDC dc, HANDLE bitmap, int x, int y);

std::wstring window_text(HWND hwnd);
bool has_focus(HWND hwnd);
void fill(HDC dc, const RECT& rect, COLORREF colour);
RECT client_rect(HWND hwnd);
// The height of a line of text in the font.
int line_height(HDC dc);
int line_height_of(HWND hwnd, HFONT font);
// A message's point in the window's client coordinates.
POINT point_of(LPARAM lParam);

}  // namespace controls
