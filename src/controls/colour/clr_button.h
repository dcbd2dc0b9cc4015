// An owner-drawn push button whose face shows a colour. The template must give it
// BS_OWNERDRAW.
#pragma once

#include "platform/afx/afx.h"

class CClrButton : public CButton {
 public:
  CClrButton();
  ~CClrButton() override;

  // Face := colour, text := white; repaints without erasing.
  void SetColor(COLORREF colour);
  void DrawItem(LPDRAWITEMSTRUCT draw) override;
  // The caption's font: the control's font, large and of normal weight.
  LOGFONTW CaptionFont();

  COLORREF text_colour;
  COLORREF face_colour;
  COLORREF disabled_background;
  COLORREF light;
  COLORREF highlight;
  COLORREF shadow;
  COLORREF dark_shadow;

 protected:
  DECLARE_MESSAGE_MAP()
};
