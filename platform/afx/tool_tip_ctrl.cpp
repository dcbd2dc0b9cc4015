#include "platform/afx/tool_tip_ctrl.h"

#include <cwchar>

#include "platform/win/controls_api.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

constexpr int kLongestTip = 1024;

TOOLINFOW tool_info(CWnd* tool, UINT_PTR id, LPCWSTR text) {
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  if (id == 0) {
    info.hwnd = ::GetParent(tool->m_hWnd);
    info.uFlags = TTF_IDISHWND;
    info.uId = reinterpret_cast<UINT_PTR>(tool->m_hWnd);
  } else {
    info.hwnd = tool->m_hWnd;
    info.uId = id;
  }
  info.lpszText = const_cast<LPWSTR>(text);
  return info;
}

}  // namespace

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
  return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, parent ? parent->m_hWnd : nullptr, nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* tool, LPCWSTR text, LPCRECT rect, UINT_PTR id) {
  if (tool == nullptr || tool->m_hWnd == nullptr) return FALSE;
  TOOLINFOW info = tool_info(tool, id, text);
  info.uFlags |= TTF_SUBCLASS;
  if (rect != nullptr)
    info.rect = *rect;
  else if (id != 0)
    tool->GetClientRect(&info.rect);
  return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd* tool, UINT_PTR id) {
  TOOLINFOW info = tool_info(tool, id, nullptr);
  SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCWSTR text, CWnd* tool, UINT_PTR id) {
  TOOLINFOW info = tool_info(tool, id, text);
  SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::Activate(BOOL activate) {
  SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(activate));
}

void CToolTipCtrl::RelayEvent(LPMSG msg) {
  SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

void CToolTipCtrl::SetDelayTime(UINT delay) {
  SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(delay));
}

int CToolTipCtrl::SetMaxTipWidth(int width) {
  return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width));
}

int CToolTipCtrl::GetToolCount() const {
  return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT));
}

std::wstring CToolTipCtrl::GetText(CWnd* tool, UINT_PTR id) const {
  std::wstring text(kLongestTip, L'\0');
  TOOLINFOW info = tool_info(tool, id, text.data());
  SendMessage(TTM_GETTEXTW, kLongestTip, reinterpret_cast<LPARAM>(&info));
  text.resize(std::wcslen(text.c_str()));
  return text;
}
