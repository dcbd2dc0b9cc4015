#include "src/controls/colour/clr_button.h"

#include <string>

namespace {

constexpr int kCaptionLimit = 511;
constexpr COLORREF kDisabledShade = RGB(128, 128, 128);

// One-pixel lines: top and left in one colour, bottom and right in another.
void draw_edges(CDC& dc, const CRect& rect, COLORREF top_left, COLORREF bottom_right) {
  dc.FillSolidRect(rect.left, rect.top, rect.Width(), 1, top_left);
  dc.FillSolidRect(rect.left, rect.top, 1, rect.Height(), top_left);
  dc.FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, bottom_right);
  dc.FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), bottom_right);
}

}  // namespace

BEGIN_MESSAGE_MAP(CClrButton, CButton)
END_MESSAGE_MAP()

CClrButton::CClrButton()
    : text_colour(GetSysColor(COLOR_BTNTEXT)),
      face_colour(GetSysColor(COLOR_BTNFACE)),
      disabled_background(GetSysColor(COLOR_BTNFACE)),
      light(GetSysColor(COLOR_3DLIGHT)),
      highlight(GetSysColor(COLOR_BTNHIGHLIGHT)),
      shadow(GetSysColor(COLOR_BTNSHADOW)),
      dark_shadow(GetSysColor(COLOR_3DDKSHADOW)) {}

CClrButton::~CClrButton() = default;

void CClrButton::SetColor(COLORREF colour) {
  face_colour = colour;
  text_colour = RGB(255, 255, 255);
  disabled_background = GetSysColor(COLOR_BTNFACE);
  Invalidate(FALSE);
}

LOGFONTW CClrButton::CaptionFont() {
  LOGFONTW logfont{};
  if (CFont* font = GetFont()) font->GetLogFont(&logfont);
  logfont.lfHeight = -34;
  logfont.lfWidth = -16;
  logfont.lfWeight = 400;
  logfont.lfEscapement = 0;
  logfont.lfOrientation = 0;
  return logfont;
}

void CClrButton::DrawItem(LPDRAWITEMSTRUCT draw) {
  CDC* dc = CDC::FromHandle(draw->hDC);
  const UINT state = draw->itemState;
  CRect rect(draw->rcItem);

  const LOGFONTW logfont = CaptionFont();
  CFont caption_font;
  caption_font.CreateFontIndirect(&logfont);
  CFont* previous_font = dc->SelectObject(&caption_font);

  dc->FillSolidRect(&rect, (state & ODS_DISABLED) ? disabled_background : face_colour);
  if (state & ODS_SELECTED) {
    draw_edges(*dc, rect, dark_shadow, dark_shadow);
    rect.DeflateRect(1, 1);
    draw_edges(*dc, rect, shadow, shadow);
  } else {
    if (state & (ODS_FOCUS | ODS_DEFAULT)) {
      draw_edges(*dc, rect, RGB(0, 0, 0), RGB(0, 0, 0));
      rect.DeflateRect(1, 1);
    }
    draw_edges(*dc, rect, highlight, dark_shadow);
    rect.DeflateRect(1, 1);
    draw_edges(*dc, rect, light, shadow);
  }

  std::wstring caption = GetWindowText();
  if (caption.size() > kCaptionLimit) caption.resize(kCaptionLimit);
  constexpr UINT kFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  CRect item(draw->rcItem);
  CRect raised = item;
  raised.OffsetRect(-1, -1);
  dc->SetBkMode(TRANSPARENT);
  if (state & ODS_DISABLED) {
    dc->SetTextColor(RGB(255, 255, 255));
    dc->DrawText(caption, &item, kFormat);
    dc->SetTextColor(kDisabledShade);
    dc->DrawText(caption, &raised, kFormat);
  } else {
    dc->SetTextColor(text_colour);
    dc->DrawText(caption, (state & ODS_SELECTED) ? &item : &raised, kFormat);
  }
  if (state & ODS_FOCUS) {
    CRect focus = item;
    focus.DeflateRect(4, 4);
    DrawFocusRect(draw->hDC, &focus);
  }
  dc->SelectObject(previous_font);
}
