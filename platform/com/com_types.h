// COM's base types as the programs here use them: results, IUnknown and IDispatch, the
// automation string BSTR and a small VARIANT.
#pragma once

#include "platform/win/win_types.h"

#define STDMETHODCALLTYPE
#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)

using SCODE = LONG;
using OLECHAR = wchar_t;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;
using BSTR = OLECHAR*;
using DISPID = LONG;
using LCID = DWORD;
using VARTYPE = unsigned short;
using VARIANT_BOOL = short;
using LPCLSID = CLSID*;

constexpr HRESULT make_hresult(DWORD code) {
  return static_cast<HRESULT>(code);
}

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = make_hresult(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = make_hresult(0x80004002);
inline constexpr HRESULT E_POINTER = make_hresult(0x80004003);
inline constexpr HRESULT E_FAIL = make_hresult(0x80004005);
inline constexpr HRESULT E_UNEXPECTED = make_hresult(0x8000FFFF);
inline constexpr HRESULT E_OUTOFMEMORY = make_hresult(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = make_hresult(0x80070057);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = make_hresult(0x80040110);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = make_hresult(0x80040154);
inline constexpr HRESULT CO_E_NOTINITIALIZED = make_hresult(0x800401F0);
inline constexpr HRESULT CO_E_CLASSSTRING = make_hresult(0x800401F3);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = make_hresult(0x80020003);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = make_hresult(0x80020005);
inline constexpr HRESULT DISP_E_UNKNOWNNAME = make_hresult(0x80020006);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = make_hresult(0x8002000E);

// A Win32 error code as a failed HRESULT of the Win32 facility.
constexpr HRESULT HRESULT_FROM_WIN32(DWORD error) {
  return error == 0 ? S_OK : make_hresult((error & 0xFFFF) | 0x80070000);
}

inline constexpr IID IID_NULL{0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
inline constexpr IID IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr IID IID_IDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

struct IUnknown {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;

 protected:
  ~IUnknown() = default;
};

struct IDispatch;

inline constexpr VARTYPE VT_EMPTY = 0;
inline constexpr VARTYPE VT_NULL = 1;
inline constexpr VARTYPE VT_I2 = 2;
inline constexpr VARTYPE VT_I4 = 3;
inline constexpr VARTYPE VT_R8 = 5;
inline constexpr VARTYPE VT_BSTR = 8;
inline constexpr VARTYPE VT_DISPATCH = 9;
inline constexpr VARTYPE VT_ERROR = 10;
inline constexpr VARTYPE VT_BOOL = 11;
inline constexpr VARTYPE VT_VARIANT = 12;
inline constexpr VARTYPE VT_UNKNOWN = 13;

inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

struct VARIANT {
  VARTYPE vt;
  WORD wReserved1;
  WORD wReserved2;
  WORD wReserved3;
  union {
    LONG lVal;
    SHORT iVal;
    double dblVal;
    VARIANT_BOOL boolVal;
    SCODE scode;
    BSTR bstrVal;
    IUnknown* punkVal;
    IDispatch* pdispVal;
  };
};
using VARIANTARG = VARIANT;

struct DISPPARAMS {
  VARIANTARG* rgvarg;  // the arguments, last one first
  DISPID* rgdispidNamedArgs;
  UINT cArgs;
  UINT cNamedArgs;
};

struct EXCEPINFO {
  WORD wCode;
  WORD wReserved;
  BSTR bstrSource;
  BSTR bstrDescription;
  BSTR bstrHelpFile;
  DWORD dwHelpContext;
  void* pvReserved;
  HRESULT (*pfnDeferredFillIn)(EXCEPINFO*);
  SCODE scode;
};

inline constexpr WORD DISPATCH_METHOD = 1;
inline constexpr WORD DISPATCH_PROPERTYGET = 2;
inline constexpr WORD DISPATCH_PROPERTYPUT = 4;
inline constexpr DISPID DISPID_PROPERTYPUT = -3;
inline constexpr DISPID DISPID_UNKNOWN = -1;

// Type information and saved properties are not kept: these are named only.
struct ITypeInfo;
struct IStream;

struct IDispatch : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                                  DISPID* ids) = 0;
  virtual HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                           DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                           UINT* argument_error) = 0;

 protected:
  ~IDispatch() = default;
};
