#include "src/dialogs/about_box.h"

#include "platform/win/win32.h"

BOOL CAboutBox::OnInitDialog() {
  CDialog::OnInitDialog();
  HICON icon = ::LoadIconW(::AfxGetResourceHandle(), MAKEINTRESOURCEW(ConsoleIconId));
  ::SendDlgItemMessageW(m_hWnd, IconStaticId, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  return TRUE;
}
