#include "src/controls/static_ex.h"

#include "src/controls/control_font.h"
#include "src/controls/transparent_text_height.h"

IMPLEMENT_DYNAMIC(CStaticEx, CStatic)

BEGIN_MESSAGE_MAP(CStaticEx, CStatic)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {
constexpr COLORREF kTextColour = RGB(255, 255, 255);
constexpr int kTextWeight = 500;
}  // namespace

void CStaticEx::PreSubclassWindow() {
  CStatic::PreSubclassWindow();
  m_transparent.Attach(m_hWnd);
}

BOOL CStaticEx::OnEraseBkgnd(CDC*) {
  Default();
  return TRUE;
}

LOGFONTW CStaticEx::TextFont(CDC& dc) {
  LOGFONTW font = ControlLogFont(*this);
  if (font.lfHeight == 0) font.lfHeight = 10;
  font.lfWidth = 0;
  font.lfWeight = kTextWeight;
  font.lfEscapement = 0;
  font.lfOrientation = 0;
  CFont measuring;
  measuring.CreateFontIndirect(&font);
  CFont* previous = dc.SelectObject(&measuring);
  const CSize extent = dc.GetTextExtent(GetWindowText());
  dc.SelectObject(previous);
  CRect client;
  GetClientRect(&client);
  font.lfHeight = StaticExFontHeight(client.Width(), extent.cx);
  return font;
}

void CStaticEx::OnPaint() {
  CPaintDC dc(this);
  m_transparent.RequestParentBackground(dc);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(kTextColour);
  const LOGFONTW font = TextFont(dc);
  CFont drawing;
  drawing.CreateFontIndirect(&font);
  CFont* previous = dc.SelectObject(&drawing);
  CRect client;
  GetClientRect(&client);
  dc.DrawText(GetWindowText(), &client, 0);
  dc.SelectObject(previous);
}
