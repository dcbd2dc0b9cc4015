// A skin bitmap: drawn as it is, or with its top-left pixel's colour left transparent through a
// monochrome mask built when first needed.
#pragma once

#include "platform/afx/afx.h"

class CZipBitmap : public CBitmap {
 public:
  int GetWidth();
  int GetHeight();
  // Copies the whole bitmap to (0, 0) of dc at its own size.
  void Draw(CDC* dc);
  // Mask 1 (transparent) where a pixel equals the top-left one, 0 elsewhere.
  void CreateMask(CDC* dc);
  // Draws with its top-left corner at (x, -2), the channel showing through where the mask is 1.
  void DrawTransparent(CDC* dc, int x);

 private:
  void ReadSize();

  int width_ = 0;
  int height_ = 0;
  CBitmap mask_;
};
