// What both containers do, the ActiveX host window and the framework's CWnd::CreateControl: make
// a control from its class id or prog id and activate it in place in a parent window.
#pragma once

#include "platform/com/com_types.h"

namespace com {

struct ActivatedControl {
  HRESULT result = E_FAIL;
  IUnknown* control = nullptr;  // held by the caller, who ends it with deactivate_control
  HWND window = nullptr;        // the control's window; null for a control that shows none
};

// name is a braced class id or a prog id.
HRESULT class_id_of(LPCOLESTR name, CLSID& clsid);
ActivatedControl activate_control(REFCLSID clsid, HWND parent, const RECT& rect, DWORD style, UINT id);
// Destroys the control's window, if it is still there, and releases the caller's reference.
void deactivate_control(IUnknown* control);

}  // namespace com
