#include "platform/afx/static_control.h"

#include "platform/win/win_styles.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

namespace {
constexpr UINT kSetImage = 0x0172;
constexpr UINT kGetImage = 0x0173;
constexpr WPARAM kBitmap = 0;
constexpr WPARAM kIcon = 1;
}  // namespace

BOOL CStatic::Create(LPCWSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, L"Static", text, style | WS_CHILD, rect, parent, id);
}

HBITMAP CStatic::SetBitmap(HBITMAP bitmap) {
  return reinterpret_cast<HBITMAP>(SendMessage(kSetImage, kBitmap, reinterpret_cast<LPARAM>(bitmap)));
}

HBITMAP CStatic::GetBitmap() const {
  return reinterpret_cast<HBITMAP>(SendMessage(kGetImage, kBitmap));
}

HICON CStatic::SetIcon(HICON icon) {
  return reinterpret_cast<HICON>(SendMessage(kSetImage, kIcon, reinterpret_cast<LPARAM>(icon)));
}

HICON CStatic::GetIcon() const {
  return reinterpret_cast<HICON>(SendMessage(kGetImage, kIcon));
}
