#include "src/controls/splash.h"

SPLASH::~SPLASH() {
  if (splash_ != nullptr && IsWindow(splash_)) DestroyWindow(splash_);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

bool SPLASH::Create(HWND owner, HINSTANCE instance, UINT bitmap_id) {
  owner_ = owner;
  shown_ = false;
  splash_ = CreateWindowExW(WS_EX_PALETTEWINDOW, L"STATIC", L"", WS_POPUP | SS_BITMAP, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
  if (splash_ == nullptr) return false;
  bitmap_ = LoadBitmapW(instance, MAKEINTRESOURCEW(bitmap_id));
  if (bitmap_ == nullptr) return false;
  // The static sizes itself to the bitmap.
  SendMessageW(splash_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_));
  return true;
}

void SPLASH::Show() {
  if (splash_ == nullptr) return;
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  RECT client{};
  GetClientRect(splash_, &client);
  const int x = desktop.left + (desktop.right - desktop.left) / 2 - client.right / 2;
  const int y = desktop.top + (desktop.bottom - desktop.top) / 2 - client.bottom / 2;
  // A picture takes no activation: the start-up's boxes belong to the console, on its monitor.
  SetWindowPos(splash_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  UpdateWindow(splash_);
  shown_ = true;
}

void SPLASH::Hide() {
  if (splash_ != nullptr) ShowWindow(splash_, SW_HIDE);
  shown_ = false;
}
