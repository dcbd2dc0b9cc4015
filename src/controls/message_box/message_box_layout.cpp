// The message box's controls, made and placed when it opens.
#include <algorithm>
#include <array>

#include "src/controls/message_box/message_box_dialog.h"
#include "src/settings/console_settings.h"

namespace {

constexpr UINT kNoControlId = 0xFFFF;
constexpr CSize kSmallestButton{40, 14};  // dialog units
constexpr int kMargin = 8;                // dialog units around the box's content
constexpr int kGap = 4;                   // dialog units between rows and between buttons
constexpr int kCheckBoxMark = 14;         // dialog units for the box before a check box's caption

struct IconChoice {
  UINT style;
  LPCWSTR icon;
};
const std::array<IconChoice, 4> kIcons{{
    {MB_ICONHAND, IDI_HAND},
    {MB_ICONQUESTION, IDI_QUESTION},
    {MB_ICONEXCLAMATION, IDI_EXCLAMATION},
    {MB_ICONASTERISK, IDI_ASTERISK},
}};

std::wstring interface_string(UINT id) {
  const wchar_t* text = nullptr;
  const int length = ::LoadStringW(nullptr, id, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

}  // namespace

int CMessageBoxDialog::DX(int n) {
  if (m_sDialogUnit.cx == 0) {
    CRect units(0, 0, 1000, 1000);
    MapDialogRect(&units);
    m_sDialogUnit = units.Size();
  }
  return n * m_sDialogUnit.cx / 1000;
}

int CMessageBoxDialog::DY(int n) {
  DX(0);
  return n * m_sDialogUnit.cy / 1000;
}

CSize CMessageBoxDialog::MeasureText(const std::wstring& text, UINT format, int width) const {
  CDC display;
  display.Attach(::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
  CFont* previous = display.SelectObject(GetFont());
  CRect area(0, 0, width, width);
  display.DrawText(text, &area, format | DT_CALCRECT);
  display.SelectObject(previous);
  ::DeleteDC(display.Detach());
  return area.Size();
}

void CMessageBoxDialog::CreateIcon() {
  for (const IconChoice& choice : kIcons)
    if ((m_nStyle & MB_ICONMASK) == choice.style) m_hIcon = ::LoadIconW(nullptr, choice.icon);
  if (m_hIcon == nullptr) return;
  BITMAP size{};
  ::GetObjectW(m_hIcon, sizeof(size), &size);
  m_sIcon = CSize(size.bmWidth, size.bmHeight);
  m_stcIcon.Create(L"", WS_VISIBLE | WS_DISABLED | SS_ICON, CRect(CPoint(0, 0), m_sIcon), this, kNoControlId);
  m_stcIcon.SetIcon(m_hIcon);
}

void CMessageBoxDialog::CreateMessage() {
  int side = ::GetSystemMetrics(SM_CXSCREEN) / 2 + 100;
  if (m_hIcon != nullptr) side -= 2 * DX(kMargin) + m_sIcon.cx;
  m_sMessage = MeasureText(m_strMessage, DT_WORDBREAK | DT_NOPREFIX, side);
  // Drawn as it was measured: ampersands are plain characters.
  DWORD style = WS_VISIBLE | SS_NOPREFIX | ((m_nStyle & MB_RIGHT) ? SS_RIGHT : SS_LEFT);
  m_stcMessage.CreateEx((m_nStyle & MB_RTLREADING) ? WS_EX_RTLREADING : 0, WC_STATICW, m_strMessage.c_str(),
                        style | WS_CHILD, CRect(CPoint(0, 0), m_sMessage), this, kNoControlId);
  m_stcMessage.SetFont(GetFont());
}

void CMessageBoxDialog::CreateCheckBox() {
  if ((m_nStyle & MB_REMEMBERANSWER) == 0) return;
  const UINT base = (m_nStyle & MB_DONTDISPLAYAGAIN) ? kDontDisplayAgainCaption : kDontAskAgainCaption;
  const std::wstring caption = interface_string(base + kMessageBoxLanguageStep * ReadLanguage());
  const CSize text = MeasureText(caption, DT_SINGLELINE);
  m_sCheckbox = CSize(text.cx + DX(kCheckBoxMark), text.cy);
  m_btnCheckBox.Create(caption.c_str(), WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                       CRect(CPoint(0, 0), m_sCheckbox), this, IDCHECKBOX);
  m_btnCheckBox.SetFont(GetFont());
  if (m_nStyle & MB_DEFCHECKED) m_btnCheckBox.SetCheck(BST_CHECKED);
}

void CMessageBoxDialog::CreateButtons() {
  std::vector<std::wstring> captions;
  CSize widest(DX(kSmallestButton.cx), DY(kSmallestButton.cy));
  for (const tagMSGBOXBTN& button : m_aButtons) {
    captions.push_back(interface_string(button.caption));
    const CSize text = MeasureText(captions.back(), DT_SINGLELINE);
    widest = CSize(std::max(widest.cx, text.cx), std::max(widest.cy, text.cy));
  }
  m_sButton = CSize(widest.cx + 2 * DX(kGap), widest.cy + 2 * DX(1));
  for (std::size_t i = 0; i < m_aButtons.size(); ++i) {
    auto& made = m_buttons.emplace_back(std::make_unique<CButton>());
    made->Create(captions[i].c_str(), WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, CRect(CPoint(0, 0), m_sButton),
                 this, static_cast<UINT>(m_aButtons[i].id));
    made->SetFont(GetFont());
  }
}

void CMessageBoxDialog::Layout() {
  int width = 2 * DX(kMargin);
  int height = 2 * DY(kMargin);
  int text_left = DX(kMargin);
  if (m_hIcon != nullptr) {
    m_stcIcon.SetWindowPos(nullptr, DX(kMargin), DY(kMargin), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    width += DX(kMargin) + m_sIcon.cx;
    text_left += DX(kMargin) + m_sIcon.cx;
    height += DY(kMargin) + m_sIcon.cy;
  }
  width += DX(kMargin) + m_sMessage.cx;
  height = std::max(height, m_sMessage.cy + DY(kGap) + 2 * DY(kMargin));
  m_stcMessage.SetWindowPos(nullptr, text_left, DY(kMargin), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  if (m_btnCheckBox.GetSafeHwnd() != nullptr) {
    const int top = DY(kMargin) + m_sMessage.cy + DY(kGap) + DY(kMargin);
    m_btnCheckBox.SetWindowPos(nullptr, text_left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    width = std::max(width, text_left + m_sCheckbox.cx + DX(kMargin));
    height = std::max(height, top + m_sCheckbox.cy + DY(kMargin));
  }
  const int count = static_cast<int>(m_buttons.size());
  const int row = count * m_sButton.cx + (count - 1) * DX(kGap);
  width = std::max(width, row + 2 * DX(kMargin));
  height += DY(kMargin) + m_sButton.cy;
  const int top = height - m_sButton.cy - DY(kMargin);
  int left = (m_nStyle & MB_RIGHTALIGN) ? width - row - DX(kMargin) : (width - row) / 2;
  for (const auto& button : m_buttons) {
    button->SetWindowPos(nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    left += m_sButton.cx + DX(kGap);
  }
  CRect frame(0, 0, width, height);
  ::AdjustWindowRectEx(&frame, GetStyle(), FALSE, GetExStyle());
  SetWindowPos(nullptr, 0, 0, frame.Width(), frame.Height(), SWP_NOMOVE | SWP_NOZORDER);
  CenterWindow();
}

BOOL CMessageBoxDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  NoteMessageBoxWindow(m_nNoteRecord, m_hWnd);
  SetWindowText(m_strTitle.c_str());
  m_nIDHelp = m_nHelp;
  m_aButtons = MessageBoxButtons(m_nStyle, ReadLanguage());
  m_nCancelButton = MessageBoxCancelButton(m_nStyle);
  m_nDefaultButton = MessageBoxDefaultButton(m_aButtons, m_nStyle);
  CreateIcon();
  CreateMessage();
  CreateCheckBox();
  CreateButtons();
  Layout();
  if ((m_nStyle & MB_NOSOUND) == 0) ::MessageBeep(m_nStyle & MB_ICONMASK);
  if (m_nStyle & MB_SYSTEMMODAL) ModifyStyle(0, DS_SYSMODAL);
  if (m_nStyle & MB_SETFOREGROUND) ::SetForegroundWindow(m_hWnd);
  if (m_nStyle & MB_TOPMOST) ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  if (m_nDefaultButton == -1) return TRUE;
  GetDlgItem(m_nDefaultButton)->SetFocus();
  SetDefID(static_cast<UINT>(m_nDefaultButton));
  return FALSE;
}
