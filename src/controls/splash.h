// The one splash window of the console's start-up: a bitmap in a topmost popup, centred on the
// desktop.
#pragma once

#include "platform/afx/afx.h"

class SPLASH {
 public:
  SPLASH() = default;
  SPLASH(const SPLASH&) = delete;
  SPLASH& operator=(const SPLASH&) = delete;
  virtual ~SPLASH();

  // Makes the hidden splash window owned by owner, sized by the bitmap resource; false when the
  // window or the bitmap cannot be had.
  bool Create(HWND owner, HINSTANCE instance, UINT bitmap_id);
  void Show();
  void Hide();

  bool IsShown() const { return shown_; }
  HWND GetSafeHwnd() const { return splash_; }

 private:
  bool shown_ = false;
  HWND owner_ = nullptr;
  HWND splash_ = nullptr;
  HBITMAP bitmap_ = nullptr;
};
