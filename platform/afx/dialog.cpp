#include "platform/afx/dialog.h"

#include "platform/afx/data_exchange.h"
#include "platform/afx/message_map_entries.h"
#include "platform/afx/win_app.h"
#include "platform/win/focus_api.h"
#include "platform/win/resource_api.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDlgProc(HWND hwnd, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hwnd));
  return dialog ? dialog->OnInitDialog() : TRUE;
}

CDialog::CDialog(UINT template_id, CWnd* parent)
    : m_nIDHelp(template_id), m_nIDTemplate(template_id), m_pParentWnd(parent) {}

CDialog::CDialog(const DialogTemplate* dialog_template, CWnd* parent)
    : m_lpDialogTemplate(dialog_template), m_pParentWnd(parent) {}

const DialogTemplate* CDialog::FindTemplate() const {
  if (m_lpDialogTemplate != nullptr) return m_lpDialogTemplate;
  return FindDialogTemplate(nullptr, MAKEINTRESOURCEW(static_cast<WORD>(m_nIDTemplate)));
}

HWND CDialog::CreateFromTemplate(const DialogTemplate* dialog_template, HWND owner) {
  AfxHookWindowCreate(this);
  HWND hwnd =
      CreateDialogIndirectParamW(nullptr, dialog_template, owner, AfxDlgProc, reinterpret_cast<LPARAM>(this));
  AfxUnhookWindowCreate();
  return hwnd;
}

INT_PTR CDialog::DoModal() {
  const DialogTemplate* dialog_template = FindTemplate();
  if (dialog_template == nullptr) return -1;
  // The owner is the top-level window of the parent (or of the main window), or the popup of
  // it that is active, so that a dialog opened from a modal dialog belongs to that one.
  HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  if (owner == nullptr) {
    CWnd* main = AfxGetMainWnd();
    owner = main && main != this ? main->m_hWnd : nullptr;
  }
  if (owner != nullptr) owner = GetLastActivePopup(GetAncestor(owner, GA_ROOT));
  const bool disable_owner = owner != nullptr && ::IsWindowEnabled(owner);
  if (disable_owner) ::EnableWindow(owner, FALSE);

  m_nModalResult = -1;
  m_nFlags |= WF_CONTINUEMODAL;
  HWND hwnd = CreateFromTemplate(dialog_template, owner);
  if (hwnd != nullptr && (m_nFlags & WF_CONTINUEMODAL)) {
    ShowWindow(SW_SHOWNORMAL);
    RunModalLoop();
  }
  m_nFlags &= ~WF_CONTINUEMODAL;
  // The owner comes back before the dialog hides, so that it is the one activated.
  if (disable_owner) ::EnableWindow(owner, TRUE);
  if (m_hWnd != nullptr)
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  if (owner != nullptr && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
  DestroyWindow();
  return m_nModalResult;
}

BOOL CDialog::Create(UINT template_id, CWnd* parent) {
  m_nIDTemplate = template_id;
  m_pParentWnd = parent;
  const DialogTemplate* dialog_template = FindTemplate();
  return dialog_template ? CreateIndirect(dialog_template, parent) : FALSE;
}

BOOL CDialog::CreateIndirect(const DialogTemplate* dialog_template, CWnd* parent) {
  m_pParentWnd = parent;
  return CreateFromTemplate(dialog_template, parent ? parent->m_hWnd : nullptr) != nullptr;
}

void CDialog::EndDialog(int result) {
  // Once a modal dialog has ended, its result stands: a later EndDialog changes nothing.
  if (m_nFlags & WF_CONTINUEMODAL) EndModalLoop(result);
  ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL save_and_validate) {
  CDataExchange exchange(this, save_and_validate);
  DoDataExchange(&exchange);
  return !exchange.m_bFailed;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  // Only keys go to the dialog manager here: mouse messages go on up to the owners' turns and
  // then to their window as usual.
  if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return FALSE;
  return IsDialogMessageW(m_hWnd, msg);
}

void CDialog::SetDefID(UINT id) {
  SendMessage(DM_SETDEFID, id);
}

DWORD CDialog::GetDefID() const {
  return static_cast<DWORD>(SendMessage(DM_GETDEFID));
}

void CDialog::NextDlgCtrl() const {
  SendMessage(WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const {
  SendMessage(WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
  if (control != nullptr) SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), TRUE);
}

void CDialog::MapDialogRect(LPRECT rect) const {
  ::MapDialogRect(m_hWnd, rect);
}
