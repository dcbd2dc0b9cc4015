#include "src/controls/btn_planet.h"

#include <string>

#include "src/controls/caption_fit.h"
#include "src/controls/control_font.h"

IMPLEMENT_DYNAMIC(CBtnPlanet, COddButton)

BEGIN_MESSAGE_MAP(CBtnPlanet, COddButton)
ON_WM_ERASEBKGND()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, &CBtnPlanet::OnMouseLeave)
END_MESSAGE_MAP()

namespace {
constexpr COLORREF kTransparentColour = RGB(255, 0, 255);
constexpr COLORREF kCaptionColour = RGB(221, 46, 46);
constexpr int kCaptionWeight = 800;
constexpr int kMarginX = 10;
constexpr int kMarginY = 5;

}  // namespace

void CBtnPlanet::PreSubclassWindow() {
  m_transparent.Attach(m_hWnd);
  m_normal.LoadBitmap(static_cast<UINT>(m_nNormalId));
  m_active.LoadBitmap(static_cast<UINT>(m_nActiveId));
  // The extras stay with the button for owners that want them; the button never draws them.
  if (m_nExtra1Id > 0) m_extra1.LoadBitmap(static_cast<UINT>(m_nExtra1Id));
  if (m_nExtra2Id > 0) m_extra2.LoadBitmap(static_cast<UINT>(m_nExtra2Id));
  TakeOverButtonStyle();
}

BOOL CBtnPlanet::OnEraseBkgnd(CDC*) {
  return FALSE;
}

void CBtnPlanet::OnMouseMove(UINT, CPoint) {
  Default();
  if (m_bHover) return;
  TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 1};
  m_bHover = ::TrackMouseEvent(&track);
  Invalidate(FALSE);
}

LRESULT CBtnPlanet::OnMouseLeave(WPARAM, LPARAM) {
  m_bHover = FALSE;
  Invalidate(FALSE);
  return 1;
}

void CBtnPlanet::DrawItem(LPDRAWITEMSTRUCT draw) {
  CDC* item_dc = CDC::FromHandle(draw->hDC);
  const CRect item(draw->rcItem);
  const bool selected = (draw->itemState & ODS_SELECTED) != 0;
  CDC memory;
  memory.CreateCompatibleDC(item_dc);
  CBitmap canvas;
  canvas.CreateCompatibleBitmap(item_dc, item.Width(), item.Height());
  CBitmap* previous = memory.SelectObject(&canvas);
  m_transparent.RequestParentBackground(memory);
  DrawPicture(memory, item, m_bHover || selected);
  DrawCaption(memory, item, selected);
  item_dc->BitBlt(0, 0, item.Width(), item.Height(), &memory, 0, 0, SRCCOPY);
  memory.SelectObject(previous);
}

void CBtnPlanet::DrawPicture(CDC& dc, const CRect& item, bool active) {
  BITMAP size{};
  if (m_normal.GetSafeHandle() == nullptr || m_normal.GetBitmap(&size) == 0) return;
  // Both pictures are drawn from the normal one's size; a missing active one leaves the normal.
  CBitmap& picture = active && m_active.GetSafeHandle() != nullptr ? m_active : m_normal;
  CDC source;
  source.CreateCompatibleDC(&dc);
  CBitmap* previous = source.SelectObject(&picture);
  dc.TransparentBlt(0, 0, item.right, item.bottom, &source, 0, 0, size.bmWidth, size.bmHeight,
                    kTransparentColour);
  source.SelectObject(previous);
}

LOGFONTW CBtnPlanet::CaptionFont(CDC& dc, const CRect& item) {
  const std::wstring caption = GetWindowText();
  LOGFONTW font = ControlLogFont(*this);
  if (font.lfHeight == 0) font.lfHeight = 10;
  font.lfWidth = 0;
  font.lfWeight = kCaptionWeight;
  font.lfEscapement = 0;
  font.lfOrientation = 0;
  CFont measuring;
  measuring.CreateFontIndirect(&font);
  CFont* previous = dc.SelectObject(&measuring);
  const CSize extent = dc.GetTextExtent(caption);
  dc.SelectObject(previous);
  const SIZE box{item.Width() - 2 * kMarginX, item.Height() - 2 * kMarginY};
  font.lfHeight = FitCaptionHeight(font.lfHeight, caption, extent, box);
  return font;
}

void CBtnPlanet::DrawCaption(CDC& dc, const CRect& item, bool selected) {
  const std::wstring caption = GetWindowText();
  const LOGFONTW font = CaptionFont(dc, item);
  CFont fitted;
  fitted.CreateFontIndirect(&font);
  CFont* previous = dc.SelectObject(&fitted);
  dc.SetTextColor(kCaptionColour);
  dc.SetBkMode(TRANSPARENT);
  CRect client;
  GetClientRect(&client);
  const int top = CaptionTop(client.Height(), font.lfHeight, IsTwoLineCaption(caption), selected);
  CRect text_rect(0, top, client.Width(), top + client.Height());
  if (selected) text_rect.OffsetRect(2, 0);
  dc.DrawText(caption, &text_rect, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
  dc.SelectObject(previous);
}
