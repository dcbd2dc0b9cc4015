// Automation strings and variants.
#pragma once

#include "platform/com/com_types.h"

// A BSTR keeps its length in bytes in front of its characters and ends with a terminator.
BSTR WINAPI SysAllocString(const OLECHAR* text);
BSTR WINAPI SysAllocStringLen(const OLECHAR* text, UINT length);
void WINAPI SysFreeString(BSTR text);
UINT WINAPI SysStringLen(BSTR text);

void WINAPI VariantInit(VARIANTARG* variant);
// Frees a BSTR and releases an interface the variant holds, and leaves it VT_EMPTY.
HRESULT WINAPI VariantClear(VARIANTARG* variant);
HRESULT WINAPI VariantCopy(VARIANTARG* destination, const VARIANTARG* source);
