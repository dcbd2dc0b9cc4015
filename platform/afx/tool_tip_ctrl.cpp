#include "platform/afx/tool_tip_ctrl.h"

#include "platform/win/controls_api.h"
#include "platform/win/message_api.h"
#include "platform/win/module_api.h"
#include "platform/win/resource_api.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {
std::wstring string_resource(UINT id) {
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}
}  // namespace

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
  return CreateEx(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, parent != nullptr ? parent->GetSafeHwnd() : nullptr, nullptr);
}

TOOLINFOW CToolTipCtrl::tool_info(CWnd* wnd, UINT_PTR tool_id) const {
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  const HWND hwnd = wnd != nullptr ? wnd->GetSafeHwnd() : nullptr;
  if (tool_id == 0) {
    info.uFlags = TTF_IDISHWND;
    info.hwnd = ::GetParent(hwnd);
    info.uId = reinterpret_cast<UINT_PTR>(hwnd);
  } else {
    info.hwnd = hwnd;
    info.uId = tool_id;
  }
  return info;
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCWSTR text, LPCRECT rect, UINT_PTR tool_id) {
  if (wnd == nullptr || wnd->GetSafeHwnd() == nullptr) return FALSE;
  TOOLINFOW info = tool_info(wnd, tool_id);
  if (rect != nullptr) info.rect = *rect;
  info.lpszText = const_cast<LPWSTR>(text);
  return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, UINT text_id, LPCRECT rect, UINT_PTR tool_id) {
  const std::wstring text = string_resource(text_id);
  return AddTool(wnd, text.c_str(), rect, tool_id);
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR tool_id) {
  TOOLINFOW info = tool_info(wnd, tool_id);
  SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCWSTR text, CWnd* wnd, UINT_PTR tool_id) {
  TOOLINFOW info = tool_info(wnd, tool_id);
  info.lpszText = const_cast<LPWSTR>(text);
  SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(UINT text_id, CWnd* wnd, UINT_PTR tool_id) {
  const std::wstring text = string_resource(text_id);
  UpdateTipText(text.c_str(), wnd, tool_id);
}

std::wstring CToolTipCtrl::GetText(CWnd* wnd, UINT_PTR tool_id) const {
  constexpr size_t kCapacity = 1024;
  std::wstring text(kCapacity, L'\0');
  TOOLINFOW info = tool_info(wnd, tool_id);
  info.lpszText = text.data();
  SendMessage(TTM_GETTEXTW, kCapacity, reinterpret_cast<LPARAM>(&info));
  text.resize(text.find(L'\0'));
  return text;
}

int CToolTipCtrl::GetToolCount() const {
  return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT));
}

void CToolTipCtrl::Activate(BOOL activate) {
  SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(activate));
}

void CToolTipCtrl::RelayEvent(LPMSG msg) {
  SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

int CToolTipCtrl::SetMaxTipWidth(int width) {
  return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width));
}

void CToolTipCtrl::SetDelayTime(UINT delay) {
  SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(delay));
}

void CToolTipCtrl::SetDelayTime(DWORD which, int milliseconds) {
  SendMessage(TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0));
}

int CToolTipCtrl::GetDelayTime(DWORD which) const {
  return static_cast<int>(SendMessage(TTM_GETDELAYTIME, which));
}

void CToolTipCtrl::SetTipBkColor(COLORREF colour) {
  SendMessage(TTM_SETTIPBKCOLOR, colour);
}

void CToolTipCtrl::SetTipTextColor(COLORREF colour) {
  SendMessage(TTM_SETTIPTEXTCOLOR, colour);
}

void CToolTipCtrl::Pop() {
  SendMessage(TTM_POP);
}
