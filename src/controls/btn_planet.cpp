#include "src/controls/btn_planet.h"

#include <algorithm>
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
// A key that does nothing shows faded into its background, its caption grey.
constexpr COLORREF kGreyedCaptionColour = RGB(150, 150, 150);
constexpr BYTE kGreyedOpacity = 96;
constexpr int kCaptionWeight = 800;

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
  if ((draw->itemState & ODS_DISABLED) != 0) {
    DrawGreyed(memory, item);
  } else {
    DrawPicture(memory, item, m_bHover || selected);
    DrawCaption(memory, item, selected, kCaptionColour);
  }
  item_dc->BitBlt(0, 0, item.Width(), item.Height(), &memory, 0, 0, SRCCOPY);
  memory.SelectObject(previous);
}

void CBtnPlanet::DrawGreyed(CDC& dc, const CRect& item) {
  CDC face;
  face.CreateCompatibleDC(&dc);
  CBitmap canvas;
  canvas.CreateCompatibleBitmap(&dc, item.Width(), item.Height());
  CBitmap* previous = face.SelectObject(&canvas);
  face.BitBlt(0, 0, item.Width(), item.Height(), &dc, 0, 0, SRCCOPY);
  DrawPicture(face, item, false);
  DrawCaption(face, item, false, kGreyedCaptionColour);
  const BLENDFUNCTION faded{AC_SRC_OVER, 0, kGreyedOpacity, 0};
  ::AlphaBlend(dc.GetSafeHdc(), 0, 0, item.Width(), item.Height(), face.GetSafeHdc(), 0, 0, item.Width(),
               item.Height(), faded);
  face.SelectObject(previous);
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

CSize CBtnPlanet::LinesExtent(CDC& dc, const std::wstring& caption) {
  const int lines = CaptionLineCount(caption);
  CSize widest(0, 0);
  for (std::size_t start = 0; start <= caption.size();) {
    const std::size_t end = std::min(caption.find(L'\n', start), caption.size());
    const CSize line = dc.GetTextExtent(caption.substr(start, end - start));
    widest.cx = std::max(widest.cx, line.cx);
    widest.cy = std::max(widest.cy, line.cy);
    start = end + 1;
  }
  return CSize(widest.cx, widest.cy * lines);
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
  const CSize lines = LinesExtent(dc, caption);
  dc.SelectObject(previous);
  const SIZE box{item.Width() - 2 * ImageButtonCaptionMargin, item.Height() - 2 * ImageButtonCaptionMarginY};
  const int measured = font.lfHeight;
  font.lfHeight = FitCaptionHeight(measured, caption, extent, box);
  const SIZE edges{item.Width() - 2 * ImageButtonCaptionRim, item.Height()};
  if (caption.size() > 1)
    font.lfHeight = LimitToBox(font.lfHeight, measured, lines, CaptionLineCount(caption) > 1 ? box : edges);
  return font;
}

void CBtnPlanet::DrawCaption(CDC& dc, const CRect& item, bool selected, COLORREF colour) {
  const std::wstring caption = GetWindowText();
  const LOGFONTW font = CaptionFont(dc, item);
  CFont fitted;
  fitted.CreateFontIndirect(&font);
  CFont* previous = dc.SelectObject(&fitted);
  dc.SetTextColor(colour);
  dc.SetBkMode(TRANSPARENT);
  CRect client;
  GetClientRect(&client);
  const int top = CaptionTop(client.Height(), font.lfHeight, CaptionLineCount(caption), selected);
  CRect text_rect(0, top, client.Width(), top + client.Height());
  if (selected) text_rect.OffsetRect(2, 0);
  dc.DrawText(caption, &text_rect, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
  dc.SelectObject(previous);
}
