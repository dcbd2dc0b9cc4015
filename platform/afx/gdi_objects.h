// Wrappers of GDI objects: pens, brushes, fonts, bitmaps and regions. A wrapper deletes the
// object it holds when it goes; FromHandle gives a temporary wrapper that does not.
#pragma once

#include "platform/afx/object.h"
#include "platform/win/gdi_bitmap_api.h"
#include "platform/win/gdi_types.h"
#include "platform/win/win_types.h"

class CGdiObject : public CObject {
  DECLARE_DYNAMIC(CGdiObject)
 public:
  CGdiObject() = default;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  ~CGdiObject() override;

  static CGdiObject* FromHandle(HGDIOBJ handle);
  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  BOOL Attach(HGDIOBJ handle);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  int GetObject(int size, void* buffer) const;
  BOOL CreateStockObject(int index);

  HGDIOBJ m_hObject = nullptr;

 protected:
  template <typename Wrapper>
  static Wrapper* TemporaryFor(HGDIOBJ handle);
};

class CPen : public CGdiObject {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }
  BOOL CreatePen(int style, int width, COLORREF colour);
  static CPen* FromHandle(HPEN pen);
  operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
  BOOL CreateSolidBrush(COLORREF colour);
  BOOL CreatePatternBrush(class CBitmap* bitmap);
  static CBrush* FromHandle(HBRUSH brush);
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CFont : public CGdiObject {
 public:
  BOOL CreateFontIndirect(const LOGFONTW* font);
  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                  BYTE underline, BYTE strike_out, BYTE charset, BYTE out_precision, BYTE clip_precision,
                  BYTE quality, BYTE pitch_and_family, LPCWSTR face_name);
  BOOL CreatePointFont(int tenths_of_points, LPCWSTR face_name);
  int GetLogFont(LOGFONTW* font) const;
  static CFont* FromHandle(HFONT font);
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CBitmap : public CGdiObject {
 public:
  // A bitmap resource of the program, by id.
  BOOL LoadBitmap(UINT id);
  BOOL CreateBitmap(int width, int height, UINT planes, UINT bits_per_pixel, const void* bits);
  BOOL CreateCompatibleBitmap(class CDC* dc, int width, int height);
  int GetBitmap(BITMAP* bitmap) const;
  static CBitmap* FromHandle(HBITMAP bitmap);
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CRgn : public CGdiObject {
 public:
  BOOL CreateRectRgn(int left, int top, int right, int bottom);
  BOOL CreateRectRgnIndirect(LPCRECT rect);
  static CRgn* FromHandle(HRGN region);
  operator HRGN() const { return static_cast<HRGN>(m_hObject); }
};
