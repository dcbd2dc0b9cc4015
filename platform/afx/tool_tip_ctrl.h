// CToolTipCtrl: the tooltip control wrapper. Tools are whole windows (their tip shows while the
// pointer is over them) or rectangles of a window; the owner relays the mouse messages the tip
// needs with RelayEvent.
#pragma once

#include <string>

#include "platform/afx/wnd.h"

class CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)
 public:
  // A pop-up owned by parent, which may be null.
  virtual BOOL Create(CWnd* parent, DWORD style = 0);
  // With no rectangle and id 0 the tool is the whole window; otherwise the rectangle of window
  // known by tool_id.
  BOOL AddTool(CWnd* wnd, LPCWSTR text = LPSTR_TEXTCALLBACKW, LPCRECT rect = nullptr, UINT_PTR tool_id = 0);
  // The text from the program's string table.
  BOOL AddTool(CWnd* wnd, UINT text_id, LPCRECT rect = nullptr, UINT_PTR tool_id = 0);
  void DelTool(CWnd* wnd, UINT_PTR tool_id = 0);
  void UpdateTipText(LPCWSTR text, CWnd* wnd, UINT_PTR tool_id = 0);
  void UpdateTipText(UINT text_id, CWnd* wnd, UINT_PTR tool_id = 0);
  std::wstring GetText(CWnd* wnd, UINT_PTR tool_id = 0) const;
  int GetToolCount() const;
  void Activate(BOOL activate);
  void RelayEvent(LPMSG msg);
  int SetMaxTipWidth(int width);
  // All three delays from the initial one, or one of them (TTDT_*).
  void SetDelayTime(UINT delay);
  void SetDelayTime(DWORD which, int milliseconds);
  int GetDelayTime(DWORD which) const;
  void SetTipBkColor(COLORREF colour);
  void SetTipTextColor(COLORREF colour);
  void Pop();

 private:
  TOOLINFOW tool_info(CWnd* wnd, UINT_PTR tool_id) const;
};
