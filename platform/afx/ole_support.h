// The framework's OLE start-up calls and the argument-type lists of InvokeHelper.
#pragma once

#include "platform/win/win_types.h"

// OleInitialize for the calling thread; FALSE when it fails.
BOOL AfxOleInit();
// Lets the program's windows hold ActiveX controls (CWnd::CreateControl).
void AfxEnableControlContainer();

// Each lists one argument of InvokeHelper by its VARTYPE; a list is their concatenation.
#define VTS_NONE ""
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_R8 "\x05"
#define VTS_BSTR "\x08"  // a const wchar_t*
#define VTS_DISPATCH "\x09"
#define VTS_BOOL "\x0B"     // a BOOL
#define VTS_VARIANT "\x0C"  // a const VARIANT*
#define VTS_UNKNOWN "\x0D"
