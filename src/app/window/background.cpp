// The main window's background: a picture stretched once into a memory DC at every size change,
// copied when the window paints and piece by piece for its transparent controls.
#include "platform/win/gdi_dc_api.h"
#include "platform/win/resource_api.h"
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/controls/transparent_helper.h"

namespace {

constexpr UINT TrainingBackground = 109;
constexpr UINT TwoMonitorBackground = 2000;
// The training window's picture is made for its 964 by 573 frame.
constexpr int TrainingBackgroundWidth = 968;
constexpr int TrainingBackgroundHeight = 572;
constexpr UINT IconEraseBackground = 0x0027;  // WM_ICONERASEBKGND

}  // namespace

BOOL COrvennaConsoleDlg::BuildBackground() {
  CClientDC windowDC(this);
  CBitmap picture;
  picture.LoadBitmap(ConsoleLayout == TrainingLayout ? TrainingBackground : TwoMonitorBackground);
  BITMAP size{};
  picture.GetBitmap(&size);
  CDC source;
  source.CreateCompatibleDC(&windowDC);
  CBitmap* sourcePrevious = source.SelectObject(&picture);

  FreeBackground();
  CRect client;
  GetClientRect(&client);
  const bool training = ConsoleLayout == TrainingLayout;
  backgroundDC.CreateCompatibleDC(&windowDC);
  backgroundBitmap.CreateCompatibleBitmap(&windowDC, training ? TrainingBackgroundWidth : client.Width(),
                                          training ? TrainingBackgroundHeight : client.Height());
  backgroundPrevious = ::SelectObject(backgroundDC.GetSafeHdc(), backgroundBitmap);
  backgroundDC.SetStretchBltMode(HALFTONE);
  backgroundDC.StretchBlt(0, 0, client.Width(), client.Height(), &source, 0, 0, size.bmWidth, size.bmHeight,
                          SRCCOPY);

  source.SelectObject(sourcePrevious);
  CTransparentHelper::InvalidateTransparentChildren(m_hWnd);
  return TRUE;
}

void COrvennaConsoleDlg::FreeBackground() {
  if (backgroundDC.GetSafeHdc() == nullptr) return;
  ::SelectObject(backgroundDC.GetSafeHdc(), backgroundPrevious);
  backgroundBitmap.DeleteObject();
  backgroundDC.DeleteDC();
}

void COrvennaConsoleDlg::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  if (::IsIconic(m_hWnd)) {
    SendMessage(IconEraseBackground, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int x = (client.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.GetSafeHdc(), x, y, m_hIcon);
    return;
  }
  if (ConsoleScreen == 0) {
    const RECT& monitor = secondaryMonitorRect;
    SetWindowPos(nullptr, monitor.left, monitor.top, monitor.right - monitor.left,
                 monitor.bottom - monitor.top, SWP_SHOWWINDOW | SWP_NOZORDER);
  }
  if (backgroundDC.GetSafeHdc() != nullptr)
    dc.BitBlt(0, 0, client.Width(), client.Height(), &backgroundDC, 0, 0, SRCCOPY);
}

BOOL COrvennaConsoleDlg::OnEraseBkgnd(CDC*) {
  return FALSE;
}

HCURSOR COrvennaConsoleDlg::OnQueryDragIcon() {
  return reinterpret_cast<HCURSOR>(m_hIcon);
}

// Answered even before the background exists, so that a transparent control never erases.
LRESULT COrvennaConsoleDlg::OnTransparentCtrlBackground(WPARAM childDC, LPARAM child) {
  CTransparentHelper::DrawParentBackground(reinterpret_cast<HWND>(child), backgroundDC.GetSafeHdc(),
                                           reinterpret_cast<HDC>(childDC));
  return 1;
}
