#include "platform/afx/gdi_objects.h"

#include "platform/afx/dc.h"
#include "platform/afx/thread_state.h"
#include "platform/win/device_context_api.h"
#include "platform/win/gdi_clip_api.h"
#include "platform/win/gdi_font_api.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/mul_div_api.h"
#include "platform/win/resource_api.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

CGdiObject::~CGdiObject() {
  DeleteObject();
}

template <typename Wrapper>
Wrapper* CGdiObject::TemporaryFor(HGDIOBJ handle) {
  afx_internal::ThreadState* state = afx_internal::thread_state();
  if (handle == nullptr || state == nullptr) return nullptr;
  auto& slot = state->temporary_objects[handle];
  if (!slot) {
    slot = std::make_unique<Wrapper>();
    slot->m_hObject = handle;
  }
  return static_cast<Wrapper*>(slot.get());
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle) {
  return TemporaryFor<CGdiObject>(handle);
}

BOOL CGdiObject::Attach(HGDIOBJ handle) {
  if (handle == nullptr || m_hObject != nullptr) return FALSE;
  m_hObject = handle;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ handle = m_hObject;
  m_hObject = nullptr;
  return handle;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int size, void* buffer) const {
  return GetObjectW(m_hObject, size, buffer);
}

BOOL CGdiObject::CreateStockObject(int index) {
  return Attach(GetStockObject(index));
}

BOOL CPen::CreatePen(int style, int width, COLORREF colour) {
  return Attach(::CreatePen(style, width, colour));
}

CPen* CPen::FromHandle(HPEN pen) {
  return TemporaryFor<CPen>(pen);
}

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
  return Attach(::CreateSolidBrush(colour));
}

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) {
  return bitmap ? Attach(::CreatePatternBrush(*bitmap)) : FALSE;
}

CBrush* CBrush::FromHandle(HBRUSH brush) {
  return TemporaryFor<CBrush>(brush);
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* font) {
  return Attach(::CreateFontIndirectW(font));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strike_out, BYTE charset, BYTE out_precision, BYTE clip_precision,
                       BYTE quality, BYTE pitch_and_family, LPCWSTR face_name) {
  return Attach(::CreateFontW(height, width, escapement, orientation, weight, italic, underline, strike_out,
                              charset, out_precision, clip_precision, quality, pitch_and_family, face_name));
}

BOOL CFont::CreatePointFont(int tenths_of_points, LPCWSTR face_name) {
  CClientDC screen(nullptr);
  int height = -MulDiv(tenths_of_points, screen.GetDeviceCaps(LOGPIXELSY), 720);
  return CreateFont(height, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, face_name);
}

int CFont::GetLogFont(LOGFONTW* font) const {
  return GetObject(sizeof(LOGFONTW), font);
}

CFont* CFont::FromHandle(HFONT font) {
  return TemporaryFor<CFont>(font);
}

BOOL CBitmap::LoadBitmap(UINT id) {
  return Attach(::LoadBitmapW(nullptr, MAKEINTRESOURCEW(static_cast<WORD>(id))));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bits_per_pixel, const void* bits) {
  return Attach(::CreateBitmap(width, height, planes, bits_per_pixel, bits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  return Attach(::CreateCompatibleBitmap(dc ? dc->m_hDC : nullptr, width, height));
}

int CBitmap::GetBitmap(BITMAP* bitmap) const {
  return GetObject(sizeof(BITMAP), bitmap);
}

CBitmap* CBitmap::FromHandle(HBITMAP bitmap) {
  return TemporaryFor<CBitmap>(bitmap);
}

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
  return Attach(::CreateRectRgn(left, top, right, bottom));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect) {
  return Attach(::CreateRectRgnIndirect(rect));
}

CRgn* CRgn::FromHandle(HRGN region) {
  return TemporaryFor<CRgn>(region);
}
