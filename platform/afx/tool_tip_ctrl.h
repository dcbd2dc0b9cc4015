// CToolTipCtrl: a tooltip window whose tools are controls of its owner; the owner relays the
// mouse messages of its loop to it (RelayEvent) so that a tip shows once the pointer rests.
#pragma once

#include <string>

#include "platform/afx/wnd.h"

class CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)
 public:
  BOOL Create(CWnd* parent, DWORD style = 0);
  // A tool is a whole control (id 0) or a rectangle of a window with its own id.
  BOOL AddTool(CWnd* tool, LPCWSTR text, LPCRECT rect = nullptr, UINT_PTR id = 0);
  void DelTool(CWnd* tool, UINT_PTR id = 0);
  void UpdateTipText(LPCWSTR text, CWnd* tool, UINT_PTR id = 0);
  void Activate(BOOL activate);
  void RelayEvent(LPMSG msg);
  void SetDelayTime(UINT delay);
  int SetMaxTipWidth(int width);
  int GetToolCount() const;
  // The tool's text; empty for a tool the control does not have.
  std::wstring GetText(CWnd* tool, UINT_PTR id = 0) const;
};
