// CTransparentImage: a picture static whose magenta pixels let what lies under it show.
#pragma once

#include "platform/afx/afx.h"

class CTransparentImage : public CStatic {
 public:
  ~CTransparentImage() override = default;

 protected:
  void OnPaint();
  DECLARE_MESSAGE_MAP()

 private:
  // Without MaskBlt: the keyed image combined by hand with what the screen shows there.
  static void CombineThroughScreen(CDC& target, CDC& image, CDC& mask, const CSize& size);
};
