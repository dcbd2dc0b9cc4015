// The "SysListView32" class in report view: rows of texts under a header of columns, one text
// per column (the item and its sub-items). A click or the arrow keys select and focus a row,
// each state change reaching the parent as LVN_ITEMCHANGING (which may refuse it) and
// LVN_ITEMCHANGED; clicks are NM_CLICK and NM_DBLCLK. A strip at the right scrolls the rows
// when they do not all fit.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/win/controls/control_glyphs.h"
#include "platform/win/controls/control_procedures.h"
#include "platform/win/controls/control_support.h"
#include "platform/win/mouse_api.h"

namespace controls {

namespace {

constexpr int kScrollWidth = 17;
constexpr int kCellInset = 6;

struct Column {
  int width = 0;
  int format = LVCFMT_LEFT;
};

struct Row {
  std::vector<std::wstring> texts;  // the item's, then its sub-items'
  LPARAM data = 0;
  UINT state = 0;
};

COLORREF or_system(COLORREF colour, int system) {
  return colour == CLR_DEFAULT ? GetSysColor(system) : colour;
}

void copy_out(const std::wstring& text, wchar_t* buffer, int size) {
  if (buffer == nullptr || size <= 0) return;
  const auto copied = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
  std::copy_n(text.begin(), copied, buffer);
  buffer[copied] = L'\0';
}

class ListView {
 public:
  explicit ListView(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT font_result = 0;
    if (font_.handle(hwnd_, message, wParam, lParam, font_result)) {
      if (message == WM_SETFONT && header_ != nullptr) {
        // The header's height and the rows' follow the font.
        SendMessageW(header_, WM_SETFONT, wParam, lParam);
        place_header();
        scroll_to(top_);
      }
      return font_result;
    }
    switch (message) {
      case WM_CREATE:
        make_header();
        return 0;
      case WM_SIZE:
        place_header();
        scroll_to(top_);
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        paint();
        return 0;
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        focus_changed(message == WM_SETFOCUS);
        return 0;
      case WM_ENABLE:
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_LBUTTONDOWN:
        press(point_of(lParam), false);
        return 0;
      case WM_LBUTTONDBLCLK:
        press(point_of(lParam), true);
        return 0;
      case WM_MOUSEWHEEL:
        scroll_to(top_ - 3 * GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
        return 0;
      case WM_KEYDOWN:
        key_down(static_cast<WORD>(wParam));
        return 0;
      case WM_NOTIFY:
        return header_notice(*reinterpret_cast<NMHDR*>(lParam));
      case LVM_GETHEADER:
        return reinterpret_cast<LRESULT>(header_);
      case LVM_INSERTCOLUMNW:
        return insert_column(static_cast<int>(wParam), reinterpret_cast<const LVCOLUMNW*>(lParam));
      case LVM_SETCOLUMNW:
        return set_column(static_cast<int>(wParam), reinterpret_cast<const LVCOLUMNW*>(lParam));
      case LVM_GETCOLUMNW:
        return get_column(static_cast<int>(wParam), reinterpret_cast<LVCOLUMNW*>(lParam));
      case LVM_DELETECOLUMN:
        return delete_column(static_cast<int>(wParam));
      case LVM_GETCOLUMNWIDTH:
        return valid_column(static_cast<int>(wParam)) ? columns_[wParam].width : 0;
      case LVM_SETCOLUMNWIDTH:
        return set_column_width(static_cast<int>(wParam), static_cast<short>(LOWORD(lParam)));
      case LVM_GETITEMCOUNT:
        return count();
      case LVM_INSERTITEMW:
        return insert_item(reinterpret_cast<const LVITEMW*>(lParam));
      case LVM_SETITEMW:
        return set_item(reinterpret_cast<const LVITEMW*>(lParam));
      case LVM_GETITEMW:
        return get_item(reinterpret_cast<LVITEMW*>(lParam));
      case LVM_SETITEMTEXTW:
        return set_item_text(static_cast<int>(wParam), reinterpret_cast<const LVITEMW*>(lParam));
      case LVM_GETITEMTEXTW:
        return get_item_text(static_cast<int>(wParam), reinterpret_cast<LVITEMW*>(lParam));
      case LVM_SETITEMSTATE:
        return set_state_message(static_cast<int>(wParam), reinterpret_cast<const LVITEMW*>(lParam));
      case LVM_GETITEMSTATE:
        return valid(static_cast<int>(wParam)) ? rows_[wParam].state & static_cast<UINT>(lParam) : 0;
      case LVM_GETSELECTEDCOUNT:
        return static_cast<LRESULT>(std::count_if(rows_.begin(), rows_.end(),
                                                  [](const Row& row) { return row.state & LVIS_SELECTED; }));
      case LVM_GETNEXTITEM:
        return next_item(static_cast<int>(wParam), LOWORD(lParam));
      case LVM_DELETEITEM:
        return delete_item(static_cast<int>(wParam));
      case LVM_DELETEALLITEMS:
        rows_.clear();
        top_ = 0;
        InvalidateRect(hwnd_, nullptr, FALSE);
        return TRUE;
      case LVM_GETITEMRECT:
        return item_rect_message(static_cast<int>(wParam), reinterpret_cast<RECT*>(lParam));
      case LVM_HITTEST:
      case LVM_SUBITEMHITTEST:
        return hit_test(reinterpret_cast<LVHITTESTINFO*>(lParam));
      case LVM_ENSUREVISIBLE:
        ensure_visible(static_cast<int>(wParam));
        return TRUE;
      case LVM_GETTOPINDEX:
        return top_;
      case LVM_GETCOUNTPERPAGE:
        return visible_rows();
      case LVM_SETBKCOLOR:
        return set_colour(background_, static_cast<COLORREF>(lParam));
      case LVM_GETBKCOLOR:
        return static_cast<LRESULT>(background_);
      case LVM_SETTEXTCOLOR:
        return set_colour(text_, static_cast<COLORREF>(lParam));
      case LVM_GETTEXTCOLOR:
        return static_cast<LRESULT>(text_);
      case LVM_SETTEXTBKCOLOR:
        return set_colour(text_background_, static_cast<COLORREF>(lParam));
      case LVM_GETTEXTBKCOLOR:
        return static_cast<LRESULT>(text_background_);
      case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        const DWORD previous = extended_;
        const auto mask = static_cast<DWORD>(wParam == 0 ? ~0u : wParam);
        extended_ = (extended_ & ~mask) | (static_cast<DWORD>(lParam) & mask);
        InvalidateRect(hwnd_, nullptr, FALSE);
        return previous;
      }
      case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return extended_;
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  DWORD style() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
  int count() const { return static_cast<int>(rows_.size()); }
  bool valid(int index) const { return index >= 0 && index < count(); }
  bool valid_column(int index) const { return index >= 0 && index < static_cast<int>(columns_.size()); }
  bool single_selection() const { return (style() & LVS_SINGLESEL) != 0; }

  // Columns, kept here and shown by the header.
  void make_header() {
    if (style() & LVS_NOCOLUMNHEADER) return;
    header_ = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 1, 1, hwnd_, nullptr, nullptr,
                              nullptr);
    place_header();
  }

  int header_height() const { return header_ != nullptr ? line_height_of(hwnd_, font_.font()) + 6 : 0; }
  int row_height() const { return line_height_of(hwnd_, font_.font()) + 3; }

  void place_header() {
    if (header_ == nullptr) return;
    const RECT client = client_rect(hwnd_);
    MoveWindow(header_, 0, 0, client.right, header_height(), TRUE);
  }

  void tell_header(int index, UINT message) {
    if (header_ == nullptr) return;
    HDITEMW item{};
    item.mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT;
    item.cxy = columns_[static_cast<std::size_t>(index)].width;
    item.fmt = columns_[static_cast<std::size_t>(index)].format;
    item.pszText = column_names_[static_cast<std::size_t>(index)].data();
    SendMessageW(header_, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }

  LRESULT insert_column(int index, const LVCOLUMNW* from) {
    if (from == nullptr || index < 0) return -1;
    index = std::min(index, static_cast<int>(columns_.size()));
    Column column;
    if (from->mask & LVCF_WIDTH) column.width = std::max(0, from->cx);
    if (from->mask & LVCF_FMT) column.format = from->fmt;
    columns_.insert(columns_.begin() + index, column);
    column_names_.insert(column_names_.begin() + index,
                         (from->mask & LVCF_TEXT) && from->pszText != nullptr ? from->pszText : L"");
    for (Row& row : rows_)
      if (static_cast<int>(row.texts.size()) > index) row.texts.insert(row.texts.begin() + index, L"");
    tell_header(index, HDM_INSERTITEMW);
    InvalidateRect(hwnd_, nullptr, FALSE);
    return index;
  }

  LRESULT set_column(int index, const LVCOLUMNW* from) {
    if (!valid_column(index) || from == nullptr) return FALSE;
    Column& column = columns_[static_cast<std::size_t>(index)];
    if (from->mask & LVCF_WIDTH) column.width = std::max(0, from->cx);
    if (from->mask & LVCF_FMT) column.format = from->fmt;
    if ((from->mask & LVCF_TEXT) && from->pszText != nullptr)
      column_names_[static_cast<std::size_t>(index)] = from->pszText;
    tell_header(index, HDM_SETITEMW);
    InvalidateRect(hwnd_, nullptr, FALSE);
    return TRUE;
  }

  LRESULT get_column(int index, LVCOLUMNW* to) const {
    if (!valid_column(index) || to == nullptr) return FALSE;
    if (to->mask & LVCF_WIDTH) to->cx = columns_[static_cast<std::size_t>(index)].width;
    if (to->mask & LVCF_FMT) to->fmt = columns_[static_cast<std::size_t>(index)].format;
    if (to->mask & LVCF_SUBITEM) to->iSubItem = index;
    if (to->mask & LVCF_TEXT)
      copy_out(column_names_[static_cast<std::size_t>(index)], to->pszText, to->cchTextMax);
    return TRUE;
  }

  LRESULT delete_column(int index) {
    if (!valid_column(index)) return FALSE;
    columns_.erase(columns_.begin() + index);
    column_names_.erase(column_names_.begin() + index);
    for (Row& row : rows_)
      if (static_cast<int>(row.texts.size()) > index) row.texts.erase(row.texts.begin() + index);
    if (header_ != nullptr) SendMessageW(header_, HDM_DELETEITEM, static_cast<WPARAM>(index), 0);
    InvalidateRect(hwnd_, nullptr, FALSE);
    return TRUE;
  }

  int text_width(const std::wstring& text) const {
    HDC dc = GetDC(hwnd_);
    SIZE size{};
    {
      FontScope scope(dc, font_.font());
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    }
    ReleaseDC(hwnd_, dc);
    return size.cx;
  }

  // LVSCW_AUTOSIZE fits the widest text; LVSCW_AUTOSIZE_USEHEADER the caption too, and the
  // last column fills the rest of the width.
  LRESULT set_column_width(int index, int width) {
    if (!valid_column(index)) return FALSE;
    if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
      int widest =
          width == LVSCW_AUTOSIZE_USEHEADER ? text_width(column_names_[static_cast<std::size_t>(index)]) : 0;
      for (const Row& row : rows_)
        if (static_cast<int>(row.texts.size()) > index)
          widest = std::max(widest, text_width(row.texts[static_cast<std::size_t>(index)]));
      const bool use_header = width == LVSCW_AUTOSIZE_USEHEADER;
      width = widest + 2 * kCellInset;
      if (use_header && index + 1 == static_cast<int>(columns_.size())) {
        int used = 0;
        for (int i = 0; i < index; ++i)
          used += columns_[static_cast<std::size_t>(i)].width;
        width = std::max(width, static_cast<int>(rows_area().right) - used);
      }
    }
    columns_[static_cast<std::size_t>(index)].width = std::max(0, width);
    tell_header(index, HDM_SETITEMW);
    InvalidateRect(hwnd_, nullptr, FALSE);
    return TRUE;
  }

  LRESULT insert_item(const LVITEMW* from) {
    if (from == nullptr || from->iSubItem != 0) return -1;
    const int index = std::clamp(from->iItem, 0, count());
    Row row;
    row.texts.assign(std::max<std::size_t>(1, columns_.size()), L"");
    if ((from->mask & LVIF_TEXT) && from->pszText != nullptr) row.texts[0] = from->pszText;
    if (from->mask & LVIF_PARAM) row.data = from->lParam;
    if (from->mask & LVIF_STATE) row.state = from->state & from->stateMask;
    rows_.insert(rows_.begin() + index, std::move(row));
    if (focused_ >= index) ++focused_;
    InvalidateRect(hwnd_, nullptr, FALSE);
    return index;
  }

  std::wstring& text_slot(Row& row, int sub_item) {
    if (static_cast<int>(row.texts.size()) <= sub_item)
      row.texts.resize(static_cast<std::size_t>(sub_item) + 1);
    return row.texts[static_cast<std::size_t>(sub_item)];
  }

  LRESULT set_item(const LVITEMW* from) {
    if (from == nullptr || !valid(from->iItem) || from->iSubItem < 0) return FALSE;
    Row& row = rows_[static_cast<std::size_t>(from->iItem)];
    if ((from->mask & LVIF_TEXT) && from->pszText != nullptr) text_slot(row, from->iSubItem) = from->pszText;
    if (from->mask & LVIF_PARAM) row.data = from->lParam;
    if (from->mask & LVIF_STATE) change_state(from->iItem, from->state, from->stateMask);
    InvalidateRect(hwnd_, nullptr, FALSE);
    return TRUE;
  }

  LRESULT get_item(LVITEMW* to) const {
    if (to == nullptr || !valid(to->iItem)) return FALSE;
    const Row& row = rows_[static_cast<std::size_t>(to->iItem)];
    if (to->mask & LVIF_TEXT) copy_out(sub_item_text(row, to->iSubItem), to->pszText, to->cchTextMax);
    if (to->mask & LVIF_PARAM) to->lParam = row.data;
    if (to->mask & LVIF_STATE) to->state = row.state & to->stateMask;
    return TRUE;
  }

  static std::wstring sub_item_text(const Row& row, int sub_item) {
    if (sub_item < 0 || sub_item >= static_cast<int>(row.texts.size())) return L"";
    return row.texts[static_cast<std::size_t>(sub_item)];
  }

  LRESULT set_item_text(int index, const LVITEMW* from) {
    if (from == nullptr || !valid(index) || from->iSubItem < 0) return FALSE;
    text_slot(rows_[static_cast<std::size_t>(index)], from->iSubItem) =
        from->pszText != nullptr ? from->pszText : L"";
    InvalidateRect(hwnd_, nullptr, FALSE);
    return TRUE;
  }

  LRESULT get_item_text(int index, LVITEMW* to) const {
    if (to == nullptr || !valid(index)) return 0;
    const std::wstring text = sub_item_text(rows_[static_cast<std::size_t>(index)], to->iSubItem);
    copy_out(text, to->pszText, to->cchTextMax);
    return to->cchTextMax > 0 ? static_cast<LRESULT>(std::min<std::size_t>(text.size(), to->cchTextMax - 1))
                              : 0;
  }

  // Index -1 sets the state of every row.
  LRESULT set_state_message(int index, const LVITEMW* from) {
    if (from == nullptr) return FALSE;
    if (index == -1) {
      for (int row = 0; row < count(); ++row)
        change_state(row, from->state, from->stateMask);
      return TRUE;
    }
    return valid(index) && change_state(index, from->state, from->stateMask);
  }

  LRESULT next_item(int start, UINT flags) const {
    for (int index = start + 1; index < count(); ++index) {
      const UINT state = rows_[static_cast<std::size_t>(index)].state;
      if ((flags & LVNI_SELECTED) && (state & LVIS_SELECTED) == 0) continue;
      if ((flags & LVNI_FOCUSED) && (state & LVIS_FOCUSED) == 0) continue;
      return index;
    }
    return -1;
  }

  LRESULT delete_item(int index) {
    if (!valid(index)) return FALSE;
    rows_.erase(rows_.begin() + index);
    if (focused_ == index) focused_ = -1;
    if (focused_ > index) --focused_;
    scroll_to(top_);
    InvalidateRect(hwnd_, nullptr, FALSE);
    return TRUE;
  }

  // A state change the parent hears of, and may refuse while it is LVN_ITEMCHANGING.
  bool change_state(int index, UINT state, UINT mask) {
    Row& row = rows_[static_cast<std::size_t>(index)];
    const UINT old_state = row.state;
    const UINT new_state = (old_state & ~mask) | (state & mask);
    if (new_state == old_state) return true;
    NMLISTVIEW change{};
    change.iItem = index;
    change.uNewState = new_state;
    change.uOldState = old_state;
    change.uChanged = LVIF_STATE;
    change.lParam = row.data;
    const HWND self = hwnd_;
    if (notify_parent(hwnd_, change.hdr, LVN_ITEMCHANGING) != 0 || !IsWindow(self) || !valid(index))
      return false;
    rows_[static_cast<std::size_t>(index)].state = new_state;
    if (new_state & LVIS_FOCUSED) {
      if (focused_ != index && valid(focused_))
        rows_[static_cast<std::size_t>(focused_)].state &= ~LVIS_FOCUSED;
      focused_ = index;
    } else if (focused_ == index) {
      focused_ = -1;
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
    change.hdr = {};
    notify_parent(hwnd_, change.hdr, LVN_ITEMCHANGED);
    return true;
  }

  // The row becomes the only selected one, and the focused one: the others lose their
  // selection first, in order.
  void select_only(int index) {
    const HWND self = hwnd_;
    for (int row = 0; row < count() && IsWindow(self); ++row)
      if (row != index && (rows_[static_cast<std::size_t>(row)].state & (LVIS_SELECTED | LVIS_FOCUSED)))
        change_state(row, 0, LVIS_SELECTED | (valid(index) ? LVIS_FOCUSED : 0u));
    if (IsWindow(self) && valid(index)) {
      change_state(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
      if (IsWindow(self)) ensure_visible(index);
    }
  }

  RECT rows_area() const {
    RECT area = client_rect(hwnd_);
    area.top = header_height();
    if (scrolls()) area.right = std::max(area.left, area.right - kScrollWidth);
    return area;
  }

  bool scrolls() const {
    const int height = static_cast<int>(client_rect(hwnd_).bottom) - header_height();
    return (style() & LVS_NOSCROLL) == 0 && count() * row_height() > height;
  }

  int visible_rows() const {
    const RECT area = rows_area();
    return std::max(1, static_cast<int>(area.bottom - area.top) / row_height());
  }

  void scroll_to(int first) {
    const int last_top = std::max(0, count() - visible_rows());
    const int top = std::clamp(first, 0, last_top);
    if (top == top_) return;
    top_ = top;
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  void ensure_visible(int index) {
    if (!valid(index)) return;
    if (index < top_) scroll_to(index);
    if (index >= top_ + visible_rows()) scroll_to(index - visible_rows() + 1);
  }

  int columns_width() const {
    int width = 0;
    for (const Column& column : columns_)
      width += column.width;
    return width;
  }

  RECT row_rect(int index) const {
    const RECT area = rows_area();
    const int top = area.top + (index - top_) * row_height();
    return {area.left, top, std::min(static_cast<int>(area.right), columns_width()), top + row_height()};
  }

  RECT cell_rect(int index, int column) const {
    RECT rect = row_rect(index);
    int left = 0;
    for (int i = 0; i < column; ++i)
      left += columns_[static_cast<std::size_t>(i)].width;
    rect.left = left;
    rect.right = left + (valid_column(column) ? columns_[static_cast<std::size_t>(column)].width : 0);
    return rect;
  }

  // Without LVS_EX_FULLROWSELECT only the item's own text selects its row.
  int row_at(POINT point, int* column = nullptr) const {
    const RECT area = rows_area();
    if (!PtInRect(&area, point)) return -1;
    const int index = top_ + (point.y - area.top) / row_height();
    if (!valid(index)) return -1;
    int at_column = -1;
    for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
      const RECT cell = cell_rect(index, i);
      if (point.x >= cell.left && point.x < cell.right) at_column = i;
    }
    if (column != nullptr) *column = at_column;
    if (at_column < 0) return -1;
    if ((extended_ & LVS_EX_FULLROWSELECT) == 0) {
      const RECT label = label_rect(index);
      if (point.x >= label.right) return -1;
    }
    return index;
  }

  RECT label_rect(int index) const {
    RECT cell = cell_rect(index, 0);
    const int width = text_width(sub_item_text(rows_[static_cast<std::size_t>(index)], 0)) + 2 * kCellInset;
    cell.right = std::min(cell.right, cell.left + width);
    return cell;
  }

  LRESULT item_rect_message(int index, RECT* rect) const {
    if (!valid(index) || rect == nullptr) return FALSE;
    *rect = rect->left == LVIR_LABEL ? label_rect(index) : row_rect(index);
    return TRUE;
  }

  LRESULT hit_test(LVHITTESTINFO* info) const {
    if (info == nullptr) return -1;
    int column = -1;
    info->iItem = row_at(info->pt, &column);
    info->iSubItem = info->iItem >= 0 ? column : -1;
    info->flags = info->iItem >= 0 ? LVHT_ONITEMLABEL : LVHT_NOWHERE;
    return info->iItem;
  }

  void focus_changed(bool focused) {
    InvalidateRect(hwnd_, nullptr, FALSE);
    NMHDR header{};
    notify_parent(hwnd_, header, focused ? NM_SETFOCUS : NM_KILLFOCUS);
  }

  void activate(UINT code, POINT point, int index, int column) {
    NMITEMACTIVATE click{};
    click.iItem = index;
    click.iSubItem = index >= 0 ? column : -1;
    click.ptAction = point;
    notify_parent(hwnd_, click.hdr, code);
  }

  void press(POINT point, bool double_click) {
    const HWND self = hwnd_;
    if (!has_focus(hwnd_)) SetFocus(hwnd_);
    if (!IsWindow(self)) return;
    if (press_strip(point)) return;
    int column = -1;
    const int index = row_at(point, &column);
    if (double_click) {
      activate(NM_DBLCLK, point, index, column);
      return;
    }
    if (index >= 0) {
      select_only(index);
    } else {
      for (int row = 0; row < count() && IsWindow(self); ++row)
        change_state(row, 0, LVIS_SELECTED);
    }
    if (IsWindow(self)) activate(NM_CLICK, point, index, column);
  }

  void key_down(WORD key) {
    NMLVKEYDOWN down{};
    down.wVKey = key;
    const HWND self = hwnd_;
    notify_parent(hwnd_, down.hdr, LVN_KEYDOWN);
    if (!IsWindow(self) || count() == 0) return;
    const int from = valid(focused_) ? focused_ : -1;
    int to = from;
    switch (key) {
      case VK_UP:
        to = std::max(0, from - 1);
        break;
      case VK_DOWN:
        to = std::min(count() - 1, from + 1);
        break;
      case VK_PRIOR:
        to = std::max(0, from - visible_rows() + 1);
        break;
      case VK_NEXT:
        to = std::min(count() - 1, std::max(0, from) + visible_rows() - 1);
        break;
      case VK_HOME:
        to = 0;
        break;
      case VK_END:
        to = count() - 1;
        break;
      case VK_RETURN: {
        NMHDR header{};
        notify_parent(hwnd_, header, NM_RETURN);
        return;
      }
      default:
        return;
    }
    if (to != from || (valid(to) && (rows_[static_cast<std::size_t>(to)].state & LVIS_SELECTED) == 0))
      select_only(to);
  }

  LRESULT header_notice(const NMHDR& header) {
    if (header.hwndFrom != header_ || header.code != HDN_ITEMCLICKW) return 0;
    NMLISTVIEW click{};
    click.iItem = -1;
    click.iSubItem = reinterpret_cast<const NMHEADERW&>(header).iItem;
    notify_parent(hwnd_, click.hdr, LVN_COLUMNCLICK);
    return 0;
  }

  RECT strip_rect() const {
    RECT client = client_rect(hwnd_);
    return {client.right - kScrollWidth, header_height(), client.right, client.bottom};
  }

  RECT thumb_rect() const {
    const RECT strip = strip_rect();
    const int track = std::max(1, static_cast<int>(strip.bottom - strip.top) - 2 * kScrollWidth);
    const int rows = std::max(1, count());
    const int length = std::max(8, track * visible_rows() / rows);
    const int room = track - length;
    const int last_top = std::max(1, count() - visible_rows());
    const int start = strip.top + kScrollWidth + room * top_ / last_top;
    return {strip.left, start, strip.right, start + length};
  }

  // A press on the scroll strip: the arrows scroll a row, the track a page.
  bool press_strip(POINT point) {
    if (!scrolls()) return false;
    const RECT strip = strip_rect();
    if (!PtInRect(&strip, point)) return false;
    const RECT thumb = thumb_rect();
    if (point.y < strip.top + kScrollWidth) {
      scroll_to(top_ - 1);
    } else if (point.y >= strip.bottom - kScrollWidth) {
      scroll_to(top_ + 1);
    } else if (point.y < thumb.top) {
      scroll_to(top_ - visible_rows());
    } else if (point.y >= thumb.bottom) {
      scroll_to(top_ + visible_rows());
    }
    return true;
  }

  LRESULT set_colour(COLORREF& slot, COLORREF colour) {
    slot = colour;
    InvalidateRect(hwnd_, nullptr, FALSE);
    return TRUE;
  }

  void paint() {
    {
      PaintScope paint(hwnd_);
      BufferedPaint buffer(paint.dc(), client_rect(hwnd_));
      paint_rows(buffer.dc());
    }
    draw_frame(hwnd_);
  }

  void paint_rows(HDC dc) {
    const RECT client = client_rect(hwnd_);
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    const COLORREF background = enabled ? or_system(background_, COLOR_WINDOW) : GetSysColor(COLOR_BTNFACE);
    fill(dc, client, background);
    FontScope scope(dc, font_.font());
    SetBkMode(dc, TRANSPARENT);
    const int last = std::min(count(), top_ + visible_rows() + 1);
    for (int index = top_; index < last; ++index)
      draw_row(dc, index, enabled);
    if (scrolls()) draw_strip(dc);
  }

  void draw_row(HDC dc, int index, bool enabled) {
    const Row& row = rows_[static_cast<std::size_t>(index)];
    const bool focused = has_focus(hwnd_);
    const bool selected = (row.state & LVIS_SELECTED) && (focused || (style() & LVS_SHOWSELALWAYS));
    const bool full_row = (extended_ & LVS_EX_FULLROWSELECT) != 0;
    const RECT area = rows_area();
    const HRGN clip = CreateRectRgn(area.left, area.top, area.right, area.bottom);
    SelectClipRgn(dc, clip);
    if (text_background_ != CLR_DEFAULT && text_background_ != CLR_NONE)
      fill(dc, row_rect(index), text_background_);
    RECT selection = full_row ? row_rect(index) : label_rect(index);
    if (selected) fill(dc, selection, GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
    for (int column = 0; column < static_cast<int>(columns_.size()); ++column) {
      RECT cell = cell_rect(index, column);
      const bool on_selection = selected && (full_row || column == 0);
      COLORREF colour = enabled ? or_system(text_, COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT);
      if (on_selection) colour = GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
      SetTextColor(dc, colour);
      InflateRect(&cell, -kCellInset, 0);
      const int format = columns_[static_cast<std::size_t>(column)].format;
      const UINT align = format & LVCFMT_RIGHT ? DT_RIGHT : (format & LVCFMT_CENTER ? DT_CENTER : DT_LEFT);
      const std::wstring text = sub_item_text(row, column);
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &cell,
                align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (extended_ & LVS_EX_GRIDLINES) {
      const RECT rect = row_rect(index);
      fill(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, GetSysColor(COLOR_BTNFACE));
    }
    if (focused && index == focused_) {
      RECT focus = selection;
      DrawFocusRect(dc, &focus);
    }
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
  }

  void draw_strip(HDC dc) {
    const RECT strip = strip_rect();
    fill(dc, strip, GetSysColor(COLOR_SCROLLBAR));
    RECT up{strip.left, strip.top, strip.right, strip.top + kScrollWidth};
    RECT down{strip.left, strip.bottom - kScrollWidth, strip.right, strip.bottom};
    RECT thumb = thumb_rect();
    for (RECT* part : {&up, &down, &thumb}) {
      fill(dc, *part, GetSysColor(COLOR_BTNFACE));
      DrawEdge(dc, part, EDGE_RAISED, BF_RECT);
    }
    draw_arrow(dc, up, GetSysColor(COLOR_BTNTEXT), ArrowDirection::Up);
    draw_arrow(dc, down, GetSysColor(COLOR_BTNTEXT), ArrowDirection::Down);
  }

  HWND hwnd_;
  HWND header_ = nullptr;
  ControlFont font_;
  std::vector<Column> columns_;
  std::vector<std::wstring> column_names_;
  std::vector<Row> rows_;
  int top_ = 0;
  int focused_ = -1;
  DWORD extended_ = 0;
  COLORREF background_ = CLR_DEFAULT;
  COLORREF text_ = CLR_DEFAULT;
  COLORREF text_background_ = CLR_DEFAULT;
};

}  // namespace

LRESULT CALLBACK list_view_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<ListView>(hwnd, message, wParam, lParam);
}

}  // namespace controls
