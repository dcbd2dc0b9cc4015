// Dialog data exchange: DoDataExchange moves values between members and controls, into the
// controls with UpdateData(FALSE) and back with UpdateData(TRUE). A value that does not read
// back fails the exchange (UpdateData answers FALSE) after telling the user why.
#pragma once

#include <string>

#include "platform/win/win_types.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL save_and_validate)
      : m_bSaveAndValidate(save_and_validate), m_pDlgWnd(dialog) {}
  // The control of that id, null (and the exchange failed) when the dialog has none.
  HWND PrepareCtrl(int id);
  // Marks the exchange failed and puts the focus back on the control last prepared.
  void Fail();

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  HWND m_hWndLastControl = nullptr;
  bool m_bFailed = false;
};

void DDX_Text(CDataExchange* dx, int id, std::wstring& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// Binds the control of that id to the wrapper, once.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
