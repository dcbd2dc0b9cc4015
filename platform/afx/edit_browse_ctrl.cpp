#include "platform/afx/edit_browse_ctrl.h"

#include <algorithm>

#include "platform/afx/file_dialog.h"
#include "platform/win/device_context_api.h"
#include "platform/win/focus_api.h"
#include "platform/win/gdi_blit_api.h"
#include "platform/win/gdi_dc_api.h"
#include "platform/win/gdi_draw_api.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/gdi_sys_color_api.h"
#include "platform/win/gdi_text_api.h"
#include "platform/win/keyboard_api.h"
#include "platform/win/message_api.h"
#include "platform/win/mouse_api.h"
#include "platform/win/rect_api.h"
#include "platform/win/resource_api.h"
#include "platform/win/task_memory_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

IMPLEMENT_DYNAMIC(CMFCEditBrowseCtrl, CEdit)

namespace {

constexpr int kImageMargin = 8;
constexpr int kLabelMargin = 10;

// The folder browser opens on the folder the edit holds.
int CALLBACK start_in_folder(HWND browser, UINT message, LPARAM, LPARAM folder) {
  if (message == BFFM_INITIALIZED && folder != 0) SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, folder);
  return 0;
}

POINT point_of(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

CMFCEditBrowseCtrl::~CMFCEditBrowseCtrl() {
  ReleaseImage();
}

void CMFCEditBrowseCtrl::EnableBrowseButton(BOOL enable, LPCWSTR label) {
  m_Mode = enable ? BrowseMode_Default : BrowseMode_None;
  m_strLabel = label != nullptr ? label : L"";
  OnChangeLayout();
}

void CMFCEditBrowseCtrl::EnableFileBrowseButton(LPCWSTR def_ext, LPCWSTR filter, DWORD flags) {
  m_Mode = BrowseMode_File;
  m_strDefFileExt = def_ext != nullptr ? def_ext : L"";
  m_strFileFilter = filter != nullptr ? filter : L"";
  m_dwFileDialogFlags = flags;
  OnChangeLayout();
}

void CMFCEditBrowseCtrl::EnableFolderBrowseButton(LPCWSTR title, UINT flags) {
  m_Mode = BrowseMode_Folder;
  m_strBrowseFolderTitle = title != nullptr ? title : L"";
  m_ulBrowseFolderFlags = flags;
  OnChangeLayout();
}

void CMFCEditBrowseCtrl::SetBrowseButtonImage(UINT bitmap_id) {
  SetBrowseButtonImage(LoadBitmapW(nullptr, MAKEINTRESOURCEW(static_cast<WORD>(bitmap_id))), TRUE);
}

void CMFCEditBrowseCtrl::SetBrowseButtonImage(HBITMAP bitmap, BOOL auto_destroy) {
  ReleaseImage();
  m_hImage = bitmap;
  m_bAutoDestroyImage = auto_destroy;
  OnChangeLayout();
}

void CMFCEditBrowseCtrl::ReleaseImage() {
  if (m_hImage != nullptr && m_bAutoDestroyImage) DeleteObject(m_hImage);
  m_hImage = nullptr;
}

void CMFCEditBrowseCtrl::OnChangeLayout() {
  if (m_hWnd == nullptr) return;
  SetWindowPos(nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  DrawButton();
}

int CMFCEditBrowseCtrl::ButtonWidth() const {
  if (m_Mode == BrowseMode_None) return 0;
  if (m_hImage != nullptr) {
    BITMAP info{};
    GetObjectW(m_hImage, sizeof(info), &info);
    return info.bmWidth + kImageMargin;
  }
  HDC dc = ::GetDC(m_hWnd);
  HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, m_strLabel.c_str(), static_cast<int>(m_strLabel.size()), &size);
  ::SelectObject(dc, previous);
  ::ReleaseDC(m_hWnd, dc);
  return size.cx + kLabelMargin;
}

// The edit's own frame, then the button's room taken from the right of its client area.
void CMFCEditBrowseCtrl::CalculateFrame(WPARAM whole_params, LPARAM lParam) {
  RECT* proposed =
      whole_params ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
  const RECT window = *proposed;
  DefWindowProc(WM_NCCALCSIZE, whole_params, lParam);
  const int width = std::min<int>(ButtonWidth(), std::max<LONG>(0, proposed->right - proposed->left));
  m_rectBtn = CRect(proposed->right - width - window.left, proposed->top - window.top,
                    proposed->right - window.left, proposed->bottom - window.top);
  proposed->right -= width;
}

bool CMFCEditBrowseCtrl::OnButton(POINT screen) const {
  if (m_Mode == BrowseMode_None || m_rectBtn.IsRectEmpty()) return false;
  RECT window{};
  ::GetWindowRect(m_hWnd, &window);
  const POINT at{screen.x - window.left, screen.y - window.top};
  return m_rectBtn.PtInRect(at) != FALSE;
}

void CMFCEditBrowseCtrl::DrawButton() {
  if (m_hWnd == nullptr || m_Mode == BrowseMode_None || m_rectBtn.IsRectEmpty()) return;
  CWindowDC dc(this);
  OnDrawBrowseButton(&dc, m_rectBtn, m_bButtonPressed, FALSE);
}

void CMFCEditBrowseCtrl::OnDrawBrowseButton(CDC* dc, CRect rect, BOOL pressed, BOOL) {
  dc->FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
  RECT edge = rect;
  DrawEdge(dc->GetSafeHdc(), &edge, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  const int shift = pressed ? 1 : 0;
  if (m_hImage != nullptr) {
    BITMAP info{};
    GetObjectW(m_hImage, sizeof(info), &info);
    CDC picture;
    picture.CreateCompatibleDC(dc);
    HGDIOBJ previous = ::SelectObject(picture.GetSafeHdc(), m_hImage);
    dc->BitBlt(rect.left + (rect.Width() - info.bmWidth) / 2 + shift,
               rect.top + (rect.Height() - info.bmHeight) / 2 + shift, info.bmWidth, info.bmHeight, &picture,
               0, 0, SRCCOPY);
    ::SelectObject(picture.GetSafeHdc(), previous);
    return;
  }
  HGDIOBJ previous = ::SelectObject(dc->GetSafeHdc(), reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
  dc->SetBkMode(TRANSPARENT);
  dc->SetTextColor(GetSysColor(IsWindowEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  RECT text = rect;
  OffsetRect(&text, shift, shift);
  dc->DrawText(m_strLabel, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ::SelectObject(dc->GetSafeHdc(), previous);
}

void CMFCEditBrowseCtrl::PressButton() {
  SetFocus();
  m_bButtonCaptured = true;
  m_bButtonPressed = true;
  ::SetCapture(m_hWnd);
  DrawButton();
}

void CMFCEditBrowseCtrl::FollowPointer(POINT client) {
  POINT screen = client;
  ::ClientToScreen(m_hWnd, &screen);
  const bool pressed = OnButton(screen);
  if (pressed == m_bButtonPressed) return;
  m_bButtonPressed = pressed;
  DrawButton();
}

void CMFCEditBrowseCtrl::ReleaseButton(POINT client) {
  FollowPointer(client);
  const bool clicked = m_bButtonPressed;
  ::ReleaseCapture();
  if (clicked) OnBrowse();
}

void CMFCEditBrowseCtrl::Update(const std::wstring& path) {
  SetWindowText(path.c_str());
  SetModify(TRUE);
  OnAfterUpdate();
}

void CMFCEditBrowseCtrl::OnAfterUpdate() {}

void CMFCEditBrowseCtrl::OnBrowse() {
  const std::wstring current = GetWindowText();
  if (m_Mode == BrowseMode_File) {
    CFileDialog dialog(TRUE, m_strDefFileExt.empty() ? nullptr : m_strDefFileExt.c_str(), current.c_str(),
                       m_dwFileDialogFlags, m_strFileFilter.empty() ? nullptr : m_strFileFilter.c_str(),
                       GetParent());
    if (dialog.DoModal() == IDOK) Update(dialog.GetPathName());
  } else if (m_Mode == BrowseMode_Folder) {
    wchar_t name[MAX_PATH]{};
    BROWSEINFOW info{};
    info.hwndOwner = ::GetAncestor(m_hWnd, GA_ROOT);
    info.pszDisplayName = name;
    info.lpszTitle = m_strBrowseFolderTitle.empty() ? nullptr : m_strBrowseFolderTitle.c_str();
    info.ulFlags = m_ulBrowseFolderFlags;
    info.lpfn = start_in_folder;
    info.lParam = reinterpret_cast<LPARAM>(current.c_str());
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (chosen != nullptr) {
      wchar_t path[MAX_PATH]{};
      if (SHGetPathFromIDListW(chosen, path)) Update(path);
      CoTaskMemFree(chosen);
    }
  }
  if (::IsWindow(m_hWnd)) SetFocus();
}

BOOL CMFCEditBrowseCtrl::PreTranslateMessage(MSG* msg) {
  const bool key = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
  if (key && msg->hwnd == m_hWnd && msg->wParam == VK_DOWN && GetKeyState(VK_MENU) < 0 &&
      m_Mode != BrowseMode_None) {
    OnBrowse();
    return TRUE;
  }
  return CEdit::PreTranslateMessage(msg);
}

LRESULT CMFCEditBrowseCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCALCSIZE:
      CalculateFrame(wParam, lParam);
      return 0;
    case WM_NCHITTEST: {
      const LRESULT hit = CEdit::WindowProc(message, wParam, lParam);
      return OnButton(point_of(lParam)) ? HTBORDER : hit;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (OnButton(point_of(lParam))) {
        PressButton();
        return 0;
      }
      break;
    case WM_MOUSEMOVE:
      if (m_bButtonCaptured) {
        FollowPointer(point_of(lParam));
        return 0;
      }
      break;
    case WM_LBUTTONUP:
      if (m_bButtonCaptured) {
        ReleaseButton(point_of(lParam));
        return 0;
      }
      break;
    case WM_NCLBUTTONUP:
      // A release taken from the queue before the press took the capture.
      if (m_bButtonCaptured) {
        POINT client = point_of(lParam);
        ::ScreenToClient(m_hWnd, &client);
        ReleaseButton(client);
        return 0;
      }
      break;
    case WM_CAPTURECHANGED:
      if (m_bButtonCaptured) {
        m_bButtonCaptured = false;
        m_bButtonPressed = false;
        DrawButton();
      }
      break;
    case WM_NCPAINT:
    case WM_PAINT:
    case WM_ENABLE: {
      const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
      DrawButton();
      return result;
    }
    default:
      break;
  }
  return CEdit::WindowProc(message, wParam, lParam);
}
