#include "platform/afx/dc.h"

#include "platform/afx/thread_state.h"
#include "platform/afx/wnd.h"
#include "platform/win/device_context_api.h"
#include "platform/win/gdi_blit_api.h"
#include "platform/win/gdi_clip_api.h"
#include "platform/win/gdi_dc_api.h"
#include "platform/win/gdi_draw_api.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/gdi_text_api.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

CDC::~CDC() {
  DeleteDC();
}

CDC* CDC::FromHandle(HDC hdc) {
  afx_internal::ThreadState* state = afx_internal::thread_state();
  if (hdc == nullptr || state == nullptr) return nullptr;
  auto& slot = state->temporary_dcs[hdc];
  if (!slot) {
    slot = std::make_unique<CDC>();
    slot->m_hDC = hdc;
  }
  return slot.get();
}

BOOL CDC::Attach(HDC hdc) {
  if (hdc == nullptr || m_hDC != nullptr) return FALSE;
  m_hDC = hdc;
  return TRUE;
}

HDC CDC::Detach() {
  HDC hdc = m_hDC;
  m_hDC = nullptr;
  return hdc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
  return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
  if (m_hDC == nullptr) return FALSE;
  return ::DeleteDC(Detach());
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
  return CGdiObject::FromHandle(::SelectObject(m_hDC, object ? object->m_hObject : nullptr));
}

CPen* CDC::SelectObject(CPen* pen) {
  return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, pen ? pen->m_hObject : nullptr)));
}

CBrush* CDC::SelectObject(CBrush* brush) {
  return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, brush ? brush->m_hObject : nullptr)));
}

CFont* CDC::SelectObject(CFont* font) {
  return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, font ? font->m_hObject : nullptr)));
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
  return CBitmap::FromHandle(
      static_cast<HBITMAP>(::SelectObject(m_hDC, bitmap ? bitmap->m_hObject : nullptr)));
}

CGdiObject* CDC::SelectStockObject(int index) {
  return CGdiObject::FromHandle(::SelectObject(m_hDC, GetStockObject(index)));
}

CFont* CDC::GetCurrentFont() const {
  return CFont::FromHandle(static_cast<HFONT>(GetCurrentObject(m_hDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const {
  return CBitmap::FromHandle(static_cast<HBITMAP>(GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

int CDC::SaveDC() {
  return ::SaveDC(m_hDC);
}

BOOL CDC::RestoreDC(int level) {
  return ::RestoreDC(m_hDC, level);
}

int CDC::GetDeviceCaps(int index) const {
  return ::GetDeviceCaps(m_hDC, index);
}

COLORREF CDC::SetTextColor(COLORREF colour) {
  return ::SetTextColor(m_hDC, colour);
}

COLORREF CDC::SetBkColor(COLORREF colour) {
  return ::SetBkColor(m_hDC, colour);
}

int CDC::SetBkMode(int mode) {
  return ::SetBkMode(m_hDC, mode);
}

int CDC::SetStretchBltMode(int mode) {
  return ::SetStretchBltMode(m_hDC, mode);
}

CPoint CDC::SetViewportOrg(int x, int y) {
  POINT previous{};
  SetViewportOrgEx(m_hDC, x, y, &previous);
  return previous;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int source_x, int source_y, DWORD rop) {
  return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, source_x, source_y, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int source_x, int source_y,
                     int source_width, int source_height, DWORD rop) {
  return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, source_x, source_y,
                      source_width, source_height, rop);
}

BOOL CDC::TransparentBlt(int x, int y, int width, int height, CDC* source, int source_x, int source_y,
                         int source_width, int source_height, UINT transparent_colour) {
  return ::TransparentBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, source_x, source_y,
                          source_width, source_height, transparent_colour);
}

BOOL CDC::MaskBlt(int x, int y, int width, int height, CDC* source, int source_x, int source_y, CBitmap& mask,
                  int mask_x, int mask_y, DWORD rop4) {
  return ::MaskBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, source_x, source_y, mask,
                   mask_x, mask_y, rop4);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
  return ::PatBlt(m_hDC, x, y, width, height, rop);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
  ::FillRect(m_hDC, rect, brush ? static_cast<HBRUSH>(*brush) : nullptr);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF colour) {
  COLORREF previous = ::SetBkColor(m_hDC, colour);
  ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
  ::SetBkColor(m_hDC, previous);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF colour) {
  CRect rect(x, y, x + width, y + height);
  FillSolidRect(&rect, colour);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush) {
  ::FrameRect(m_hDC, rect, brush ? static_cast<HBRUSH>(*brush) : nullptr);
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
  return ::Rectangle(m_hDC, left, top, right, bottom);
}

CPoint CDC::MoveTo(int x, int y) {
  POINT previous{};
  MoveToEx(m_hDC, x, y, &previous);
  return previous;
}

BOOL CDC::LineTo(int x, int y) {
  return ::LineTo(m_hDC, x, y);
}

COLORREF CDC::GetPixel(int x, int y) const {
  return ::GetPixel(m_hDC, x, y);
}

BOOL CDC::TextOut(int x, int y, const std::wstring& text) {
  return TextOutW(m_hDC, x, y, text.c_str(), static_cast<int>(text.size()));
}

int CDC::DrawText(const std::wstring& text, LPRECT rect, UINT format) {
  return DrawTextW(m_hDC, text.c_str(), static_cast<int>(text.size()), rect, format);
}

CSize CDC::GetTextExtent(const std::wstring& text) const {
  SIZE size{};
  GetTextExtentPoint32W(m_hDC, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

BOOL CDC::GetTextMetrics(TEXTMETRICW* metrics) const {
  return GetTextMetricsW(m_hDC, metrics);
}

int CDC::GetClipBox(LPRECT rect) const {
  return ::GetClipBox(m_hDC, rect);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd) {
  Attach(BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC() {
  Detach();
  EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) {
  Attach(GetDC(m_hWnd));
}

CClientDC::~CClientDC() {
  ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) {
  Attach(GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC() {
  ReleaseDC(m_hWnd, Detach());
}

CMemDC::CMemDC(CDC& target, const CRect& rect) : target_(target), rect_(rect) {
  Prepare();
}

CMemDC::CMemDC(CDC& target, CWnd* wnd) : target_(target) {
  wnd->GetClientRect(&rect_);
  Prepare();
}

void CMemDC::Prepare() {
  CreateCompatibleDC(&target_);
  bitmap_.CreateCompatibleBitmap(&target_, rect_.Width(), rect_.Height());
  previous_ = ::SelectObject(m_hDC, bitmap_.m_hObject);
  SetViewportOrg(-rect_.left, -rect_.top);
}

CMemDC::~CMemDC() {
  SetViewportOrg(0, 0);
  ::BitBlt(target_.m_hDC, rect_.left, rect_.top, rect_.Width(), rect_.Height(), m_hDC, 0, 0, SRCCOPY);
  ::SelectObject(m_hDC, previous_);
}
