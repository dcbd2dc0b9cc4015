// Touch screens and pen tablets: the main window asks for touch input at its creation, and the
// touches then reach the buttons as mouse messages that carry the pen and touch signature.
#include "platform/afx/win_app.h"
#include "platform/win/touch_api.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/window/user32_functions.h"

namespace {
constexpr wchar_t NoUserLibrary[] = L"Could not Load the user32.dll";
constexpr wchar_t NoTouchFunction[] = L"Could not Load the RegisterTouchWindow function";
}  // namespace

int COrvennaConsoleDlg::OnCreate(LPCREATESTRUCTW create) {
  RegisterForTouch();
  return CDialog::OnCreate(create);
}

BOOL COrvennaConsoleDlg::RegisterForTouch() {
  using RegisterTouchWindowFunction = BOOL(WINAPI*)(HWND, ULONG);
  const User32Function found = LookUpUser32Function("RegisterTouchWindow");
  if (found.address == nullptr) {
    AfxMessageBox(found.libraryLoaded ? NoTouchFunction : NoUserLibrary, MB_OK);
    return FALSE;
  }
  HWND main = AfxGetMainWnd() != nullptr ? AfxGetMainWnd()->GetSafeHwnd() : m_hWnd;
  return reinterpret_cast<RegisterTouchWindowFunction>(found.address)(main, TWF_WANTPALM);
}

BOOL COrvennaConsoleDlg::OnTouchInput(CPoint, int, int, PTOUCHINPUT) {
  return FALSE;
}
