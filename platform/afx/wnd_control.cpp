// CWnd as an ActiveX control's window, and the framework's OLE start-up.
#include <cstdarg>

#include "platform/afx/ole_control_site.h"
#include "platform/afx/ole_support.h"
#include "platform/afx/thread_state.h"
#include "platform/afx/wnd.h"
#include "platform/com/com_api.h"
#include "platform/com/control_activation.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

BOOL AfxOleInit() {
  return SUCCEEDED(OleInitialize(nullptr));
}

void AfxEnableControlContainer() {
  if (afx_internal::ProcessState* state = afx_internal::process_state()) state->control_container = true;
}

BOOL CWnd::CreateControl(REFCLSID clsid, LPCWSTR window_name, DWORD style, const RECT& rect, CWnd* parent,
                         UINT id) {
  afx_internal::ProcessState* state = afx_internal::process_state();
  if (state == nullptr || !state->control_container || parent == nullptr || m_hWnd != nullptr) return FALSE;
  com::ActivatedControl activated = com::activate_control(clsid, parent->m_hWnd, rect, style | WS_CHILD, id);
  if (FAILED(activated.result)) return FALSE;
  if (activated.window == nullptr || !SubclassWindow(activated.window)) {
    com::deactivate_control(activated.control);
    return FALSE;
  }
  m_pCtrlSite = new COleControlSite(activated.control);
  if (window_name != nullptr) ::SetWindowTextW(m_hWnd, window_name);
  return TRUE;
}

BOOL CWnd::CreateControl(LPCWSTR class_name, LPCWSTR window_name, DWORD style, const RECT& rect, CWnd* parent,
                         UINT id) {
  CLSID clsid{};
  if (FAILED(com::class_id_of(class_name, clsid))) return FALSE;
  return CreateControl(clsid, window_name, style, rect, parent, id);
}

void CWnd::InvokeHelper(DISPID id, WORD flags, VARTYPE result_type, void* result, const BYTE* param_info,
                        ...) {
  va_list arguments;
  va_start(arguments, param_info);
  if (m_pCtrlSite != nullptr)
    m_pCtrlSite->InvokeHelperV(id, flags, result_type, result, param_info, arguments);
  else
    COleControlSite::StoreEmptyResult(result_type, result);
  va_end(arguments);
}
