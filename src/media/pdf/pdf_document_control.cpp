#include "src/media/pdf/pdf_document_control.h"

#include "platform/afx/ole_support.h"

namespace {

constexpr CLSID PdfDocumentClassId{
    0xCA8A9780, 0x280D, 0x11CF, {0xA2, 0x4D, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
constexpr DISPID LoadFileDispatchId = 2;

}  // namespace

IMPLEMENT_DYNCREATE(CAcroAXDocShim, CWnd)

BOOL CAcroAXDocShim::Create(LPCWSTR, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                            UINT id) {
  return CreateControl(PdfDocumentClassId, windowName, style, rect, parent, id);
}

bool CAcroAXDocShim::LoadFile(const std::wstring& path) {
  static const BYTE parameters[] = VTS_BSTR;
  BOOL loaded = FALSE;
  InvokeHelper(LoadFileDispatchId, DISPATCH_METHOD, VT_BOOL, &loaded, parameters, path.c_str());
  return loaded != FALSE;
}
