#include "peers/pdf_reader/pdf_reader_control.h"

#include <cwctype>

#include "peers/pdf_reader/desktop_file_bytes.h"
#include "platform/com/ole_auto_api.h"
#include "platform/desktop/utf8.h"
#include "platform/win/win32.h"

namespace pdf_reader {
namespace {

// A document larger than this is refused rather than read whole.
constexpr std::size_t kLargestFile = std::size_t{256} << 20;

std::wstring reason_for(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return L"the file was not found";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return L"the file cannot be read";
    case ERROR_FILE_TOO_LARGE:
      return L"the file is too large";
    default:
      return L"error " + std::to_wstring(error) + L" while reading the file";
  }
}

bool same_name(const wchar_t* a, const wchar_t* b) {
  for (; *a != 0 && *b != 0; ++a, ++b)
    if (std::towlower(*a) != std::towlower(*b)) return false;
  return *a == *b;
}

}  // namespace

PdfReaderControl::PdfReaderControl(std::shared_ptr<ReaderProbe> probe)
    : probe_(std::move(probe)), number_(probe_->add_control()) {}

PdfReaderControl::~PdfReaderControl() {
  DestroyControlWindow();
  view_.released = true;
  report();
}

HRESULT STDMETHODCALLTYPE PdfReaderControl::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch)
    *object = static_cast<IDispatch*>(this);
  else if (iid == IID_IHostedControl)
    *object = static_cast<IHostedControl*>(this);
  else
    *object = nullptr;
  if (*object == nullptr) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG STDMETHODCALLTYPE PdfReaderControl::AddRef() {
  return ++references_;
}

ULONG STDMETHODCALLTYPE PdfReaderControl::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT STDMETHODCALLTYPE PdfReaderControl::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE PdfReaderControl::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE PdfReaderControl::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                                          DISPID* ids) {
  if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
  for (UINT i = 0; i < count; ++i)
    ids[i] = DISPID_UNKNOWN;
  if (!same_name(names[0], L"LoadFile")) return DISP_E_UNKNOWNNAME;
  ids[0] = kLoadFileDispatchId;
  return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE PdfReaderControl::Invoke(DISPID member, REFIID, LCID, WORD flags,
                                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                                   UINT* argument_error) {
  if (member != kLoadFileDispatchId || (flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
  if (params == nullptr || params->cArgs != 1 || params->cNamedArgs != 0) return DISP_E_BADPARAMCOUNT;
  if (params->rgvarg[0].vt != VT_BSTR) {
    if (argument_error != nullptr) *argument_error = 0;
    return DISP_E_TYPEMISMATCH;
  }
  BSTR path = params->rgvarg[0].bstrVal;
  const bool loaded = LoadFile(path == nullptr ? std::wstring() : std::wstring(path, SysStringLen(path)));
  if (result != nullptr) {
    VariantInit(result);
    result->vt = VT_BOOL;
    result->boolVal = loaded ? VARIANT_TRUE : VARIANT_FALSE;
  }
  return S_OK;
}

bool PdfReaderControl::LoadFile(const std::wstring& path) {
  view_.file = path;
  document_.reset();
  FileBytes read = read_file_bytes(path, kLargestFile);
  if (read.error != 0) {
    show_failure(path, reason_for(read.error));
    return false;
  }
  PdfLoad load = PdfDocument::load(std::move(read.bytes));
  for (std::string& line : load.log)
    probe_->log("poppler: " + line);
  if (!load.document) {
    show_failure(path, desktop::from_utf8(load.failure));
    return false;
  }
  document_ = std::move(load.document);
  view_.loaded = true;
  view_.message.clear();
  view_.pages = document_->page_count();
  probe_->log("loaded " + desktop::to_utf8(path) + ": " + std::to_string(view_.pages) + " pages");
  show_page(0);
  return true;
}

void PdfReaderControl::show_failure(const std::wstring& path, const std::wstring& reason) {
  view_.loaded = false;
  view_.pages = 0;
  view_.page = 0;
  view_.message = L"Cannot open " + path + L": " + reason + L".";
  probe_->log(desktop::to_utf8(view_.message));
  draw_page();
}

void PdfReaderControl::report() {
  probe_->update(number_, view_);
}

}  // namespace pdf_reader
