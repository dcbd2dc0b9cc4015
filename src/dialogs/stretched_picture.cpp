#include "src/dialogs/stretched_picture.h"

#include "platform/win/win32.h"

bool ShowStretchedPicture(CStatic& target, CBitmap& picture, UINT bitmapId, int stretchMode) {
  HBITMAP source = static_cast<HBITMAP>(::LoadImageW(::AfxGetResourceHandle(), MAKEINTRESOURCEW(bitmapId),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (source == nullptr) return false;
  BITMAP size{};
  ::GetObjectW(source, sizeof(size), &size);
  CRect area;
  target.GetClientRect(&area);
  HDC screen = ::GetDC(nullptr);
  HDC from = ::CreateCompatibleDC(screen);
  HDC to = ::CreateCompatibleDC(screen);
  HBITMAP stretched = ::CreateCompatibleBitmap(screen, area.Width(), area.Height());
  HGDIOBJ oldFrom = ::SelectObject(from, source);
  HGDIOBJ oldTo = ::SelectObject(to, stretched);
  ::SetStretchBltMode(to, stretchMode);
  ::StretchBlt(to, 0, 0, area.Width(), area.Height(), from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  ::SelectObject(to, oldTo);
  ::SelectObject(from, oldFrom);
  ::DeleteDC(to);
  ::DeleteDC(from);
  ::ReleaseDC(nullptr, screen);
  ::DeleteObject(source);
  target.SetBitmap(stretched);
  picture.DeleteObject();
  picture.Attach(stretched);
  return true;
}
