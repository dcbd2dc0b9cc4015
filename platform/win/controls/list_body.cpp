#include "platform/win/controls/list_body.h"

#include <algorithm>
#include <cstring>
#include <cwctype>

#include "platform/win/controls/control_glyphs.h"
#include "platform/win/controls/control_support.h"

namespace controls {

namespace {

bool equal_folded(const std::wstring& a, const std::wstring& b, std::size_t count) {
  if (a.size() < count || b.size() < count) return false;
  for (std::size_t i = 0; i < count; ++i)
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  return true;
}

bool less_folded(const std::wstring& a, const std::wstring& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
    return std::towlower(x) < std::towlower(y);
  });
}

}  // namespace

int ListBody::add(ListItem item, bool sorted) {
  auto where = items.end();
  if (sorted)
    where = std::upper_bound(items.begin(), items.end(), item, [](const ListItem& a, const ListItem& b) {
      return less_folded(a.text, b.text);
    });
  const int index = static_cast<int>(where - items.begin());
  items.insert(where, std::move(item));
  if (selection >= index) ++selection;
  return index;
}

int ListBody::insert(int index, ListItem item) {
  if (index == -1) index = count();
  if (index < 0 || index > count()) return -1;
  items.insert(items.begin() + index, std::move(item));
  if (selection >= index) ++selection;
  return index;
}

bool ListBody::remove(int index) {
  if (!valid(index)) return false;
  items.erase(items.begin() + index);
  if (selection == index) {
    selection = -1;
  } else if (selection > index) {
    --selection;
  }
  top = std::min(top, std::max(0, count() - 1));
  return true;
}

void ListBody::clear() {
  items.clear();
  selection = -1;
  top = 0;
}

int ListBody::find(int after, const std::wstring& text, bool exact) const {
  const int total = count();
  const int start = valid(after) ? after + 1 : 0;
  for (int step = 0; step < total; ++step) {
    const int index = (start + step) % total;
    const std::wstring& candidate = items[static_cast<std::size_t>(index)].text;
    if (exact ? (candidate.size() == text.size() && equal_folded(candidate, text, text.size()))
              : equal_folded(candidate, text, text.size()))
      return index;
  }
  return -1;
}

int ListBody::find_data(int after, ULONG_PTR data) const {
  const int total = count();
  const int start = valid(after) ? after + 1 : 0;
  for (int step = 0; step < total; ++step) {
    const int index = (start + step) % total;
    if (items[static_cast<std::size_t>(index)].data == data) return index;
  }
  return -1;
}

ListItem ListBody::item_from(LPARAM lParam, bool keeps_strings) {
  if (!keeps_strings) return {L"", static_cast<ULONG_PTR>(lParam)};
  return {lParam != 0 ? reinterpret_cast<LPCWSTR>(lParam) : L"", 0};
}

int ListBody::find_item(int after, LPARAM lParam, bool exact, bool keeps_strings) const {
  if (!keeps_strings) return find_data(after, static_cast<ULONG_PTR>(lParam));
  return find(after, lParam != 0 ? reinterpret_cast<LPCWSTR>(lParam) : L"", exact);
}

LRESULT ListBody::copy_text(int index, wchar_t* buffer, bool keeps_strings) const {
  if (!valid(index) || buffer == nullptr) return -1;
  const ListItem& item = items[static_cast<std::size_t>(index)];
  if (!keeps_strings) {
    std::memcpy(buffer, &item.data, sizeof(item.data));
    return sizeof(ULONG_PTR);
  }
  item.text.copy(buffer, item.text.size());
  buffer[item.text.size()] = L'\0';
  return static_cast<LRESULT>(item.text.size());
}

int ListBody::visible_rows(const RECT& client) const {
  return std::max(1, static_cast<int>(client.bottom - client.top) / std::max(1, item_height));
}

RECT ListBody::items_area(const RECT& client) const {
  RECT area = client;
  if (needs_scroll(client)) area.right = std::max(area.left, area.right - kScrollWidth);
  return area;
}

int ListBody::item_at(POINT point, const RECT& client) const {
  const RECT area = items_area(client);
  if (point.x < area.left || point.x >= area.right || point.y < area.top) return -1;
  const int index = top + (point.y - area.top) / std::max(1, item_height);
  return valid(index) ? index : -1;
}

RECT ListBody::item_rect(int index, const RECT& client) const {
  const RECT area = items_area(client);
  const int row_top = area.top + (index - top) * item_height;
  return {area.left, row_top, area.right, row_top + item_height};
}

void ListBody::scroll_to(int first, const RECT& client) {
  top = std::clamp(first, 0, std::max(0, count() - visible_rows(client)));
}

void ListBody::ensure_visible(int index, const RECT& client) {
  if (!valid(index)) return;
  if (index < top) scroll_to(index, client);
  if (index >= top + visible_rows(client)) scroll_to(index - visible_rows(client) + 1, client);
}

ListBody::StripPart ListBody::strip_part(POINT point, const RECT& client) const {
  if (!needs_scroll(client) || point.x < client.right - kScrollWidth || point.x >= client.right)
    return StripPart::None;
  if (point.y < client.top + kScrollWidth) return StripPart::LineUp;
  if (point.y >= client.bottom - kScrollWidth) return StripPart::LineDown;
  const int track = std::max(1, static_cast<int>(client.bottom - client.top) - 2 * kScrollWidth);
  const int thumb_middle =
      client.top + kScrollWidth + track * top / std::max(1, count() - visible_rows(client) + 1);
  return point.y < thumb_middle ? StripPart::PageUp : StripPart::PageDown;
}

void ListBody::scroll_by_strip(StripPart part, const RECT& client) {
  const int page = visible_rows(client);
  switch (part) {
    case StripPart::LineUp:
      scroll_to(top - 1, client);
      break;
    case StripPart::LineDown:
      scroll_to(top + 1, client);
      break;
    case StripPart::PageUp:
      scroll_to(top - page, client);
      break;
    case StripPart::PageDown:
      scroll_to(top + page, client);
      break;
    case StripPart::None:
      break;
  }
}

void ListBody::draw(HDC dc, const RECT& client, const ItemDrawing& how, HBRUSH background, int highlighted,
                    bool focused) const {
  const RECT area = items_area(client);
  FillRect(dc, &area, background);
  for (int index = top; index < count(); ++index) {
    const RECT rect = item_rect(index, client);
    if (rect.top >= area.bottom) break;
    const UINT state = (index == highlighted ? ODS_SELECTED : 0) |
                       (focused && index == highlighted ? ODS_FOCUS : 0) |
                       (IsWindowEnabled(how.control) ? 0 : ODS_DISABLED);
    draw_item(dc, how, index, rect, state, background);
  }
  if (needs_scroll(client)) draw_strip(dc, client);
}

void ListBody::draw_item(HDC dc, const ItemDrawing& how, int index, const RECT& rect, UINT state,
                         HBRUSH background) const {
  if (how.owner_draw) {
    draw_by_owner(how.control, how.control_type, dc, rect, static_cast<UINT>(index), state, ODA_DRAWENTIRE,
                  valid(index) ? items[static_cast<std::size_t>(index)].data : 0);
    return;
  }
  const bool selected = (state & ODS_SELECTED) != 0;
  if (selected) {
    fill(dc, rect, GetSysColor(COLOR_HIGHLIGHT));
  } else {
    FillRect(dc, &rect, background);
  }
  if (!valid(index)) return;
  const int previous_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF previous_colour =
      selected ? SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT)) : GetTextColor(dc);
  if (state & ODS_DISABLED) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  RECT text = rect;
  text.left += 2;
  const std::wstring& label = items[static_cast<std::size_t>(index)].text;
  DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SetTextColor(dc, previous_colour);
  SetBkMode(dc, previous_mode);
  if (state & ODS_FOCUS) DrawFocusRect(dc, &rect);
}

void ListBody::draw_strip(HDC dc, const RECT& client) const {
  RECT strip{client.right - kScrollWidth, client.top, client.right, client.bottom};
  fill(dc, strip, GetSysColor(COLOR_SCROLLBAR));
  RECT up{strip.left, strip.top, strip.right, strip.top + kScrollWidth};
  RECT down{strip.left, strip.bottom - kScrollWidth, strip.right, strip.bottom};
  for (RECT* button : {&up, &down}) {
    fill(dc, *button, GetSysColor(COLOR_BTNFACE));
    DrawEdge(dc, button, EDGE_RAISED, BF_RECT);
  }
  draw_down_arrow(dc, down, GetSysColor(COLOR_BTNTEXT));
  // The up arrow: the down arrow's rows in reverse.
  const int centre_x = (up.left + up.right) / 2;
  const int bottom = (up.top + up.bottom) / 2 + 2;
  for (int row = 0; row <= 3; ++row) {
    RECT line{centre_x - 3 + row, bottom - row, centre_x + 4 - row, bottom - row + 1};
    fill(dc, line, GetSysColor(COLOR_BTNTEXT));
  }
  const int track = std::max(1, static_cast<int>(strip.bottom - strip.top) - 2 * kScrollWidth);
  const int rows = visible_rows(client);
  const int thumb = std::max(8, track * rows / std::max(1, count()));
  const int range = std::max(1, count() - rows);
  const int thumb_top = strip.top + kScrollWidth + (track - thumb) * top / range;
  RECT knob{strip.left, thumb_top, strip.right, thumb_top + thumb};
  fill(dc, knob, GetSysColor(COLOR_BTNFACE));
  DrawEdge(dc, &knob, EDGE_RAISED, BF_RECT);
}

}  // namespace controls
