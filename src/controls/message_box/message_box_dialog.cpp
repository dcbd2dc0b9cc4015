#include "src/controls/message_box/message_box_dialog.h"

#include <cstdint>
#include <utility>

BEGIN_MESSAGE_MAP(CMessageBoxDialog, CDialog)
ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace {
constexpr UINT kTemplate = 121;
constexpr const wchar_t* kProfileSection = L"MessageBoxes";
constexpr int kNotRemembered = -1;
}  // namespace

CMessageBoxDialog::CMessageBoxDialog(CWnd* parent, std::wstring message, std::wstring title, UINT style,
                                     UINT help_id)
    : CDialog(kTemplate, parent),
      m_strMessage(std::move(message)),
      m_strTitle(std::move(title)),
      m_nStyle(style),
      m_nHelp(help_id) {
  const CWinApp* app = AfxGetApp();
  if (m_strTitle.empty() && app != nullptr && app->m_pszAppName != nullptr) m_strTitle = app->m_pszAppName;
}

std::wstring CMessageBoxDialog::GetProfileValueName() const {
  if (m_nHelp != 0) return std::to_wstring(static_cast<int>(m_nHelp));
  // Wraps as 32-bit arithmetic does.
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < m_strMessage.size(); ++i)
    sum += static_cast<std::uint32_t>(i) * static_cast<std::uint32_t>(m_strMessage[i]);
  return std::to_wstring(static_cast<std::int32_t>(sum));
}

INT_PTR CMessageBoxDialog::DoModal() {
  CWinApp* app = AfxGetApp();
  if ((m_nStyle & MB_REMEMBERANSWER) != 0 && app != nullptr) {
    if (m_strProfileValueName.empty()) m_strProfileValueName = GetProfileValueName();
    const int answer =
        static_cast<int>(app->GetProfileIntW(kProfileSection, m_strProfileValueName.c_str(), kNotRemembered));
    if (answer != kNotRemembered) return answer;
  }
  m_nNoteRecord = NoteMessageBoxShown(m_strMessage.c_str(), m_strTitle.c_str(), m_nStyle);
  const INT_PTR result = CDialog::DoModal();
  NoteMessageBoxAnswer(m_nNoteRecord, static_cast<int>(result));
  return result;
}

void CMessageBoxDialog::EndMessageBox(int button_id) {
  CWinApp* app = AfxGetApp();
  if (m_btnCheckBox.GetSafeHwnd() != nullptr && m_btnCheckBox.GetCheck() == BST_CHECKED &&
      (m_nStyle & MB_REMEMBERANSWER) != 0 && app != nullptr) {
    if (m_strProfileValueName.empty()) m_strProfileValueName = GetProfileValueName();
    app->WriteProfileIntW(kProfileSection, m_strProfileValueName.c_str(), button_id);
  }
  EndDialog(button_id);
}

bool CMessageBoxDialog::IsButton(int id) const {
  for (const tagMSGBOXBTN& button : m_aButtons)
    if (button.id == id) return true;
  return false;
}

BOOL CMessageBoxDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (HIWORD(wParam) != BN_CLICKED || id == IDCHECKBOX) return CDialog::OnCommand(wParam, lParam);
  // Only the box's own buttons end it: the dialog manager's IDOK and IDCANCEL do not.
  if (IsButton(id) && id != IDHELP) EndMessageBox(id);
  return TRUE;
}

BOOL CMessageBoxDialog::PreTranslateMessage(MSG* msg) {
  if (msg->message != WM_KEYDOWN) return CDialog::PreTranslateMessage(msg);
  switch (msg->wParam) {
    case VK_RETURN: {
      const CWnd* focus = CWnd::FromHandle(::GetFocus());
      if (focus != nullptr && ::IsChild(m_hWnd, focus->GetSafeHwnd()) && IsButton(focus->GetDlgCtrlID()))
        m_nDefaultButton = focus->GetDlgCtrlID();
      if (m_nDefaultButton != -1) EndMessageBox(m_nDefaultButton);
      return TRUE;
    }
    case VK_ESCAPE:
    case VK_CANCEL:
      if (m_nCancelButton != -1) EndMessageBox(m_nCancelButton);
      return TRUE;
    default:
      return CDialog::PreTranslateMessage(msg);
  }
}

void CMessageBoxDialog::OnClose() {
  if (m_nCancelButton != -1) EndMessageBox(m_nCancelButton);
}

int DoConsoleMessageBox(LPCWSTR prompt, UINT type, UINT help_id) {
  HWND parent = ::GetActiveWindow();
  const CWinApp* app = AfxGetApp();
  if (parent == nullptr && app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr)
    parent = ::GetLastActivePopup(app->m_pMainWnd->m_hWnd);
  // A box may open on a timer while Orvenna is in front: it takes the keyboard, so that what the
  // presenter types next answers it instead of pressing Orvenna's shortcuts.
  CMessageBoxDialog box(CWnd::FromHandle(parent), prompt != nullptr ? prompt : L"", L"",
                        type | MB_SETFOREGROUND, help_id);
  return static_cast<int>(box.DoModal());
}
