#include "src/dialogs/layered_black_dialog.h"

#include "platform/afx/message_map_entries.h"
#include "platform/win/win32.h"

BEGIN_MESSAGE_MAP(CLayeredBlackDialog, CDialog)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CLayeredBlackDialog::CLayeredBlackDialog(UINT templateId, CWnd* owner, BYTE alpha)
    : CDialog(templateId, owner), alpha_(alpha) {}

BOOL CLayeredBlackDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  ModifyStyleEx(0, WS_EX_LAYERED);
  ::SetLayeredWindowAttributes(m_hWnd, 0, alpha_, LWA_ALPHA);
  return TRUE;
}

// Also paints the background that the image buttons ask of their parent.
BOOL CLayeredBlackDialog::OnEraseBkgnd(CDC* dc) {
  CRect area;
  GetClientRect(&area);
  ::FillRect(dc->GetSafeHdc(), &area, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  return TRUE;
}

HBRUSH CLayeredBlackDialog::OnCtlColor(CDC* dc, CWnd*, UINT) {
  dc->SetTextColor(RGB(255, 255, 255));
  dc->SetBkMode(TRANSPARENT);
  return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
}
