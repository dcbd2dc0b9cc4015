// CWnd: the framework's wrapper of a window handle. A permanent wrapper (created by CreateEx,
// Attach or SubclassWindow) gets the window's messages through its message map; FromHandle gives
// a temporary wrapper of any window, foreign ones included, which the next idle time deletes.
#pragma once

#include <string>

#include "platform/afx/cmd_target.h"
#include "platform/afx/dc.h"
#include "platform/afx/geometry.h"
#include "platform/com/com_types.h"
#include "platform/win/controls_api.h"
#include "platform/win/touch_api.h"
#include "platform/win/win_types.h"

class CScrollBar;
class COleControlSite;
struct NMHDR;

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  // A wrapper that still holds a live window destroys it.
  ~CWnd() override;

  static CWnd* FromHandle(HWND hwnd);
  static CWnd* FromHandlePermanent(HWND hwnd);
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }
  BOOL Attach(HWND hwnd);
  HWND Detach();

  virtual BOOL CreateEx(DWORD ex_style, LPCWSTR class_name, LPCWSTR window_name, DWORD style, int x, int y,
                        int width, int height, HWND parent, HMENU menu_or_id, LPVOID param = nullptr);
  virtual BOOL CreateEx(DWORD ex_style, LPCWSTR class_name, LPCWSTR window_name, DWORD style,
                        const RECT& rect, CWnd* parent, UINT id, LPVOID param = nullptr);
  virtual BOOL Create(LPCWSTR class_name, LPCWSTR window_name, DWORD style, const RECT& rect, CWnd* parent,
                      UINT id);
  virtual BOOL DestroyWindow();
  BOOL SubclassWindow(HWND hwnd);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();

  // ActiveX controls, once AfxEnableControlContainer was called: the control is made from its
  // class id (or its braced text or prog id) and activated in place, and its own window, a child
  // of parent with the id, becomes this wrapper's window. FALSE when the control cannot be made.
  BOOL CreateControl(REFCLSID clsid, LPCWSTR window_name, DWORD style, const RECT& rect, CWnd* parent,
                     UINT id);
  BOOL CreateControl(LPCWSTR class_name, LPCWSTR window_name, DWORD style, const RECT& rect, CWnd* parent,
                     UINT id);
  // Calls the control's automation member by its dispatch id. param_info lists the argument
  // types (VTS_BSTR ...), which follow; the result is written as result_type (VT_BOOL into a
  // BOOL, VT_BSTR into a std::wstring). A failed call leaves the result zero or empty.
  void InvokeHelper(DISPID id, WORD flags, VARTYPE result_type, void* result, const BYTE* param_info, ...);

  // Messages.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  // A control's turn at a notification its parent received (reflection); true when handled.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // Passes the message being handled on to the window's previous procedure.
  LRESULT Default();
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // Walks from the message's window up through parents and owners, up to stop, asking each
  // permanent wrapper's PreTranslateMessage.
  static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

  // Window state.
  CWnd* GetDlgItem(int id) const;
  int GetDlgCtrlID() const;
  CWnd* GetParent() const;
  CWnd* GetOwner() const;
  CWnd* GetTopLevelParent() const;
  void SetWindowText(LPCWSTR text);
  int GetWindowText(LPWSTR buffer, int max_count) const;
  void GetWindowText(std::wstring& text) const;
  std::wstring GetWindowText() const;
  int GetWindowTextLength() const;
  void SetDlgItemText(int id, LPCWSTR text);
  std::wstring GetDlgItemText(int id) const;
  void Invalidate(BOOL erase = TRUE);
  void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
  void UpdateWindow();
  BOOL RedrawWindow(LPCRECT rect = nullptr, HRGN region = nullptr, UINT flags = 0x0001 | 0x0004 | 0x0100);
  BOOL ShowWindow(int command);
  BOOL IsWindowVisible() const;
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  CWnd* SetFocus();
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
  BOOL SetWindowPos(const CWnd* insert_after, int x, int y, int cx, int cy, UINT flags);
  void GetWindowRect(LPRECT rect) const;
  void GetClientRect(LPRECT rect) const;
  void ScreenToClient(LPPOINT point) const;
  void ScreenToClient(LPRECT rect) const;
  void ClientToScreen(LPPOINT point) const;
  void ClientToScreen(LPRECT rect) const;
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
  BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
  // Centres the window on the alternate window, or on its owner, or on the work area.
  void CenterWindow(CWnd* alternate = nullptr);
  void SetFont(CFont* font, BOOL redraw = TRUE);
  CFont* GetFont() const;
  CDC* GetDC();
  int ReleaseDC(CDC* dc);
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
  BOOL KillTimer(UINT_PTR id);
  // Touch input of a window registered for it (RegisterTouchWindow): WM_TOUCH's records go one by
  // one to OnTouchInput, at their point in client pixels; a window that handles none of them
  // leaves the message to the default processing.
  virtual BOOL OnTouchInputs(UINT count, PTOUCHINPUT inputs);
  virtual BOOL OnTouchInput(CPoint point, int index, int count, PTOUCHINPUT input);
  LRESULT OnTouchMessage(WPARAM wParam, LPARAM lParam);

  // Modal loops of windows that are not dialogs, and of CDialog::DoModal.
  int RunModalLoop();
  virtual BOOL ContinueModal();
  virtual void EndModalLoop(int result);

  // Default handlers named by the ON_WM_* entries: each passes the message on (Default).
  int OnCreate(LPCREATESTRUCTW create);
  void OnDestroy();
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* dc);
  void OnTimer(UINT_PTR id);
  void OnSize(UINT type, int cx, int cy);
  void OnMove(int x, int y);
  void OnClose();
  void OnShowWindow(BOOL show, UINT status);
  void OnActivate(UINT state, CWnd* other, BOOL minimized);
  void OnSetFocus(CWnd* old);
  void OnKillFocus(CWnd* next);
  void OnLButtonDown(UINT flags, CPoint point);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnLButtonDblClk(UINT flags, CPoint point);
  void OnRButtonDown(UINT flags, CPoint point);
  void OnRButtonUp(UINT flags, CPoint point);
  void OnMouseMove(UINT flags, CPoint point);
  BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
  void OnMouseLeave();
  void OnKeyDown(UINT key, UINT repeat, UINT flags);
  void OnKeyUp(UINT key, UINT repeat, UINT flags);
  void OnChar(UINT key, UINT repeat, UINT flags);
  void OnSysCommand(UINT id, LPARAM lParam);
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctl_colour);
  void OnDrawItem(int id, LPDRAWITEMSTRUCT draw);
  void OnMeasureItem(int id, LPMEASUREITEMSTRUCT measure);
  HCURSOR OnQueryDragIcon();
  BOOL OnSetCursor(CWnd* wnd, UINT hit_test, UINT message);
  void OnHScroll(UINT code, UINT position, CScrollBar* scroll_bar);
  void OnVScroll(UINT code, UINT position, CScrollBar* scroll_bar);
  UINT OnGetDlgCode();
  void OnWindowPosChanged(WINDOWPOS* pos);

  HWND m_hWnd = nullptr;
  WNDPROC m_pfnSuper = nullptr;            // the window's procedure before the framework took it over
  COleControlSite* m_pCtrlSite = nullptr;  // the control this window is, released with the window
  int m_nModalResult = 0;

 protected:
  // Called before the framework takes over an existing window (SubclassWindow).
  virtual void PreSubclassWindow();
  virtual BOOL PreCreateWindow(CREATESTRUCTW& create);
  // Called after the window is gone and the wrapper detached: modeless windows delete themselves.
  virtual void PostNcDestroy();

  DECLARE_MESSAGE_MAP()

  enum : UINT { WF_MODALLOOP = 0x0002, WF_CONTINUEMODAL = 0x0004 };
  UINT m_nFlags = 0;

 private:
  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  BOOL ReflectLastMsg(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
};

class CScrollBar : public CWnd {};

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Arranges for the next window the thread creates to be attached to wnd before its first message.
void AfxHookWindowCreate(CWnd* wnd);
bool AfxUnhookWindowCreate();
