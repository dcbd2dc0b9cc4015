#include "src/controls/odd_button.h"

IMPLEMENT_DYNAMIC(COddButton, CButton)

BEGIN_MESSAGE_MAP(COddButton, CButton)
ON_WM_GETDLGCODE()
ON_MESSAGE(BM_SETSTYLE, &COddButton::OnSetStyle)
END_MESSAGE_MAP()

void COddButton::PreSubclassWindow() {
  TakeOverButtonStyle();
}

void COddButton::TakeOverButtonStyle() {
  m_nTypeStyle = GetStyle() & BS_TYPEMASK;
  if (m_nTypeStyle == BS_DEFPUSHBUTTON) {
    m_bDefault = TRUE;
    m_nTypeStyle = BS_PUSHBUTTON;
    m_bCanBeDefault = TRUE;
  } else if (m_nTypeStyle == BS_PUSHBUTTON) {
    m_bCanBeDefault = TRUE;
  }
  ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW, SWP_FRAMECHANGED);
}

UINT COddButton::OnGetDlgCode() {
  UINT code = static_cast<UINT>(Default());
  if (m_nTypeStyle == BS_RADIOBUTTON || m_nTypeStyle == BS_AUTORADIOBUTTON) code |= DLGC_RADIOBUTTON;
  if (m_nTypeStyle == BS_GROUPBOX) code = DLGC_STATIC;
  if (m_bCanBeDefault || m_bDefault) code |= m_bDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
  return code;
}

LRESULT COddButton::OnSetStyle(WPARAM wParam, LPARAM lParam) {
  const UINT type = static_cast<UINT>(wParam) & BS_TYPEMASK;
  if (type == BS_DEFPUSHBUTTON) m_bDefault = TRUE;
  if (type == BS_PUSHBUTTON) m_bDefault = FALSE;
  // Keep the control owner-drawn whatever the dialog manager asks for.
  return DefWindowProc(BM_SETSTYLE, (wParam & ~WPARAM{4}) | BS_OWNERDRAW, lParam);
}
