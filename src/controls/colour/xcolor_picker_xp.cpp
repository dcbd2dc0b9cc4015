#include "src/controls/colour/xcolor_picker_xp.h"

#include "src/controls/colour/colour_picker_messages.h"
#include "src/controls/colour/xcolor_popup_xp.h"

namespace {

constexpr int kFieldHeight = 15;
constexpr UINT_PTR kDropDownTimer = 1;
constexpr UINT kDropDownDelayMs = 10;
constexpr COLORREF kDisabledColour = RGB(192, 192, 192);

}  // namespace

IMPLEMENT_DYNCREATE(CXColorPickerXP, CComboBox)

BEGIN_MESSAGE_MAP(CXColorPickerXP, CComboBox)
ON_WM_DRAWITEM_REFLECT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_CONTROL_REFLECT(CBN_DROPDOWN, &CXColorPickerXP::OnDropDown)
ON_WM_TIMER()
ON_MESSAGE(WM_ENABLE, &CXColorPickerXP::OnEnable)
ON_MESSAGE(kColourChoiceConfirmed, &CXColorPickerXP::OnSelEndOK)
ON_MESSAGE(kColourChoiceCancelled, &CXColorPickerXP::OnSelEndCancel)
ON_MESSAGE(kColourChanged, &CXColorPickerXP::OnSelChange)
END_MESSAGE_MAP()

CXColorPickerXP::CXColorPickerXP() {
  m_CustomColors.fill(RGB(255, 255, 255));
}

CXColorPickerXP::~CXColorPickerXP() {
  if (popup_ != nullptr && ::IsWindow(popup_)) ::DestroyWindow(popup_);
}

void CXColorPickerXP::PreSubclassWindow() {
  CComboBox::PreSubclassWindow();
  SetItemHeight(-1, kFieldHeight);
  SetCurSel(0);
}

void CXColorPickerXP::DrawItem(LPDRAWITEMSTRUCT draw) {
  CDC* dc = CDC::FromHandle(draw->hDC);
  CRect rect(draw->rcItem);
  CBrush frame((draw->itemState & ODS_FOCUS) ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNSHADOW));
  dc->FrameRect(&rect, &frame);
  rect.DeflateRect(1, 1);
  dc->FillSolidRect(&rect,
                    (draw->itemState & ODS_DISABLED) ? GetSysColor(COLOR_INACTIVECAPTIONTEXT) : m_Color);
}

void CXColorPickerXP::OnLButtonDown(UINT, CPoint) {
  OpenPopup(true);
}

void CXColorPickerXP::OnLButtonDblClk(UINT, CPoint) {}

void CXColorPickerXP::OnDropDown() {
  SendMessage(WM_SETREDRAW, FALSE);
  SetTimer(kDropDownTimer, kDropDownDelayMs);
}

void CXColorPickerXP::OnTimer(UINT_PTR id) {
  if (id != kDropDownTimer) return;
  KillTimer(kDropDownTimer);
  ShowDropDown(FALSE);
  SendMessage(WM_SETREDRAW, TRUE);
  Invalidate(FALSE);
  OpenPopup(false);
}

void CXColorPickerXP::OpenPopup(bool by_press) {
  CRect rect;
  GetWindowRect(&rect);
  CXColorPopupXP* popup =
      CXColorPopupXP::Open(CPoint(rect.left, rect.bottom), m_Color, this, m_CustomColors.data(), by_press);
  if (popup == nullptr) return;
  popup_ = popup->GetSafeHwnd();
  NotifyParent(kColourPopupOpened, m_Color);
}

LRESULT CXColorPickerXP::OnEnable(WPARAM enable, LPARAM) {
  if (enable) {
    m_Color = m_SavedColor;
  } else {
    m_SavedColor = m_Color;
    m_Color = kDisabledColour;
  }
  Invalidate(FALSE);
  UpdateWindow();
  return Default();
}

LRESULT CXColorPickerXP::OnSelEndOK(WPARAM colour, LPARAM cell) {
  m_nSelectedRow = static_cast<short>(LOWORD(cell));
  m_nSelectedCol = static_cast<short>(HIWORD(cell));
  NotifyParent(kColourPopupClosed, static_cast<COLORREF>(colour));
  NotifyParent(kColourChoiceConfirmed, static_cast<COLORREF>(colour));
  if (static_cast<COLORREF>(colour) != m_Color) {
    SetShownColour(static_cast<COLORREF>(colour));
    NotifyParent(kColourChanged, m_Color);
  }
  return 0;
}

LRESULT CXColorPickerXP::OnSelEndCancel(WPARAM colour, LPARAM) {
  SetShownColour(static_cast<COLORREF>(colour));
  NotifyParent(kColourPopupClosed, static_cast<COLORREF>(colour));
  NotifyParent(kColourChoiceCancelled, static_cast<COLORREF>(colour));
  return 0;
}

LRESULT CXColorPickerXP::OnSelChange(WPARAM colour, LPARAM) {
  if (m_bTrackSelection) SetShownColour(static_cast<COLORREF>(colour));
  return 0;
}

void CXColorPickerXP::SetShownColour(COLORREF colour) {
  m_Color = colour;
  m_SavedColor = colour;
  Invalidate(FALSE);
  UpdateWindow();
}

void CXColorPickerXP::NotifyParent(UINT message, COLORREF colour) const {
  if (CWnd* parent = GetParent()) parent->SendMessage(message, colour, static_cast<LPARAM>(GetDlgCtrlID()));
}
