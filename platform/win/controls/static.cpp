// The "Static" class: text labels, pictures (bitmaps and icons), rectangles, frames and etched
// lines. A static without SS_NOTIFY lets the pointer through to its parent.
#include "platform/win/controls/control_procedures.h"
#include "platform/win/controls/control_support.h"

namespace controls {

namespace {

struct FilledType {
  DWORD type;
  int colour;
  bool frame_only;
};

constexpr FilledType kFilledTypes[] = {
    {SS_BLACKRECT, COLOR_WINDOWFRAME, false}, {SS_GRAYRECT, COLOR_BTNSHADOW, false},
    {SS_WHITERECT, COLOR_WINDOW, false},      {SS_BLACKFRAME, COLOR_WINDOWFRAME, true},
    {SS_GRAYFRAME, COLOR_BTNSHADOW, true},    {SS_WHITEFRAME, COLOR_WINDOW, true},
};

class Static {
 public:
  explicit Static(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (font_.handle(hwnd_, message, wParam, lParam, result)) return result;
    switch (message) {
      case WM_NCHITTEST:
        if ((style() & SS_NOTIFY) == 0) return HTTRANSPARENT;
        break;
      case WM_GETDLGCODE:
        return DLGC_STATIC;
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        paint();
        return 0;
      case WM_SETTEXT:
        result = DefWindowProcW(hwnd_, message, wParam, lParam);
        if (!shows_picture()) InvalidateRect(hwnd_, nullptr, TRUE);
        return result;
      case WM_ENABLE:
        InvalidateRect(hwnd_, nullptr, TRUE);
        if (style() & SS_NOTIFY) notify_parent(hwnd_, wParam ? STN_ENABLE : STN_DISABLE);
        return 0;
      case WM_LBUTTONDOWN:
        if (style() & SS_NOTIFY) notify_parent(hwnd_, STN_CLICKED);
        return 0;
      case WM_LBUTTONDBLCLK:
        if (style() & SS_NOTIFY) notify_parent(hwnd_, STN_DBLCLK);
        return 0;
      case STM_SETIMAGE:
        return reinterpret_cast<LRESULT>(
            set_image(static_cast<UINT>(wParam), reinterpret_cast<HANDLE>(lParam)));
      case STM_GETIMAGE:
        return reinterpret_cast<LRESULT>(wParam == image_type_ ? image_ : nullptr);
      case STM_SETICON:
        return reinterpret_cast<LRESULT>(set_image(IMAGE_ICON, reinterpret_cast<HANDLE>(wParam)));
      case STM_GETICON:
        return reinterpret_cast<LRESULT>(image_type_ == IMAGE_ICON ? image_ : nullptr);
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  DWORD style() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
  DWORD type() const { return style() & SS_TYPEMASK; }
  bool shows_picture() const { return type() == SS_BITMAP || type() == SS_ICON; }

  // Keeps the picture and, unless told to keep its own size or centre the picture, takes the
  // picture's size. Returns the picture it replaces.
  HANDLE set_image(UINT image_type, HANDLE image) {
    HANDLE previous = image_;
    image_type_ = image_type;
    image_ = image;
    SIZE size = picture_size();
    if ((style() & (SS_REALSIZECONTROL | SS_CENTERIMAGE)) == 0 && size.cx > 0 && size.cy > 0) {
      RECT window{0, 0, size.cx, size.cy};
      AdjustWindowRectEx(&window, style(), FALSE, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
      SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left, window.bottom - window.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
    return previous;
  }

  SIZE picture_size() const {
    if (image_ == nullptr) return {0, 0};
    // An icon's picture is a bitmap too: its size is the picture's.
    const SIZE size = bitmap_size(image_);
    if (image_type_ == IMAGE_ICON && size.cx == 0)
      return {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    return size;
  }

  void paint() {
    PaintScope paint(hwnd_);
    HDC dc = paint.dc();
    FontScope font(dc, font_.font());
    const RECT client = client_rect(hwnd_);
    if (type() == SS_OWNERDRAW) {
      draw_by_owner(hwnd_, ODT_STATIC, dc, client, 0, IsWindowEnabled(hwnd_) ? 0 : ODS_DISABLED);
      return;
    }
    for (const FilledType& filled : kFilledTypes)
      if (filled.type == type()) {
        if (filled.frame_only) {
          FrameRect(dc, &client, GetSysColorBrush(filled.colour));
        } else {
          FillRect(dc, &client, GetSysColorBrush(filled.colour));
        }
        return;
      }
    HBRUSH background = ask_colours(hwnd_, dc, WM_CTLCOLORSTATIC);
    switch (type()) {
      case SS_ETCHEDHORZ:
      case SS_ETCHEDVERT:
      case SS_ETCHEDFRAME:
        draw_etched(dc, client);
        return;
      case SS_BITMAP:
        FillRect(dc, &client, background);
        draw_picture(dc, client);
        return;
      case SS_ICON:
        FillRect(dc, &client, background);
        draw_picture(dc, client);
        return;
      default:
        FillRect(dc, &client, background);
        draw_text(dc, client);
        return;
    }
  }

  void draw_etched(HDC dc, const RECT& client) {
    RECT line = client;
    UINT sides = BF_RECT;
    if (type() == SS_ETCHEDHORZ) sides = BF_TOP;
    if (type() == SS_ETCHEDVERT) sides = BF_LEFT;
    DrawEdge(dc, &line, EDGE_ETCHED, sides);
  }

  void draw_picture(HDC dc, const RECT& client) {
    if (image_ == nullptr) return;
    const SIZE size = picture_size();
    const bool centred = (style() & SS_CENTERIMAGE) != 0;
    const int x = centred ? (client.right - size.cx) / 2 : 0;
    const int y = centred ? (client.bottom - size.cy) / 2 : 0;
    if (image_type_ == IMAGE_ICON) {
      DrawIconEx(dc, x, y, static_cast<HICON>(image_), 0, 0, 0, nullptr, DI_NORMAL);
    } else {
      draw_bitmap(dc, image_, x, y);
    }
  }

  UINT text_format() const {
    UINT format = DT_WORDBREAK;
    switch (type()) {
      case SS_CENTER:
        format |= DT_CENTER;
        break;
      case SS_RIGHT:
        format |= DT_RIGHT;
        break;
      case SS_SIMPLE:
      case SS_LEFTNOWORDWRAP:
        format = DT_SINGLELINE;
        break;
      default:
        break;
    }
    if (style() & SS_NOPREFIX) format |= DT_NOPREFIX;
    if (style() & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    return format;
  }

  void draw_text(HDC dc, RECT client) {
    const std::wstring text = window_text(hwnd_);
    if (!IsWindowEnabled(hwnd_)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, text_format());
  }

  HWND hwnd_;
  ControlFont font_;
  UINT image_type_ = IMAGE_BITMAP;
  HANDLE image_ = nullptr;
};

}  // namespace

LRESULT CALLBACK static_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<Static>(hwnd, message, wParam, lParam);
}

}  // namespace controls
