#include "src/media/thumbnail.h"

#include <memory>

#include "platform/win/gdiplus_api.h"
#include "platform/win/win32.h"

namespace {

// A bitmap of the frame's size, black, with source stretched over it when there is one.
HBITMAP FrameBitmap(CStatic& frame, HBITMAP source, int sourceWidth, int sourceHeight) {
  CRect area;
  frame.GetClientRect(&area);
  HDC screen = ::GetDC(nullptr);
  HDC to = ::CreateCompatibleDC(screen);
  HBITMAP stretched = ::CreateCompatibleBitmap(screen, area.Width(), area.Height());
  HGDIOBJ oldTo = ::SelectObject(to, stretched);
  const RECT whole{0, 0, area.Width(), area.Height()};
  HBRUSH black = ::CreateSolidBrush(RGB(0, 0, 0));
  ::FillRect(to, &whole, black);
  ::DeleteObject(black);
  if (source != nullptr) {
    HDC from = ::CreateCompatibleDC(screen);
    HGDIOBJ oldFrom = ::SelectObject(from, source);
    ::SetStretchBltMode(to, HALFTONE);
    ::StretchBlt(to, 0, 0, area.Width(), area.Height(), from, 0, 0, sourceWidth, sourceHeight, SRCCOPY);
    ::SelectObject(from, oldFrom);
    ::DeleteDC(from);
  }
  ::SelectObject(to, oldTo);
  ::DeleteDC(to);
  ::ReleaseDC(nullptr, screen);
  return stretched;
}

void HandOver(CStatic& frame, CBitmap& picture, HBITMAP bitmap) {
  frame.SetBitmap(bitmap);
  picture.DeleteObject();
  picture.Attach(bitmap);
}

}  // namespace

bool ShowThumbnail(CStatic& frame, CBitmap& picture, const std::wstring& path) {
  std::unique_ptr<Gdiplus::Bitmap> file(Gdiplus::Bitmap::FromFile(path.c_str()));
  HBITMAP source = nullptr;
  if (!file || file->GetLastStatus() != Gdiplus::Ok ||
      file->GetHBITMAP(Gdiplus::Color(0, 0, 0, 0), &source) != Gdiplus::Ok) {
    ShowBlackFrame(frame, picture);
    return false;
  }
  HandOver(
      frame, picture,
      FrameBitmap(frame, source, static_cast<int>(file->GetWidth()), static_cast<int>(file->GetHeight())));
  ::DeleteObject(source);
  return true;
}

void ShowBlackFrame(CStatic& frame, CBitmap& picture) {
  HandOver(frame, picture, FrameBitmap(frame, nullptr, 0, 0));
}
