// The "ComboBox" class and its drop-down list, a "ComboLBox" pop-up that the combo box opens
// below itself and that holds the mouse while it is open.
#pragma once

#include "platform/win/controls/control_support.h"
#include "platform/win/controls/list_body.h"

namespace controls {

// Sent by the combo box to its list when it opens: the list takes the mouse.
inline constexpr UINT kStartTracking = WM_USER;

class ComboBox {
 public:
  explicit ComboBox(HWND hwnd) : hwnd_(hwnd) {}
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  // The drop-down list's side.
  const ListBody& body() const { return body_; }
  ListBody& body() { return body_; }
  int hot() const { return hot_; }
  void set_hot(int index);
  ItemDrawing drawing() const { return {hwnd_, ODT_COMBOBOX, owner_draw()}; }
  HFONT font() const { return font_.font(); }
  HWND hwnd() const { return hwnd_; }
  // Closes the list; with chosen, the hot item becomes the selection.
  void close_up(bool chosen);

 private:
  DWORD style() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
  bool owner_draw() const { return (style() & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0; }
  bool keeps_strings() const { return !owner_draw() || (style() & CBS_HASSTRINGS) != 0; }

  void create();
  int measure(UINT item_id, int height);
  void set_field_height(int item_height);
  LRESULT set_selection(int index);
  LRESULT set_item_height(int which, int height);
  void choose(int index);
  void drop_down();
  void show_drop_down(bool show);
  RECT drop_down_rect() const;
  void key_down(UINT key);
  void selection_shown();
  void paint();
  void draw_field(HDC dc, const RECT& area);

  HWND hwnd_;
  HWND list_ = nullptr;
  ControlFont font_;
  ListBody body_;
  int field_item_height_ = 0;
  int dropped_height_ = 0;
  bool dropped_ = false;
  int hot_ = -1;
  bool focused_ = false;
};

}  // namespace controls
