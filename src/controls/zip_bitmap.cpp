#include "src/controls/zip_bitmap.h"

namespace {

constexpr int kThumbTop = -2;

}  // namespace

void CZipBitmap::ReadSize() {
  if (width_ != 0 || GetSafeHandle() == nullptr) return;
  BITMAP info{};
  GetBitmap(&info);
  width_ = info.bmWidth;
  height_ = info.bmHeight;
}

int CZipBitmap::GetWidth() {
  ReadSize();
  return width_;
}

int CZipBitmap::GetHeight() {
  ReadSize();
  return height_;
}

void CZipBitmap::Draw(CDC* dc) {
  CDC source;
  source.CreateCompatibleDC(dc);
  CBitmap* previous = source.SelectObject(this);
  dc->BitBlt(0, 0, GetWidth(), GetHeight(), &source, 0, 0, SRCCOPY);
  source.SelectObject(previous);
}

void CZipBitmap::CreateMask(CDC* dc) {
  mask_.DeleteObject();
  mask_.CreateBitmap(GetWidth(), GetHeight(), 1, 1, nullptr);
  CDC source;
  source.CreateCompatibleDC(dc);
  CBitmap* previous_source = source.SelectObject(this);
  CDC mask;
  mask.CreateCompatibleDC(dc);
  CBitmap* previous_mask = mask.SelectObject(&mask_);
  // Copying colour to monochrome gives 1 exactly where the source has the background colour.
  source.SetBkColor(source.GetPixel(0, 0));
  mask.BitBlt(0, 0, GetWidth(), GetHeight(), &source, 0, 0, SRCCOPY);
  mask.SelectObject(previous_mask);
  source.SelectObject(previous_source);
}

void CZipBitmap::DrawTransparent(CDC* dc, int x) {
  if (mask_.GetSafeHandle() == nullptr) CreateMask(dc);
  const int width = GetWidth();
  const int height = GetHeight();
  CDC scratch;
  scratch.CreateCompatibleDC(dc);
  CBitmap area;
  area.CreateCompatibleBitmap(dc, width, height);
  CBitmap* previous_area = scratch.SelectObject(&area);
  scratch.BitBlt(0, 0, width, height, dc, x, kThumbTop, SRCCOPY);

  CDC image;
  image.CreateCompatibleDC(dc);
  CBitmap* previous_image = image.SelectObject(this);
  CDC mask;
  mask.CreateCompatibleDC(dc);
  CBitmap* previous_mask = mask.SelectObject(&mask_);
  // thumb ^ (dest ^ thumb) & mask: the destination where the mask is 1, the thumb where it is 0.
  scratch.SetBkColor(RGB(255, 255, 255));
  scratch.SetTextColor(RGB(0, 0, 0));
  scratch.BitBlt(0, 0, width, height, &image, 0, 0, SRCINVERT);
  scratch.BitBlt(0, 0, width, height, &mask, 0, 0, SRCAND);
  scratch.BitBlt(0, 0, width, height, &image, 0, 0, SRCINVERT);
  dc->BitBlt(x, kThumbTop, width, height, &scratch, 0, 0, SRCCOPY);

  mask.SelectObject(previous_mask);
  image.SelectObject(previous_image);
  scratch.SelectObject(previous_area);
}
