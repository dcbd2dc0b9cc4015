// A track bar painted with skin pictures: the channel (bitmap 275) and a thumb (276) drawn with
// its top-left colour transparent, under the program's own cursor (277). Input, range, position
// and notifications stay the track bar's; this class only repaints at the right moments.
#pragma once

#include <memory>

#include "platform/afx/afx.h"
#include "platform/afx/slider_ctrl.h"
#include "src/controls/zip_bitmap.h"

class CZipSliderCtl : public CSliderCtrl {
 public:
  CZipSliderCtl();
  ~CZipSliderCtl() override;

  // Loads the cursor and both pictures from the program's resources; false when one is missing.
  bool LoadSkin();
  // The thumb's left edge for a position: (position - 1) × step + 4, where step is
  // (width - 8) ÷ (max - min + 1), 0 for an empty range.
  static int ThumbLeft(int width, int min, int max, int position);

 protected:
  void OnPaint();
  void OnLButtonDown(UINT flags, CPoint point);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnMouseMove(UINT flags, CPoint point);
  void OnKeyUp(UINT key, UINT repeat, UINT flags);
  BOOL OnSetCursor(CWnd* wnd, UINT hit_test, UINT message);
  DECLARE_MESSAGE_MAP()

 private:
  std::unique_ptr<CZipBitmap> channel_;
  std::unique_ptr<CZipBitmap> thumb_;
  HCURSOR cursor_ = nullptr;
  int button_down_ = 0;
};
