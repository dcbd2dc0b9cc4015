#include "tests/peers/pdf_reader/viewer_fixture.h"

#include "platform/afx/afx.h"
#include "platform/win/win32.h"

namespace {

constexpr const wchar_t* kFrameClass = L"ViewerFrame";

LRESULT CALLBACK frame_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    if (HWND control = GetDlgItem(hwnd, kReaderControlId))
      MoveWindow(control, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

RECT frame_rect_for(SIZE client) {
  RECT rect{100, 80, 100 + client.cx, 80 + client.cy};
  AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
  return rect;
}

}  // namespace

COLORREF colour_ref(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

ViewerTest::ViewerTest() {
  pdf_reader::install_pdf_reader();
}

ViewerTest::Viewer ViewerTest::open(const std::wstring& path, SIZE client) {
  start_program(L"viewer.exe", [this, path, client] {
    AfxOleInit();
    AfxEnableControlContainer();
    WNDCLASSEXW frame_class{};
    frame_class.cbSize = sizeof(frame_class);
    frame_class.lpfnWndProc = frame_procedure;
    frame_class.lpszClassName = kFrameClass;
    RegisterClassExW(&frame_class);
    const RECT outer = frame_rect_for(client);
    viewer.frame = CreateWindowExW(0, kFrameClass, L"Viewer", WS_OVERLAPPEDWINDOW | WS_VISIBLE, outer.left,
                                   outer.top, outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                   nullptr, nullptr, nullptr);
    CWnd frame;
    frame.Attach(viewer.frame);
    CWnd control;
    viewer.created = control.CreateControl(pdf_reader::kPdfReaderClassId, L"AdobeWnd", WS_VISIBLE | WS_CHILD,
                                           CRect(0, 0, 0, 0), &frame, kReaderControlId);
    if (viewer.created) {
      viewer.control = control.GetSafeHwnd();
      static BYTE parameters[] = VTS_BSTR;
      control.InvokeHelper(2, DISPATCH_METHOD, VT_BOOL, &viewer.loaded, parameters, path.c_str());
      RECT area{};
      GetClientRect(viewer.frame, &area);
      control.MoveWindow(&area);
    }
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    frame.Detach();
    return DWORD{0};
  });
  machine.run_until_idle();
  return viewer;
}

COLORREF ViewerTest::at(POINT point) const {
  ClientToScreen(viewer.control, &point);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

pdf_reader::ReaderView ViewerTest::view() const {
  const auto controls = probe->controls();
  return controls.empty() ? pdf_reader::ReaderView{} : controls.back();
}

void ViewerTest::resize_frame(SIZE client) {
  const RECT outer = frame_rect_for(client);
  SetWindowPos(viewer.frame, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER);
  machine.run_until_idle();
}
