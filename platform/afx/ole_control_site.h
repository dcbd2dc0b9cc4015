// The framework's hold on an ActiveX control that a CWnd is: its object and its automation
// interface. Deleting the site deactivates the control and releases it.
#pragma once

#include <cstdarg>

#include "platform/com/com_types.h"

class COleControlSite {
 public:
  explicit COleControlSite(IUnknown* control);
  ~COleControlSite();
  COleControlSite(const COleControlSite&) = delete;
  COleControlSite& operator=(const COleControlSite&) = delete;

  IUnknown* control() const { return control_; }
  // The automation call of CWnd::InvokeHelper; the HRESULT of the control's Invoke.
  HRESULT InvokeHelperV(DISPID id, WORD flags, VARTYPE result_type, void* result, const BYTE* param_info,
                        va_list arguments);
  // What a failed call leaves in the result.
  static void StoreEmptyResult(VARTYPE result_type, void* result);

 private:
  IUnknown* control_;
  IDispatch* dispatch_ = nullptr;
};
