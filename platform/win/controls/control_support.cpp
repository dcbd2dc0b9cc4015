#include "platform/win/controls/control_support.h"

namespace controls {

bool ControlFont::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_GETFONT) {
    result = reinterpret_cast<LRESULT>(font_);
    return true;
  }
  if (message != WM_SETFONT) return false;
  font_ = reinterpret_cast<HFONT>(wParam);
  if (LOWORD(lParam) != 0) InvalidateRect(hwnd, nullptr, TRUE);
  result = 0;
  return true;
}

FontScope::FontScope(HDC dc, HFONT font) : dc_(dc) {
  if (font != nullptr) previous_ = SelectObject(dc, font);
}

FontScope::~FontScope() {
  if (previous_ != nullptr) SelectObject(dc_, previous_);
}

PaintScope::PaintScope(HWND hwnd) : hwnd_(hwnd) {
  BeginPaint(hwnd, &paint_);
}

PaintScope::~PaintScope() {
  EndPaint(hwnd_, &paint_);
}

BufferedPaint::BufferedPaint(HDC target, const RECT& area)
    : target_(target),
      area_(area),
      dc_(CreateCompatibleDC(target)),
      bitmap_(CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top)),
      previous_(SelectObject(dc_, bitmap_)) {
  SetViewportOrgEx(dc_, -area.left, -area.top, nullptr);
}

BufferedPaint::~BufferedPaint() {
  SetViewportOrgEx(dc_, 0, 0, nullptr);
  BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_, 0, 0,
         SRCCOPY);
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

int control_id(HWND hwnd) {
  return static_cast<int>(GetWindowLongPtrW(hwnd, GWLP_ID));
}

void notify_parent(HWND hwnd, WORD code) {
  HWND parent = GetParent(hwnd);
  if (parent == nullptr) return;
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(control_id(hwnd)), code),
               reinterpret_cast<LPARAM>(hwnd));
}

LRESULT notify_parent(HWND hwnd, NMHDR& header, UINT code) {
  header.hwndFrom = hwnd;
  header.idFrom = static_cast<UINT_PTR>(control_id(hwnd));
  header.code = code;
  HWND parent = GetParent(hwnd);
  if (parent == nullptr) return 0;
  return SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void draw_by_owner(HWND control, UINT control_type, HDC dc, const RECT& rect, UINT item, UINT state,
                   UINT action, ULONG_PTR data) {
  DRAWITEMSTRUCT drawing{};
  drawing.CtlType = control_type;
  drawing.CtlID = static_cast<UINT>(control_id(control));
  drawing.itemID = item;
  drawing.itemAction = action;
  drawing.itemState = state;
  drawing.hwndItem = control;
  drawing.hDC = dc;
  drawing.rcItem = rect;
  drawing.itemData = data;
  SendMessageW(GetParent(control), WM_DRAWITEM, drawing.CtlID, reinterpret_cast<LPARAM>(&drawing));
}

HBRUSH ask_colours(HWND hwnd, HDC dc, UINT ctlcolor_message) {
  HWND parent = GetParent(hwnd);
  if (parent != nullptr) {
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(parent, ctlcolor_message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    if (brush != nullptr) return brush;
  }
  const bool window_coloured = ctlcolor_message == WM_CTLCOLOREDIT || ctlcolor_message == WM_CTLCOLORLISTBOX;
  SetTextColor(dc, GetSysColor(window_coloured ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
  SetBkColor(dc, GetSysColor(window_coloured ? COLOR_WINDOW : COLOR_BTNFACE));
  return GetSysColorBrush(window_coloured ? COLOR_WINDOW : COLOR_BTNFACE);
}

void draw_frame(HWND hwnd) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
  if ((style & WS_BORDER) == 0 && (ex_style & WS_EX_CLIENTEDGE) == 0) return;
  HDC dc = GetWindowDC(hwnd);
  RECT window;
  GetWindowRect(hwnd, &window);
  RECT frame{0, 0, window.right - window.left, window.bottom - window.top};
  if (style & WS_BORDER) {
    FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&frame, -1, -1);
  }
  if (ex_style & WS_EX_CLIENTEDGE) DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
  ReleaseDC(hwnd, dc);
}

SIZE bitmap_size(HANDLE bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof(info), &info) == 0) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

void draw_bitmap(HDC dc, HANDLE bitmap, int x, int y) {
  const SIZE size = bitmap_size(bitmap);
  if (size.cx == 0) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, bitmap);
  BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}

std::wstring window_text(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool has_focus(HWND hwnd) {
  return GetFocus() == hwnd;
}

void fill(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

RECT client_rect(HWND hwnd) {
  RECT rect{};
  GetClientRect(hwnd, &rect);
  return rect;
}

int line_height(HDC dc) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return metrics.tmHeight;
}

int line_height_of(HWND hwnd, HFONT font) {
  HDC dc = GetDC(hwnd);
  int height = 0;
  {
    FontScope scope(dc, font);
    height = line_height(dc);
  }
  ReleaseDC(hwnd, dc);
  return height;
}

POINT point_of(LPARAM lParam) {
  return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace controls
