// CDialog: a dialog from a template of the program's resources, run modally (DoModal, with the
// owner disabled meanwhile) or modeless (Create).
#pragma once

#include "platform/afx/wnd.h"
#include "platform/win/dialog_api.h"

class CDataExchange;

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)
 public:
  CDialog() = default;
  explicit CDialog(UINT template_id, CWnd* parent = nullptr);
  explicit CDialog(const DialogTemplate* dialog_template, CWnd* parent = nullptr);

  // Runs the dialog in a nested message loop until EndDialog; returns its result, -1 when the
  // template is missing or the dialog cannot be made.
  virtual INT_PTR DoModal();
  BOOL Create(UINT template_id, CWnd* parent = nullptr);
  BOOL CreateIndirect(const DialogTemplate* dialog_template, CWnd* parent = nullptr);
  // Ends the dialog with result, from anywhere: before its loop runs, inside it, or again.
  void EndDialog(int result);

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  BOOL UpdateData(BOOL save_and_validate = TRUE);
  BOOL PreTranslateMessage(MSG* msg) override;

  void SetDefID(UINT id);
  DWORD GetDefID() const;
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void GotoDlgCtrl(CWnd* control);
  void MapDialogRect(LPRECT rect) const;

  UINT m_nIDHelp = 0;
  UINT m_nIDTemplate = 0;
  const DialogTemplate* m_lpDialogTemplate = nullptr;
  CWnd* m_pParentWnd = nullptr;

 protected:
  virtual void DoDataExchange(CDataExchange* dx);
  DECLARE_MESSAGE_MAP()

 private:
  const DialogTemplate* FindTemplate() const;
  HWND CreateFromTemplate(const DialogTemplate* dialog_template, HWND owner);
};

class CDialogEx : public CDialog {
 public:
  using CDialog::CDialog;
};

INT_PTR CALLBACK AfxDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
