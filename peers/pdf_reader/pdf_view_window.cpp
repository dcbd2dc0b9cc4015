// The control's window: the page drawn to the window's width, paged by keys and the wheel, the
// message line for a file it cannot show, and the focus taken on a click.
#include <algorithm>
#include <cstring>

#include "peers/pdf_reader/pdf_reader_control.h"
#include "platform/win/win32.h"

namespace pdf_reader {
namespace {

struct PageKey {
  UINT key;
  int step;       // pages forward or back
  bool absolute;  // to the first page (step 0) or the last (step 1)
};
constexpr PageKey kPageKeys[] = {
    {VK_NEXT, 1, false},
    {VK_PRIOR, -1, false},
    {VK_HOME, 0, true},
    {VK_END, 1, true},
};

PdfReaderControl* control_of(HWND hwnd) {
  return reinterpret_cast<PdfReaderControl*>(GetWindowLongPtrW(hwnd, 0));
}

HBITMAP bitmap_of(const PageImage& image) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr) std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(std::uint32_t));
  return bitmap;
}

}  // namespace

HRESULT STDMETHODCALLTYPE PdfReaderControl::CreateControlWindow(HWND parent, const RECT& rect, DWORD style,
                                                                UINT id, HWND* window) {
  if (window == nullptr) return E_POINTER;
  *window = nullptr;
  if (view_.window != nullptr) return E_UNEXPECTED;
  WNDCLASSEXW view_class{};
  if (!GetClassInfoExW(nullptr, kViewWindowClass, &view_class)) {
    view_class.cbSize = sizeof(view_class);
    view_class.style = CS_DBLCLKS;
    view_class.lpfnWndProc = window_procedure;
    view_class.cbWndExtra = sizeof(PdfReaderControl*);
    view_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    view_class.lpszClassName = kViewWindowClass;
    if (RegisterClassExW(&view_class) == 0) return HRESULT_FROM_WIN32(GetLastError());
  }
  HWND created = CreateWindowExW(0, kViewWindowClass, nullptr, style | WS_CHILD | WS_CLIPSIBLINGS, rect.left,
                                 rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, this);
  if (created == nullptr) return HRESULT_FROM_WIN32(GetLastError());
  *window = created;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE PdfReaderControl::DestroyControlWindow() {
  if (view_.window != nullptr && IsWindow(view_.window)) DestroyWindow(view_.window);
  return S_OK;
}

LRESULT CALLBACK PdfReaderControl::window_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* control = static_cast<PdfReaderControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(control));
    control->view_.window = hwnd;
    control->report();
  }
  PdfReaderControl* control = control_of(hwnd);
  if (control == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, 0, 0);
    if (control->page_bitmap_ != nullptr) DeleteObject(control->page_bitmap_);
    control->page_bitmap_ = nullptr;
    control->view_.window = nullptr;
    control->report();
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return control->handle(message, wParam, lParam);
}

LRESULT PdfReaderControl::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = view_.window;
  switch (message) {
    case WM_SIZE:
      draw_page();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint();
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_MOUSEWHEEL:
      on_wheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_KEYDOWN:
      for (const PageKey& key : kPageKeys)
        if (key.key == wParam && document_) {
          show_page(key.absolute ? key.step * (view_.pages - 1) : view_.page + key.step);
          return 0;
        }
      return DefWindowProcW(hwnd, message, wParam, lParam);
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void PdfReaderControl::on_wheel(short delta) {
  wheel_remainder_ += delta;
  const int notches = wheel_remainder_ / WHEEL_DELTA;
  wheel_remainder_ -= notches * WHEEL_DELTA;
  if (notches != 0 && document_) show_page(view_.page - notches);
}

void PdfReaderControl::show_page(int page) {
  const int shown = std::clamp(page, 0, std::max(view_.pages - 1, 0));
  if (shown == view_.page && page_bitmap_ != nullptr) return;
  view_.page = shown;
  draw_page();
}

void PdfReaderControl::draw_page() {
  if (page_bitmap_ != nullptr) DeleteObject(page_bitmap_);
  page_bitmap_ = nullptr;
  page_size_ = {};
  RECT client{};
  if (view_.window != nullptr) GetClientRect(view_.window, &client);
  if (document_ && client.right > 0 && client.bottom > 0) {
    std::vector<std::string> log;
    PageImage image = document_->render(view_.page, client.right, client.bottom, log);
    for (std::string& line : log)
      probe_->log("poppler: " + line);
    if (!image.pixels.empty()) {
      page_bitmap_ = bitmap_of(image);
      page_size_ = {image.width, image.height};
      view_.width = client.right;
      view_.height = client.bottom;
      ++view_.renders;
    }
  }
  report();
  if (view_.window != nullptr) InvalidateRect(view_.window, nullptr, FALSE);
}

void PdfReaderControl::paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(view_.window, &paint);
  RECT client{};
  GetClientRect(view_.window, &client);
  HBRUSH backdrop = CreateSolidBrush(kBackdropColour);
  FillRect(dc, &client, backdrop);
  DeleteObject(backdrop);
  if (page_bitmap_ != nullptr) {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, page_bitmap_);
    BitBlt(dc, 0, 0, page_size_.cx, page_size_.cy, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
  } else if (!view_.message.empty()) {
    HGDIOBJ font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kMessageColour);
    DrawTextW(dc, view_.message.c_str(), -1, &client, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    SelectObject(dc, font);
  }
  EndPaint(view_.window, &paint);
}

}  // namespace pdf_reader
