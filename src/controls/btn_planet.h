// CBtnPlanet: the image button of every dialog. It paints its normal or active bitmap (magenta
// transparent) over the parent's background and writes its caption in red bold type fitted to
// the button. The owner sets the bitmap ids before it subclasses the template's button.
#pragma once

#include <string>

#include "platform/afx/afx.h"
#include "src/controls/odd_button.h"
#include "src/controls/transparent_helper.h"

class CBtnPlanet : public COddButton {
  DECLARE_DYNAMIC(CBtnPlanet)
 public:
  ~CBtnPlanet() override = default;
  void DrawItem(LPDRAWITEMSTRUCT draw) override;
  // The caption's font as DrawItem writes it over an item rectangle: the control's font in bold,
  // its height fitted to the rectangle.
  LOGFONTW CaptionFont(CDC& dc, const CRect& item);
  // The caption's widest line by all its lines' height, in the font selected into dc.
  static CSize LinesExtent(CDC& dc, const std::wstring& caption);

  // Bitmap resource ids; 0 means none for the two extras.
  int m_nNormalId = 0;
  int m_nActiveId = 0;
  int m_nExtra1Id = 0;
  int m_nExtra2Id = 0;
  // Forgets that the pointer is over it, so that its next move is tracked afresh.
  void ClearHover() { m_bHover = FALSE; }

 protected:
  void PreSubclassWindow() override;
  BOOL OnEraseBkgnd(CDC* dc);
  void OnMouseMove(UINT flags, CPoint point);
  LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void DrawPicture(CDC& dc, const CRect& item, bool active);
  void DrawCaption(CDC& dc, const CRect& item, bool selected, COLORREF colour);
  // The picture and caption of a disabled key, faded over the background.
  void DrawGreyed(CDC& dc, const CRect& item);

  CTransparentHelper m_transparent;
  CBitmap m_normal;
  CBitmap m_active;
  CBitmap m_extra1;
  CBitmap m_extra2;
  // Nonzero while the pointer is over the button and its leaving is tracked.
  BOOL m_bHover = FALSE;
};
