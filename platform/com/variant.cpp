#include "platform/com/ole_auto_api.h"

void WINAPI VariantInit(VARIANTARG* variant) {
  variant->vt = VT_EMPTY;
  variant->wReserved1 = variant->wReserved2 = variant->wReserved3 = 0;
  variant->dblVal = 0;
}

HRESULT WINAPI VariantClear(VARIANTARG* variant) {
  if (variant == nullptr) return E_INVALIDARG;
  switch (variant->vt) {
    case VT_BSTR:
      SysFreeString(variant->bstrVal);
      break;
    case VT_UNKNOWN:
    case VT_DISPATCH:
      if (variant->punkVal != nullptr) variant->punkVal->Release();
      break;
    default:
      break;
  }
  VariantInit(variant);
  return S_OK;
}

HRESULT WINAPI VariantCopy(VARIANTARG* destination, const VARIANTARG* source) {
  if (destination == nullptr || source == nullptr) return E_INVALIDARG;
  if (destination == source) return S_OK;
  VariantClear(destination);
  *destination = *source;
  switch (source->vt) {
    case VT_BSTR:
      destination->bstrVal = source->bstrVal == nullptr
                                 ? nullptr
                                 : SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
      if (source->bstrVal != nullptr && destination->bstrVal == nullptr) {
        VariantInit(destination);
        return E_OUTOFMEMORY;
      }
      break;
    case VT_UNKNOWN:
    case VT_DISPATCH:
      if (destination->punkVal != nullptr) destination->punkVal->AddRef();
      break;
    default:
      break;
  }
  return S_OK;
}
