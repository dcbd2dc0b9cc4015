#include "tests/controls/kit_fixture.h"

#include <algorithm>

#include "res/console_resources.h"
#include "src/controls/transparent_helper.h"

BEGIN_MESSAGE_MAP(Backdrop, CWnd)
ON_MESSAGE(WM_TRANSPARENT_BACKGROUND, &Backdrop::OnTransparentBackground)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL Backdrop::Create(HWND host, const RECT& rect) {
  if (!CreateEx(0, nullptr, L"backdrop", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect,
                CWnd::FromHandle(host), 1))
    return FALSE;
  CClientDC screen(this);
  picture_.CreateCompatibleDC(&screen);
  const CRect area(rect);
  picture_bitmap_.CreateCompatibleBitmap(&screen, area.Width(), area.Height());
  picture_.SelectObject(&picture_bitmap_);
  for (int y = 0; y < area.Height(); y += 4)
    for (int x = 0; x < area.Width(); x += 4)
      picture_.FillSolidRect(x, y, 4, 4, PictureAt(x, y));
  return TRUE;
}

LRESULT Backdrop::OnTransparentBackground(WPARAM wParam, LPARAM lParam) {
  if (!answers) return 0;
  CTransparentHelper::DrawParentBackground(reinterpret_cast<HWND>(lParam), picture_,
                                           reinterpret_cast<HDC>(wParam));
  return 1;
}

BOOL Backdrop::OnEraseBkgnd(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(&client, kEraseColour);
  return TRUE;
}

BOOL Backdrop::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == BN_CLICKED) ++clicks;
  return CWnd::OnCommand(wParam, lParam);
}

KitTest::KitTest() {
  SetModuleResources(&console_resources());
  backdrop.Create(host, {0, 0, 400, 300});
  pump();
}

KitTest::~KitTest() {
  backdrop.DestroyWindow();
}

HWND KitTest::make_child(const wchar_t* class_name, const wchar_t* text, DWORD style, RECT rect, int id) {
  HWND made = CreateWindowExW(0, class_name, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, backdrop.GetSafeHwnd(),
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
  pump();
  return made;
}

CRect KitTest::bounds_of(HWND hwnd, COLORREF colour) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const std::vector<COLORREF> seen = pixels(hwnd);
  CRect found(client.right, client.bottom, -1, -1);
  for (int y = 0; y < client.bottom; ++y) {
    for (int x = 0; x < client.right; ++x) {
      if (seen[static_cast<size_t>(y * client.right + x)] != colour) continue;
      found.SetRect(std::min<int>(found.left, x), std::min<int>(found.top, y),
                    std::max<int>(found.right, x + 1), std::max<int>(found.bottom, y + 1));
    }
  }
  return found.right < 0 ? CRect() : found;
}
