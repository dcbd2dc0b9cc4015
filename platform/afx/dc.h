// Device context wrappers: CDC, the paint, client and window DCs of a window, and CMemDC, a
// memory DC with its own bitmap that is copied to the target when it goes.
#pragma once

#include <string>

#include "platform/afx/gdi_objects.h"
#include "platform/afx/geometry.h"
#include "platform/win/paint_api.h"
#include "platform/win/win_types.h"

class CWnd;

class CDC : public CObject {
  DECLARE_DYNAMIC(CDC)
 public:
  CDC() = default;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  ~CDC() override;

  static CDC* FromHandle(HDC hdc);
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }
  BOOL Attach(HDC hdc);
  HDC Detach();
  BOOL CreateCompatibleDC(CDC* dc);
  BOOL DeleteDC();

  CGdiObject* SelectObject(CGdiObject* object);
  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);
  CFont* SelectObject(CFont* font);
  CBitmap* SelectObject(CBitmap* bitmap);
  CGdiObject* SelectStockObject(int index);
  CFont* GetCurrentFont() const;
  CBitmap* GetCurrentBitmap() const;

  int SaveDC();
  BOOL RestoreDC(int level);
  int GetDeviceCaps(int index) const;
  COLORREF SetTextColor(COLORREF colour);
  COLORREF SetBkColor(COLORREF colour);
  int SetBkMode(int mode);
  int SetStretchBltMode(int mode);
  CPoint SetViewportOrg(int x, int y);

  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int source_x, int source_y, DWORD rop);
  BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int source_x, int source_y,
                  int source_width, int source_height, DWORD rop);
  BOOL TransparentBlt(int x, int y, int width, int height, CDC* source, int source_x, int source_y,
                      int source_width, int source_height, UINT transparent_colour);
  BOOL MaskBlt(int x, int y, int width, int height, CDC* source, int source_x, int source_y, CBitmap& mask,
               int mask_x, int mask_y, DWORD rop4);
  BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
  void FillRect(LPCRECT rect, CBrush* brush);
  void FillSolidRect(LPCRECT rect, COLORREF colour);
  void FillSolidRect(int x, int y, int width, int height, COLORREF colour);
  void FrameRect(LPCRECT rect, CBrush* brush);
  BOOL Rectangle(int left, int top, int right, int bottom);
  CPoint MoveTo(int x, int y);
  BOOL LineTo(int x, int y);
  COLORREF GetPixel(int x, int y) const;

  BOOL TextOut(int x, int y, const std::wstring& text);
  int DrawText(const std::wstring& text, LPRECT rect, UINT format);
  CSize GetTextExtent(const std::wstring& text) const;
  BOOL GetTextMetrics(TEXTMETRICW* metrics) const;
  int GetClipBox(LPRECT rect) const;

  HDC m_hDC = nullptr;
};

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC() override;
  PAINTSTRUCT m_ps{};

 private:
  HWND m_hWnd;
};

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* wnd);
  ~CClientDC() override;

 private:
  HWND m_hWnd;
};

class CWindowDC : public CDC {
 public:
  explicit CWindowDC(CWnd* wnd);
  ~CWindowDC() override;

 private:
  HWND m_hWnd;
};

// Draws into a memory copy of the target's rectangle and copies it to the target when it goes,
// so a control's painting never flickers.
class CMemDC : public CDC {
 public:
  CMemDC(CDC& target, const CRect& rect);
  CMemDC(CDC& target, CWnd* wnd);
  ~CMemDC() override;
  CDC& GetDC() { return *this; }

 private:
  void Prepare();
  CDC& target_;
  CRect rect_;
  CBitmap bitmap_;
  HGDIOBJ previous_ = nullptr;
};
