#include "src/dialogs/dialog_checks.h"

#include "platform/win/win32.h"

bool IsChecked(const CWnd& dialog, int id) {
  return SendDlgItemMessageW(dialog.m_hWnd, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(CWnd& dialog, int id, bool checked) {
  SendDlgItemMessageW(dialog.m_hWnd, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ChooseRadio(CWnd& dialog, int chosen, int other) {
  SetChecked(dialog, chosen, true);
  SetChecked(dialog, other, false);
}

void EnableItem(CWnd& dialog, int id, bool enable) {
  if (CWnd* item = dialog.GetDlgItem(id)) item->EnableWindow(enable);
}
