#include "src/controls/edit_ex.h"

#include <string>

#include "src/controls/control_font.h"
#include "src/controls/transparent_text_height.h"

IMPLEMENT_DYNAMIC(CEditEx, CEdit)

BEGIN_MESSAGE_MAP(CEditEx, CEdit)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

namespace {
constexpr COLORREF kTextColour = RGB(255, 40, 40);
constexpr int kMeasuringHeight = -22;
constexpr int kTextWeight = 500;

SIZE monitor_size(HWND control) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ::GetMonitorInfoW(::MonitorFromWindow(control, MONITOR_DEFAULTTONEAREST), &info);
  return {info.rcMonitor.right - info.rcMonitor.left, info.rcMonitor.bottom - info.rcMonitor.top};
}
}  // namespace

void CEditEx::PreSubclassWindow() {
  CEdit::PreSubclassWindow();
  m_transparent.Attach(m_hWnd);
}

BOOL CEditEx::OnEraseBkgnd(CDC*) {
  return TRUE;
}

void CEditEx::OnLButtonUp(UINT, CPoint) {
  Invalidate(TRUE);
  UpdateWindow();
  Default();
}

int CEditEx::FittedHeight(CDC& dc, const LOGFONTW& font, const std::wstring& text) {
  LOGFONTW measuring_font = font;
  measuring_font.lfHeight = kMeasuringHeight;
  CFont measuring;
  measuring.CreateFontIndirect(&measuring_font);
  CFont* previous = dc.SelectObject(&measuring);
  // An empty text is sized as if it held one character.
  const CSize extent = dc.GetTextExtent(text.empty() ? std::wstring(L"X") : text);
  dc.SelectObject(previous);
  CRect format;
  GetRect(&format);
  RECT desktop{};
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  return EditExFontHeight({extent.cx == 0 ? 1 : extent.cx, dc.GetDeviceCaps(LOGPIXELSY), format.Width(),
                           desktop.bottom - desktop.top, monitor_size(m_hWnd)});
}

void CEditEx::OnPaint() {
  CPaintDC dc(this);
  m_transparent.RequestParentBackground(dc);
  std::wstring text = GetWindowText();
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(kTextColour);
  LOGFONTW font = ControlLogFont(*this);
  font.lfWidth = 0;
  font.lfWeight = kTextWeight;
  font.lfEscapement = 0;
  font.lfOrientation = 0;
  font.lfHeight = FittedHeight(dc, font, text);
  if (const auto prefixed = TakeEditSizePrefixes(text)) font.lfHeight = *prefixed;
  CFont drawing;
  drawing.CreateFontIndirect(&font);
  CFont* previous = dc.SelectObject(&drawing);
  CRect client;
  GetClientRect(&client);
  dc.DrawText(text, &client, DT_WORDBREAK | DT_EDITCONTROL);
  dc.SelectObject(previous);
}
