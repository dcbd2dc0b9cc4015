// The controls kit on a window of the test's thread: a backdrop (a framework window) that holds
// a known picture and gives it to transparent children that ask, over the controls fixture's
// host; the console's resources are the program's.
#pragma once

#include "platform/afx/afx.h"
#include "tests/platform/controls/controls_fixture.h"

inline constexpr int kSampleNormalBitmap = 30010;
inline constexpr int kSampleActiveBitmap = 30011;
inline constexpr COLORREF kSampleNormalColour = RGB(0x20, 0x50, 0xC0);
inline constexpr COLORREF kSampleActiveColour = RGB(0x20, 0xA0, 0x40);

class Backdrop : public CWnd {
 public:
  // The backdrop's picture at a point of its client area.
  static COLORREF PictureAt(int x, int y) { return RGB(x / 4, y / 4, 77); }
  static constexpr COLORREF kEraseColour = RGB(0, 128, 0);

  BOOL Create(HWND host, const RECT& rect);
  // When false the background request goes unanswered and children fall back to WM_ERASEBKGND.
  bool answers = true;
  int clicks = 0;

 protected:
  LRESULT OnTransparentBackground(WPARAM wParam, LPARAM lParam);
  BOOL OnEraseBkgnd(CDC* dc);
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  DECLARE_MESSAGE_MAP()

 private:
  CDC picture_;
  CBitmap picture_bitmap_;
};

class KitTest : public ControlsTest {
 protected:
  KitTest();
  ~KitTest() override;

  // A visible child of the backdrop.
  HWND make_child(const wchar_t* class_name, const wchar_t* text, DWORD style, RECT rect, int id = kId);
  // The rectangle of pixels of a colour in a window's client area; empty when there is none.
  static CRect bounds_of(HWND hwnd, COLORREF colour);

  Backdrop backdrop;
};
