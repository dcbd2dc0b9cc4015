#include "src/catalog/search/slot_picture.h"

#include <memory>

#include "platform/win/gdiplus_api.h"
#include "platform/win/win32.h"

namespace {

// A new bitmap of the slot's size drawn by draw on a black ground, handed to the slot.
template <typename Draw>
void KeepInSlot(CStatic& slot, CBitmap& kept, Draw draw) {
  CRect area;
  slot.GetClientRect(&area);
  HDC screen = ::GetDC(nullptr);
  HDC to = ::CreateCompatibleDC(screen);
  HBITMAP picture = ::CreateCompatibleBitmap(screen, area.Width(), area.Height());
  HGDIOBJ old = ::SelectObject(to, picture);
  ::PatBlt(to, 0, 0, area.Width(), area.Height(), BLACKNESS);
  draw(to, area.Width(), area.Height());
  ::SelectObject(to, old);
  ::DeleteDC(to);
  ::ReleaseDC(nullptr, screen);
  slot.SetBitmap(picture);
  kept.DeleteObject();
  kept.Attach(picture);
  slot.Invalidate();
}

void StretchInto(CStatic& slot, CBitmap& kept, HBITMAP source) {
  BITMAP size{};
  ::GetObjectW(source, sizeof(size), &size);
  KeepInSlot(slot, kept, [&](HDC to, int width, int height) {
    HDC from = ::CreateCompatibleDC(to);
    HGDIOBJ old = ::SelectObject(from, source);
    ::SetStretchBltMode(to, HALFTONE);
    ::StretchBlt(to, 0, 0, width, height, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    ::SelectObject(from, old);
    ::DeleteDC(from);
  });
  ::DeleteObject(source);
}

}  // namespace

bool ShowFilePicture(CStatic& slot, CBitmap& kept, const std::wstring& path) {
  std::unique_ptr<Gdiplus::Bitmap> file(Gdiplus::Bitmap::FromFile(path.c_str()));
  HBITMAP source = nullptr;
  if (!file || file->GetLastStatus() != Gdiplus::Ok ||
      file->GetHBITMAP(Gdiplus::Color(0, 0, 0), &source) != Gdiplus::Ok || source == nullptr) {
    ShowBlackPicture(slot, kept);
    return false;
  }
  StretchInto(slot, kept, source);
  return true;
}

bool ShowResourcePicture(CStatic& slot, CBitmap& kept, UINT bitmapId) {
  HBITMAP source = static_cast<HBITMAP>(::LoadImageW(::AfxGetResourceHandle(), MAKEINTRESOURCEW(bitmapId),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (source == nullptr) {
    ShowBlackPicture(slot, kept);
    return false;
  }
  StretchInto(slot, kept, source);
  return true;
}

void ShowBlackPicture(CStatic& slot, CBitmap& kept) {
  KeepInSlot(slot, kept, [](HDC, int, int) {});
}
