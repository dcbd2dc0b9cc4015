#include "platform/afx/ole_control_site.h"

#include <string>
#include <vector>

#include "platform/com/control_activation.h"
#include "platform/com/ole_auto_api.h"

namespace {

// The next argument of an InvokeHelper call, as the variant its type names; VT_EMPTY for a
// type it does not take.
VARIANT next_argument(VARTYPE type, va_list& arguments) {
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = type;
  switch (type) {
    case VT_I2:
      argument.iVal = static_cast<SHORT>(va_arg(arguments, int));
      break;
    case VT_I4:
      argument.lVal = va_arg(arguments, LONG);
      break;
    case VT_R8:
      argument.dblVal = va_arg(arguments, double);
      break;
    case VT_BSTR:
      argument.bstrVal = SysAllocString(va_arg(arguments, const wchar_t*));
      break;
    case VT_BOOL:
      argument.boolVal = va_arg(arguments, BOOL) ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
      argument.punkVal = va_arg(arguments, IUnknown*);
      if (argument.punkVal != nullptr) argument.punkVal->AddRef();
      break;
    case VT_VARIANT:
      argument.vt = VT_EMPTY;
      VariantCopy(&argument, va_arg(arguments, const VARIANT*));
      break;
    default:
      argument.vt = VT_EMPTY;
      break;
  }
  return argument;
}

void store_result(const VARIANT& answer, VARTYPE type, void* result) {
  if (result == nullptr) return;
  const bool same = answer.vt == type;
  switch (type) {
    case VT_I2:
      *static_cast<SHORT*>(result) = same ? answer.iVal : 0;
      break;
    case VT_I4:
      *static_cast<LONG*>(result) = same ? answer.lVal : 0;
      break;
    case VT_R8:
      *static_cast<double*>(result) = same ? answer.dblVal : 0;
      break;
    case VT_BOOL:
      *static_cast<BOOL*>(result) = same && answer.boolVal != VARIANT_FALSE;
      break;
    case VT_BSTR:
      *static_cast<std::wstring*>(result) = same && answer.bstrVal != nullptr
                                                ? std::wstring(answer.bstrVal, SysStringLen(answer.bstrVal))
                                                : L"";
      break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
      *static_cast<IUnknown**>(result) = same ? answer.punkVal : nullptr;
      if (same && answer.punkVal != nullptr) answer.punkVal->AddRef();
      break;
    case VT_VARIANT:
      VariantCopy(static_cast<VARIANT*>(result), &answer);
      break;
    default:
      break;
  }
}

}  // namespace

void COleControlSite::StoreEmptyResult(VARTYPE result_type, void* result) {
  VARIANT empty;
  VariantInit(&empty);
  store_result(empty, result_type, result);
}

COleControlSite::COleControlSite(IUnknown* control) : control_(control) {
  void* dispatch = nullptr;
  if (SUCCEEDED(control_->QueryInterface(IID_IDispatch, &dispatch)))
    dispatch_ = static_cast<IDispatch*>(dispatch);
}

COleControlSite::~COleControlSite() {
  if (dispatch_ != nullptr) dispatch_->Release();
  com::deactivate_control(control_);
}

HRESULT COleControlSite::InvokeHelperV(DISPID id, WORD flags, VARTYPE result_type, void* result,
                                       const BYTE* param_info, va_list arguments) {
  std::vector<VARIANT> in_order;
  va_list remaining;
  va_copy(remaining, arguments);
  for (const BYTE* type = param_info; type != nullptr && *type != 0; ++type)
    in_order.push_back(next_argument(*type, remaining));
  va_end(remaining);
  std::vector<VARIANT> reversed(in_order.rbegin(), in_order.rend());
  DISPID put_id = DISPID_PROPERTYPUT;
  const bool put = (flags & DISPATCH_PROPERTYPUT) != 0;
  DISPPARAMS params{reversed.data(), put ? &put_id : nullptr, static_cast<UINT>(reversed.size()),
                    put ? 1u : 0u};
  VARIANT answer;
  VariantInit(&answer);
  HRESULT invoked = dispatch_ == nullptr
                        ? E_NOINTERFACE
                        : dispatch_->Invoke(id, IID_NULL, 0, flags, &params,
                                            result_type == VT_EMPTY ? nullptr : &answer, nullptr, nullptr);
  if (FAILED(invoked)) VariantClear(&answer);
  store_result(answer, result_type, result);
  VariantClear(&answer);
  for (VARIANT& argument : reversed)
    VariantClear(&argument);
  return invoked;
}
