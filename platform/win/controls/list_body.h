// What a list box and a combo box's drop-down list share: the items, the selection, the first
// item shown, the item height, drawing (plain or by the owner) and the scroll strip at the
// right when the items do not all fit.
#pragma once

#include <string>
#include <vector>

#include "platform/win/win32.h"

namespace controls {

struct ListItem {
  std::wstring text;
  ULONG_PTR data = 0;
};

// How the items are drawn: by the control, or by its parent through WM_DRAWITEM.
struct ItemDrawing {
  HWND control;       // named in WM_DRAWITEM; its parent draws owner-drawn items
  UINT control_type;  // ODT_LISTBOX or ODT_COMBOBOX
  bool owner_draw;
};

class ListBody {
 public:
  static constexpr int kScrollWidth = 17;

  std::vector<ListItem> items;
  int selection = -1;
  int top = 0;
  int item_height = 16;

  int count() const { return static_cast<int>(items.size()); }
  bool valid(int index) const { return index >= 0 && index < count(); }
  // Adds at the end, or in order without regard to case; returns the index.
  int add(ListItem item, bool sorted);
  // Inserts before index (-1: at the end); returns the index, or -1 when out of range.
  int insert(int index, ListItem item);
  bool remove(int index);
  void clear();
  // The first item after `after` (wrapping round) whose text equals, or begins with, the text
  // without regard to case; -1 when none.
  int find(int after, const std::wstring& text, bool exact) const;
  int find_data(int after, ULONG_PTR data) const;

  // What the add, insert and find messages pass: a string, or for an owner-drawn list that
  // keeps no strings, the item's data.
  static ListItem item_from(LPARAM lParam, bool keeps_strings);
  int find_item(int after, LPARAM lParam, bool exact, bool keeps_strings) const;
  // LB_GETTEXT and CB_GETLBTEXT: the text and its length, or the data without strings; -1 when
  // there is no such item.
  LRESULT copy_text(int index, wchar_t* buffer, bool keeps_strings) const;

  int visible_rows(const RECT& client) const;
  bool needs_scroll(const RECT& client) const { return count() > visible_rows(client); }
  RECT items_area(const RECT& client) const;
  // The item under a point of the client area, or -1 (past the last item or on the strip).
  int item_at(POINT point, const RECT& client) const;
  RECT item_rect(int index, const RECT& client) const;
  void scroll_to(int first, const RECT& client);
  void ensure_visible(int index, const RECT& client);

  enum class StripPart { None, LineUp, LineDown, PageUp, PageDown };
  StripPart strip_part(POINT point, const RECT& client) const;
  void scroll_by_strip(StripPart part, const RECT& client);

  // Draws the items with one highlighted (-1: none).
  void draw(HDC dc, const RECT& client, const ItemDrawing& how, HBRUSH background, int highlighted,
            bool focused) const;
  void draw_item(HDC dc, const ItemDrawing& how, int index, const RECT& rect, UINT state,
                 HBRUSH background) const;

 private:
  void draw_strip(HDC dc, const RECT& client) const;
};

}  // namespace controls
