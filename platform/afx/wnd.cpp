#include "platform/afx/wnd.h"
#include <algorithm>

#include <utility>
#include <vector>

#include "platform/afx/message_map_entries.h"
#include "platform/afx/ole_control_site.h"
#include "platform/afx/thread_state.h"
#include "platform/afx/win_app.h"
#include "platform/win/controls_api.h"
#include "platform/win/device_context_api.h"
#include "platform/win/focus_api.h"
#include "platform/win/message_api.h"
#include "platform/win/monitor_api.h"
#include "platform/win/mouse_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_MESSAGE(WM_TOUCH, &CWnd::OnTouchMessage)
END_MESSAGE_MAP()

namespace {

constexpr const wchar_t* kDefaultClass = L"AfxWnd";

LRESULT CALLBACK creation_hook(int code, WPARAM wParam, LPARAM lParam) {
  afx_internal::ThreadState* state = afx_internal::thread_state();
  if (code == HCBT_CREATEWND && state->creating != nullptr) {
    CWnd* wnd = std::exchange(state->creating, nullptr);
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    wnd->Attach(hwnd);
    auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (previous != &AfxWndProc) wnd->m_pfnSuper = previous;
  }
  return CallNextHookEx(state->creation_hook, code, wParam, lParam);
}

// The control a message to the parent is about, for reflection; null for other messages.
HWND control_of(HWND parent, UINT message, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      return draw->CtlType == ODT_MENU ? nullptr : draw->hwndItem;
    }
    case WM_MEASUREITEM: {
      // The record names its control by id only.
      auto* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
      return measure->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(parent, static_cast<int>(measure->CtlID));
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      return reinterpret_cast<HWND>(lParam);
    default:
      if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) return reinterpret_cast<HWND>(lParam);
      return nullptr;
  }
}

}  // namespace

void AfxHookWindowCreate(CWnd* wnd) {
  afx_internal::ThreadState* state = afx_internal::thread_state();
  if (state->creation_hook == nullptr)
    state->creation_hook = SetWindowsHookExW(WH_CBT, creation_hook, nullptr, GetCurrentThreadId());
  state->creating = wnd;
}

bool AfxUnhookWindowCreate() {
  afx_internal::ThreadState* state = afx_internal::thread_state();
  if (state->creation_hook != nullptr) UnhookWindowsHookEx(std::exchange(state->creation_hook, nullptr));
  return std::exchange(state->creating, nullptr) == nullptr;
}

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
  if (wnd == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  afx_internal::ThreadState* state = afx_internal::thread_state();
  const MSG outer = state->current;
  state->current = {hwnd, message, wParam, lParam, 0, {}};
  LRESULT result = wnd->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The window is gone: give it back its own procedure, detach, and let the wrapper go.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) == &AfxWndProc && wnd->m_pfnSuper)
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wnd->m_pfnSuper));
    wnd->Detach();
    delete std::exchange(wnd->m_pCtrlSite, nullptr);
    wnd->PostNcDestroy();
  }
  state->current = outer;
  return result;
}

CWnd::~CWnd() {
  if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) ::DestroyWindow(m_hWnd);
  if (m_hWnd != nullptr) Detach();
  delete std::exchange(m_pCtrlSite, nullptr);
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  if (CWnd* permanent = FromHandlePermanent(hwnd)) return permanent;
  afx_internal::ThreadState* state = afx_internal::thread_state();
  if (state == nullptr) return nullptr;
  auto& slot = state->temporary_windows[hwnd];
  if (!slot) {
    slot = std::make_unique<CWnd>();
    slot->m_hWnd = hwnd;
  }
  return slot.get();
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
  afx_internal::ThreadState* state = afx_internal::thread_state();
  if (hwnd == nullptr || state == nullptr) return nullptr;
  auto found = state->permanent_windows.find(hwnd);
  return found == state->permanent_windows.end() ? nullptr : found->second;
}

BOOL CWnd::Attach(HWND hwnd) {
  afx_internal::ThreadState* state = afx_internal::thread_state();
  if (hwnd == nullptr || m_hWnd != nullptr || state == nullptr || state->permanent_windows.count(hwnd))
    return FALSE;
  state->permanent_windows[hwnd] = this;
  m_hWnd = hwnd;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hwnd = std::exchange(m_hWnd, nullptr);
  afx_internal::ThreadState* state = afx_internal::thread_state();
  if (hwnd != nullptr && state != nullptr) {
    auto found = state->permanent_windows.find(hwnd);
    if (found != state->permanent_windows.end() && found->second == this)
      state->permanent_windows.erase(found);
  }
  return hwnd;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW& create) {
  if (create.lpszClass == nullptr) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    window_class.lpszClassName = kDefaultClass;
    RegisterClassExW(&window_class);  // once per program; later calls find it there
    create.lpszClass = kDefaultClass;
  }
  return TRUE;
}

BOOL CWnd::CreateEx(DWORD ex_style, LPCWSTR class_name, LPCWSTR window_name, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu_or_id, LPVOID param) {
  CREATESTRUCTW create{
      param,       nullptr,    menu_or_id, parent, height, width, y, x, static_cast<LONG>(style),
      window_name, class_name, ex_style};
  if (!PreCreateWindow(create)) {
    PostNcDestroy();
    return FALSE;
  }
  AfxHookWindowCreate(this);
  HWND hwnd = CreateWindowExW(create.dwExStyle, create.lpszClass, create.lpszName,
                              static_cast<DWORD>(create.style), create.x, create.y, create.cx, create.cy,
                              create.hwndParent, create.hMenu, create.hInstance, create.lpCreateParams);
  AfxUnhookWindowCreate();
  return hwnd != nullptr && hwnd == m_hWnd;
}

BOOL CWnd::CreateEx(DWORD ex_style, LPCWSTR class_name, LPCWSTR window_name, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, LPVOID param) {
  return CreateEx(ex_style, class_name, window_name, style, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::Create(LPCWSTR class_name, LPCWSTR window_name, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id) {
  return CreateEx(0, class_name, window_name, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::DestroyWindow() {
  if (m_hWnd == nullptr) return FALSE;
  HWND hwnd = m_hWnd;
  const bool permanent = FromHandlePermanent(hwnd) == this;
  BOOL destroyed = ::DestroyWindow(hwnd);
  if (!permanent && destroyed) m_hWnd = nullptr;
  return destroyed;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (!::IsWindow(hwnd) || !Attach(hwnd)) return FALSE;
  PreSubclassWindow();
  auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  if (previous != &AfxWndProc) m_pfnSuper = previous;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (parent == nullptr) return FALSE;
  HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
  return control != nullptr && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow() {
  if (m_hWnd == nullptr) return nullptr;
  if (m_pfnSuper != nullptr) SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  return Detach();
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  LRESULT answer = 0;
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *result = 0;
    return TRUE;
  }
  if (message == WM_NOTIFY) return OnNotify(wParam, lParam, result);
  if (HWND control = control_of(m_hWnd, message, lParam);
      control != nullptr && ReflectLastMsg(control, message, wParam, lParam, &answer)) {
    *result = answer;
    return TRUE;
  }
  const bool colour = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(colour ? WM_CTLCOLOR : message, 0, 0);
  if (entry == nullptr) return FALSE;
  entry->pfn(this, {message, wParam, lParam, 0}, answer);
  *result = answer;
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND control = reinterpret_cast<HWND>(lParam);
  LRESULT result = 0;
  if (control != nullptr && ReflectLastMsg(control, WM_COMMAND, wParam, lParam, &result)) return TRUE;
  return OnCmdMsg(WM_COMMAND, HIWORD(wParam), LOWORD(wParam), {WM_COMMAND, wParam, lParam, LOWORD(wParam)},
                  result);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header == nullptr) return FALSE;
  if (ReflectLastMsg(header->hwndFrom, WM_NOTIFY, wParam, lParam, result)) return TRUE;
  const UINT id = static_cast<UINT>(header->idFrom);
  return OnCmdMsg(WM_NOTIFY, header->code, id, {WM_NOTIFY, wParam, lParam, id}, *result);
}

BOOL CWnd::ReflectLastMsg(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  CWnd* control = FromHandlePermanent(child);
  return control != nullptr && control != this && control->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  LRESULT answer = 0;
  const AFX_MSGMAP_ENTRY* entry = nullptr;
  if (message == WM_COMMAND) {
    entry = FindMessageEntry(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0);
  } else if (message == WM_NOTIFY) {
    entry = FindMessageEntry(WM_REFLECT_BASE + WM_NOTIFY, reinterpret_cast<NMHDR*>(lParam)->code, 0);
  } else if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
    entry = FindMessageEntry(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0);
  } else {
    return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, result);
  }
  if (entry == nullptr) return FALSE;
  entry->pfn(this, {message, wParam, lParam, 0}, answer);
  if (result != nullptr) *result = answer;
  // A reflected WM_CTLCOLOR handler that gives no brush leaves the message to the parent.
  return !(message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) || answer != 0;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG& current = afx_internal::thread_state()->current;
  return DefWindowProc(current.message, current.wParam, current.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
  return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg) {
  for (HWND hwnd = msg->hwnd; hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (wnd != nullptr && wnd->PreTranslateMessage(msg)) return TRUE;
    if (hwnd == stop) break;
  }
  return FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return PostMessageW(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetDlgItem(int id) const {
  return FromHandle(::GetDlgItem(m_hWnd, id));
}

int CWnd::GetDlgCtrlID() const {
  return ::GetDlgCtrlID(m_hWnd);
}

CWnd* CWnd::GetParent() const {
  return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetOwner() const {
  return FromHandle(::GetWindow(m_hWnd, GW_OWNER));
}

CWnd* CWnd::GetTopLevelParent() const {
  return FromHandle(::GetAncestor(m_hWnd, GA_ROOT));
}

void CWnd::SetWindowText(LPCWSTR text) {
  SetWindowTextW(m_hWnd, text);
}

int CWnd::GetWindowText(LPWSTR buffer, int max_count) const {
  return GetWindowTextW(m_hWnd, buffer, max_count);
}

void CWnd::GetWindowText(std::wstring& text) const {
  text = GetWindowText();
}

std::wstring CWnd::GetWindowText() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLength()) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

int CWnd::GetWindowTextLength() const {
  return GetWindowTextLengthW(m_hWnd);
}

void CWnd::SetDlgItemText(int id, LPCWSTR text) {
  SetWindowTextW(::GetDlgItem(m_hWnd, id), text);
}

std::wstring CWnd::GetDlgItemText(int id) const {
  CWnd* item = GetDlgItem(id);
  return item ? item->GetWindowText() : std::wstring();
}

void CWnd::Invalidate(BOOL erase) {
  ::InvalidateRect(m_hWnd, nullptr, erase);
}

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) {
  ::InvalidateRect(m_hWnd, rect, erase);
}

void CWnd::UpdateWindow() {
  ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT rect, HRGN region, UINT flags) {
  return ::RedrawWindow(m_hWnd, rect, region, flags);
}

BOOL CWnd::ShowWindow(int command) {
  return ::ShowWindow(m_hWnd, command);
}

BOOL CWnd::IsWindowVisible() const {
  return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL enable) {
  return ::EnableWindow(m_hWnd, enable);
}

BOOL CWnd::IsWindowEnabled() const {
  return ::IsWindowEnabled(m_hWnd);
}

CWnd* CWnd::SetFocus() {
  return FromHandle(::SetFocus(m_hWnd));
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
  ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
  MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insert_after, int x, int y, int cx, int cy, UINT flags) {
  return ::SetWindowPos(m_hWnd, insert_after ? insert_after->m_hWnd : nullptr, x, y, cx, cy, flags);
}

void CWnd::GetWindowRect(LPRECT rect) const {
  ::GetWindowRect(m_hWnd, rect);
}

void CWnd::GetClientRect(LPRECT rect) const {
  ::GetClientRect(m_hWnd, rect);
}

void CWnd::ScreenToClient(LPPOINT point) const {
  ::ScreenToClient(m_hWnd, point);
}

void CWnd::ScreenToClient(LPRECT rect) const {
  MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::ClientToScreen(LPPOINT point) const {
  ::ClientToScreen(m_hWnd, point);
}

void CWnd::ClientToScreen(LPRECT rect) const {
  MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

DWORD CWnd::GetStyle() const {
  return static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const {
  return static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_EXSTYLE));
}

namespace {

BOOL modify(HWND hwnd, int index, DWORD remove, DWORD add, UINT flags) {
  DWORD old_style = static_cast<DWORD>(GetWindowLongW(hwnd, index));
  DWORD new_style = (old_style & ~remove) | add;
  if (old_style == new_style) return FALSE;
  SetWindowLongW(hwnd, index, static_cast<LONG>(new_style));
  if (flags != 0)
    ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
  return TRUE;
}

}  // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
  return modify(m_hWnd, GWL_STYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) {
  return modify(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}

void CWnd::CenterWindow(CWnd* alternate) {
  const bool child = (GetStyle() & WS_CHILD) != 0;
  HWND centre_on = alternate ? alternate->m_hWnd
                   : child   ? ::GetParent(m_hWnd)
                             : ::GetWindow(m_hWnd, GW_OWNER);
  CRect rect;
  GetWindowRect(&rect);
  if (child) {
    CRect area;
    ::GetClientRect(centre_on, &area);
    ::SetWindowPos(m_hWnd, nullptr, area.left + (area.Width() - rect.Width()) / 2,
                   area.top + (area.Height() - rect.Height()) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  // A top-level window is centred on its owner, or on the work area of the owner's monitor when
  // the owner is not shown, and stays whole within that work area.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(centre_on != nullptr ? centre_on : m_hWnd, MONITOR_DEFAULTTOPRIMARY),
                  &monitor);
  const CRect work(monitor.rcWork);
  CRect area = work;
  if (centre_on != nullptr && ::IsWindowVisible(centre_on) && !IsIconic(centre_on))
    ::GetWindowRect(centre_on, &area);
  const int left =
      std::max(work.left, std::min(area.left + (area.Width() - rect.Width()) / 2, work.right - rect.Width()));
  const int top = std::max(
      work.top, std::min(area.top + (area.Height() - rect.Height()) / 2, work.bottom - rect.Height()));
  ::SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}

CFont* CWnd::GetFont() const {
  return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

CDC* CWnd::GetDC() {
  return CDC::FromHandle(::GetDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* dc) {
  return dc ? ::ReleaseDC(m_hWnd, dc->m_hDC) : 0;
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) {
  return ::SetTimer(m_hWnd, id, elapse, proc);
}

BOOL CWnd::KillTimer(UINT_PTR id) {
  return ::KillTimer(m_hWnd, id);
}

int CWnd::RunModalLoop() {
  m_nFlags |= WF_MODALLOOP;
  afx_internal::ThreadState* state = afx_internal::thread_state();
  ++state->loop_depth;
  while (ContinueModal() && ::IsWindow(m_hWnd)) {
    MSG msg;
    if (state->loop_depth == 1 && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
      afx_internal::delete_temporaries();
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      // WM_QUIT ends the loop and goes on to the loops outside it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      m_nModalResult = -1;
      break;
    }
    if (!AfxPreTranslateMessage(&msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  --state->loop_depth;
  m_nFlags &= ~WF_MODALLOOP;
  return m_nModalResult;
}

BOOL CWnd::ContinueModal() {
  return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int result) {
  m_nModalResult = result;
  if (m_nFlags & WF_CONTINUEMODAL) {
    m_nFlags &= ~WF_CONTINUEMODAL;
    PostMessage(WM_NULL);
  }
}

LRESULT CWnd::OnTouchMessage(WPARAM wParam, LPARAM lParam) {
  const UINT count = LOWORD(wParam);
  auto handle = reinterpret_cast<HTOUCHINPUT>(lParam);
  std::vector<TOUCHINPUT> inputs(count);
  if (count == 0 || !GetTouchInputInfo(handle, count, inputs.data(), sizeof(TOUCHINPUT)) ||
      !OnTouchInputs(count, inputs.data()))
    return Default();
  CloseTouchInputHandle(handle);
  return 0;
}

BOOL CWnd::OnTouchInputs(UINT count, PTOUCHINPUT inputs) {
  BOOL handled = FALSE;
  for (UINT i = 0; i < count; ++i) {
    CPoint point(TOUCH_COORD_TO_PIXEL(inputs[i].x), TOUCH_COORD_TO_PIXEL(inputs[i].y));
    ScreenToClient(&point);
    handled |= OnTouchInput(point, static_cast<int>(i), static_cast<int>(count), &inputs[i]);
  }
  return handled;
}

BOOL CWnd::OnTouchInput(CPoint, int, int, PTOUCHINPUT) {
  return FALSE;
}

int CWnd::OnCreate(LPCREATESTRUCTW) {
  return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
  Default();
}
void CWnd::OnPaint() {
  Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
  return static_cast<BOOL>(Default());
}
void CWnd::OnTimer(UINT_PTR) {
  Default();
}
void CWnd::OnSize(UINT, int, int) {
  Default();
}
void CWnd::OnMove(int, int) {
  Default();
}
void CWnd::OnClose() {
  Default();
}
void CWnd::OnShowWindow(BOOL, UINT) {
  Default();
}
void CWnd::OnActivate(UINT, CWnd*, BOOL) {
  Default();
}
void CWnd::OnSetFocus(CWnd*) {
  Default();
}
void CWnd::OnKillFocus(CWnd*) {
  Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
  Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
  Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
  Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
  Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
  Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
  Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
  return static_cast<BOOL>(Default());
}
void CWnd::OnMouseLeave() {
  Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnSysCommand(UINT, LPARAM) {
  Default();
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
  return reinterpret_cast<HBRUSH>(Default());
}
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) {
  Default();
}
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT) {
  Default();
}
HCURSOR CWnd::OnQueryDragIcon() {
  return reinterpret_cast<HCURSOR>(Default());
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
  return static_cast<BOOL>(Default());
}
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) {
  Default();
}
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) {
  Default();
}
UINT CWnd::OnGetDlgCode() {
  return static_cast<UINT>(Default());
}
void CWnd::OnWindowPosChanged(WINDOWPOS*) {
  Default();
}
