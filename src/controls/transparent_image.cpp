#include "src/controls/transparent_image.h"

BEGIN_MESSAGE_MAP(CTransparentImage, CStatic)
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {
constexpr COLORREF kTransparentColour = RGB(255, 0, 255);
// Keeps the destination where the mask is 1 and copies the source where it is 0.
constexpr DWORD kKeepWhereMasked = 0xCCAA0020;
constexpr DWORD kClearMasked = 0x00220326;  // destination AND NOT source
}  // namespace

void CTransparentImage::OnPaint() {
  const HBITMAP picture = GetBitmap();
  if (picture == nullptr) {
    Default();
    return;
  }
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  const CSize size = client.Size();

  CDC image;
  image.CreateCompatibleDC(&dc);
  CBitmap image_bitmap;
  image_bitmap.CreateCompatibleBitmap(&dc, size.cx, size.cy);
  CBitmap* previous_image = image.SelectObject(&image_bitmap);
  image.FillSolidRect(0, 0, size.cx, size.cy, kTransparentColour);
  CDC source;
  source.CreateCompatibleDC(&dc);
  CBitmap* previous_source = source.SelectObject(CBitmap::FromHandle(picture));
  image.BitBlt(0, 0, size.cx, size.cy, &source, 0, 0, SRCCOPY);
  source.SelectObject(previous_source);

  CDC mask;
  mask.CreateCompatibleDC(&dc);
  CBitmap mask_bitmap;
  mask_bitmap.CreateBitmap(size.cx, size.cy, 1, 1, nullptr);
  CBitmap* previous_mask = mask.SelectObject(&mask_bitmap);
  image.SetBkColor(kTransparentColour);
  mask.BitBlt(0, 0, size.cx, size.cy, &image, 0, 0, SRCCOPY);

  if (!dc.MaskBlt(0, 0, size.cx, size.cy, &image, 0, 0, mask_bitmap, 0, 0, kKeepWhereMasked))
    CombineThroughScreen(dc, image, mask, size);
  mask.SelectObject(previous_mask);
  image.SelectObject(previous_image);
}

void CTransparentImage::CombineThroughScreen(CDC& target, CDC& image, CDC& mask, const CSize& size) {
  CDC scratch;
  scratch.CreateCompatibleDC(&target);
  CBitmap scratch_bitmap;
  scratch_bitmap.CreateCompatibleBitmap(&target, size.cx, size.cy);
  CBitmap* previous = scratch.SelectObject(&scratch_bitmap);
  scratch.BitBlt(0, 0, size.cx, size.cy, &target, 0, 0, SRCCOPY);
  scratch.BitBlt(0, 0, size.cx, size.cy, &mask, 0, 0, SRCAND);
  // The mask's 1 bits become white in a colour DC only with a white background colour.
  image.SetBkColor(RGB(255, 255, 255));
  image.SetTextColor(RGB(0, 0, 0));
  image.BitBlt(0, 0, size.cx, size.cy, &mask, 0, 0, kClearMasked);
  scratch.BitBlt(0, 0, size.cx, size.cy, &image, 0, 0, SRCPAINT);
  target.BitBlt(0, 0, size.cx, size.cy, &scratch, 0, 0, SRCCOPY);
  scratch.SelectObject(previous);
}
