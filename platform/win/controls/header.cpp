// The "SysHeader32" class: the captions over a list view's columns, side by side, each as wide
// as its column. A click on a caption tells the parent with HDN_ITEMCLICKW.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/win/controls/control_procedures.h"
#include "platform/win/controls/control_support.h"

namespace controls {

namespace {

struct HeaderItem {
  std::wstring text;
  int width = 0;
  int format = HDF_LEFT;
  LPARAM data = 0;
};

class Header {
 public:
  explicit Header(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT font_result = 0;
    if (font_.handle(hwnd_, message, wParam, lParam, font_result)) return font_result;
    switch (message) {
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        paint();
        return 0;
      case WM_LBUTTONDOWN:
        pressed_ = item_at(point_of(lParam));
        if (pressed_ >= 0) SetCapture(hwnd_);
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_LBUTTONUP:
        release(point_of(lParam));
        return 0;
      case WM_CAPTURECHANGED:
        pressed_ = -1;
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case HDM_GETITEMCOUNT:
        return static_cast<LRESULT>(items_.size());
      case HDM_INSERTITEMW:
        return insert(static_cast<int>(wParam), reinterpret_cast<const HDITEMW*>(lParam));
      case HDM_DELETEITEM:
        if (!valid(static_cast<int>(wParam))) return FALSE;
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(wParam));
        InvalidateRect(hwnd_, nullptr, FALSE);
        return TRUE;
      case HDM_GETITEMW:
        return get(static_cast<int>(wParam), reinterpret_cast<HDITEMW*>(lParam));
      case HDM_SETITEMW:
        return set(static_cast<int>(wParam), reinterpret_cast<const HDITEMW*>(lParam));
      case HDM_GETITEMRECT:
        if (!valid(static_cast<int>(wParam)) || lParam == 0) return FALSE;
        *reinterpret_cast<RECT*>(lParam) = item_rect(static_cast<int>(wParam));
        return TRUE;
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  bool valid(int index) const { return index >= 0 && index < static_cast<int>(items_.size()); }

  static void apply(HeaderItem& item, const HDITEMW& from) {
    if ((from.mask & HDI_TEXT) && from.pszText != nullptr) item.text = from.pszText;
    if (from.mask & HDI_WIDTH) item.width = std::max(0, from.cxy);
    if (from.mask & HDI_FORMAT) item.format = from.fmt;
    if (from.mask & HDI_LPARAM) item.data = from.lParam;
  }

  LRESULT insert(int index, const HDITEMW* from) {
    if (from == nullptr) return -1;
    HeaderItem item;
    apply(item, *from);
    index = std::clamp(index, 0, static_cast<int>(items_.size()));
    items_.insert(items_.begin() + index, std::move(item));
    InvalidateRect(hwnd_, nullptr, FALSE);
    return index;
  }

  LRESULT get(int index, HDITEMW* to) const {
    if (!valid(index) || to == nullptr) return FALSE;
    const HeaderItem& item = items_[static_cast<std::size_t>(index)];
    if (to->mask & HDI_WIDTH) to->cxy = item.width;
    if (to->mask & HDI_FORMAT) to->fmt = item.format;
    if (to->mask & HDI_LPARAM) to->lParam = item.data;
    if ((to->mask & HDI_TEXT) && to->pszText != nullptr && to->cchTextMax > 0) {
      const auto copied =
          std::min<std::size_t>(item.text.size(), static_cast<std::size_t>(to->cchTextMax - 1));
      std::copy_n(item.text.begin(), copied, to->pszText);
      to->pszText[copied] = L'\0';
    }
    return TRUE;
  }

  LRESULT set(int index, const HDITEMW* from) {
    if (!valid(index) || from == nullptr) return FALSE;
    apply(items_[static_cast<std::size_t>(index)], *from);
    InvalidateRect(hwnd_, nullptr, FALSE);
    return TRUE;
  }

  RECT item_rect(int index) const {
    const RECT client = client_rect(hwnd_);
    int left = 0;
    for (int i = 0; i < index; ++i)
      left += items_[static_cast<std::size_t>(i)].width;
    return {left, 0, left + items_[static_cast<std::size_t>(index)].width, client.bottom};
  }

  int item_at(POINT point) const {
    for (int index = 0; index < static_cast<int>(items_.size()); ++index) {
      const RECT rect = item_rect(index);
      if (PtInRect(&rect, point)) return index;
    }
    return -1;
  }

  void release(POINT point) {
    const int pressed = pressed_;
    if (GetCapture() == hwnd_) ReleaseCapture();
    pressed_ = -1;
    InvalidateRect(hwnd_, nullptr, FALSE);
    if (pressed < 0 || item_at(point) != pressed) return;
    NMHEADERW click{};
    click.iItem = pressed;
    click.iButton = 0;
    notify_parent(hwnd_, click.hdr, HDN_ITEMCLICKW);
  }

  void paint() {
    PaintScope paint(hwnd_);
    const RECT client = client_rect(hwnd_);
    BufferedPaint buffer(paint.dc(), client);
    HDC dc = buffer.dc();
    fill(dc, client, GetSysColor(COLOR_BTNFACE));
    FontScope scope(dc, font_.font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    for (int index = 0; index < static_cast<int>(items_.size()); ++index) {
      RECT rect = item_rect(index);
      DrawEdge(dc, &rect, index == pressed_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
      InflateRect(&rect, -4, 0);
      const HeaderItem& item = items_[static_cast<std::size_t>(index)];
      const UINT align =
          item.format & HDF_RIGHT ? DT_RIGHT : (item.format & HDF_CENTER ? DT_CENTER : DT_LEFT);
      DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &rect,
                align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
  }

  HWND hwnd_;
  ControlFont font_;
  std::vector<HeaderItem> items_;
  int pressed_ = -1;
};

}  // namespace

LRESULT CALLBACK header_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<Header>(hwnd, message, wParam, lParam);
}

}  // namespace controls
