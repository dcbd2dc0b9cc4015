// CAcroAXDocShim: the host of the PDF reader's document control, the ActiveX control made from
// its class id as a child window, and the call that opens a document in it.
#pragma once

#include <string>

#include "platform/afx/afx.h"

class CAcroAXDocShim : public CWnd {
  DECLARE_DYNCREATE(CAcroAXDocShim)
 public:
  // The control as this wrapper's window; FALSE when the reader's control is not installed.
  BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
              UINT id) override;
  // False when the control did not open the file.
  bool LoadFile(const std::wstring& path);
};
